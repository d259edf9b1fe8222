#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orbelon::platform {

// A decoded picture, 8-bit RGBA rows from the top. Shared and immutable once loaded.
struct PictureData {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;
};
using Picture = std::shared_ptr<const PictureData>;

// Reads a PNG file (backslashes in the path are taken as separators). Throws PlatformError
// naming the file when it is missing, empty, damaged or of an absurd size.
Picture LoadPicture(const std::string& path);

// The game names files as AppPath + "\name"; this turns the backslashes into the system's.
std::string NativePath(const std::string& path);

}  // namespace orbelon::platform
