#include "assets/manifest.h"

#include <zlib.h>

#include <cstdio>

namespace orbelon::assets {

std::string ManifestHeader(size_t file_count) {
  return "orbelon-data-files " + std::to_string(file_count) + "\n";
}

std::string ManifestLine(const std::string& name, const std::vector<uint8_t>& bytes) {
  const uLong crc = crc32(crc32(0, nullptr, 0), bytes.data(), static_cast<uInt>(bytes.size()));
  char checksum[9];
  std::snprintf(checksum, sizeof checksum, "%08lx", crc);
  return name + " " + std::to_string(bytes.size()) + " " + checksum + "\n";
}

}  // namespace orbelon::assets
