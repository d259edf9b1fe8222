#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/files/file_bytes.h"

namespace orbelon::platform {

// A decoded picture, 8-bit RGBA rows from the top. Shared and immutable once loaded.
struct PictureData {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;
};
using Picture = std::shared_ptr<const PictureData>;

// The largest side of a picture that the game takes. Its largest picture, the play window's
// background, is 500 pixels high; a texture or window picture twice that size still fits, and
// the decoded picture stays within 4 MiB.
constexpr int kLargestPictureSide = 1024;

// Reads a PNG file (the game's "\name" turned into a path, see NativePath). Throws
// PlatformError naming the file when it is missing, not a regular file, empty, damaged, or
// larger than kLargestPictureSide on a side.
Picture LoadPicture(const std::string& path);

}  // namespace orbelon::platform
