// Makes every data file of the game into the folder given on the command line.

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "assets/data_files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orbelon_assets OUTPUT_FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (const auto& file : orbelon::assets::AllDataFiles()) {
    const std::filesystem::path path = folder / file.name;
    std::vector<uint8_t> bytes;
    try {
      bytes = file.make();
    } catch (const std::exception& error_made) {
      std::fprintf(stderr, "orbelon_assets: %s: %s\n", file.name.c_str(), error_made.what());
      return 1;
    }
    // Written beside the file and renamed, so that a game starting meanwhile never reads half
    // a file.
    std::filesystem::path partial = path;
    partial += ".part";
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) {
      std::filesystem::rename(partial, path, error);
    }
    if (!out || error) {
      std::fprintf(stderr, "orbelon_assets: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
