#pragma once

// The manifest written beside the data files, from which the game checks its install at start: a
// first line "orbelon-data-files COUNT", so that a manifest cut short is found too, then one line
// a file, "name size checksum", the checksum being the file's CRC-32 (zlib's, the one of PNG and
// gzip) in eight lower-case hex digits.

#include <cstdint>
#include <string>
#include <vector>

namespace orbelon::assets {

constexpr const char* kManifestName = "manifest.txt";

std::string ManifestHeader(size_t file_count);
std::string ManifestLine(const std::string& name, const std::vector<uint8_t>& bytes);

}  // namespace orbelon::assets
