// Makes every data file of the game into the folder given on the command line, and the manifest
// of them all last.

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "assets/data_files.h"
#include "assets/manifest.h"

namespace {

// Written beside the file and renamed, so that a game starting meanwhile never reads half a file.
bool WriteWhole(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::filesystem::path partial = path;
  partial += ".part";
  std::ofstream out(partial, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  std::error_code error;
  if (out) {
    std::filesystem::rename(partial, path, error);
  }
  if (!out || error) {
    std::fprintf(stderr, "orbelon_assets: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orbelon_assets OUTPUT_FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::vector<orbelon::assets::DataFile> files = orbelon::assets::AllDataFiles();
  std::string manifest = orbelon::assets::ManifestHeader(files.size());
  for (const auto& file : files) {
    std::vector<uint8_t> bytes;
    try {
      bytes = file.make();
    } catch (const std::exception& error_made) {
      std::fprintf(stderr, "orbelon_assets: %s: %s\n", file.name.c_str(), error_made.what());
      return 1;
    }
    if (!WriteWhole(folder / file.name, bytes)) {
      return 1;
    }
    manifest += orbelon::assets::ManifestLine(file.name, bytes);
  }
  return WriteWhole(folder / orbelon::assets::kManifestName, {manifest.begin(), manifest.end()})
             ? 0
             : 1;
}
