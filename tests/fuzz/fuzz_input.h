#pragma once

// The loaders read files, so each input is written to a file of this run's own (runs go side by
// side), removed at exit.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "../unit/runtime/test_files.h"

inline std::string FuzzFile(const uint8_t* data, size_t size, const std::string& extension) {
  static const struct Scratch {
    std::string path;
    ~Scratch() { std::filesystem::remove(path); }
  } scratch{(std::filesystem::temp_directory_path() /
             ("orbelon_fuzz_" + std::to_string(::getpid()) + extension))
                .string()};
  orbelon::testing::WriteFile(scratch.path, std::vector<uint8_t>(data, data + size));
  return scratch.path;
}
