#pragma once

// The file that a fuzz target writes each input to, for the loaders that read from a path. Named
// after the process, so that targets running side by side never share one, and removed when the
// target ends, so that nothing is left in the temporary folder.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

class ScratchFile {
 public:
  explicit ScratchFile(const std::string& suffix)
      : path_((std::filesystem::temp_directory_path() /
               ("orbelon-fuzz-" + std::to_string(::getpid()) + suffix))
                  .string()) {}
  ~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& Write(const uint8_t* data, size_t size) const {
    std::ofstream(path_, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path_;
  }

 private:
  std::string path_;
};
