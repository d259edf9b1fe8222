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

// Reads a PNG (or any format SDL2_image reads). Throws PlatformError naming the file when it is
// missing, empty or damaged.
Picture LoadPicture(const std::string& path);

// The game names files as AppPath + "\name"; this turns the backslashes into the system's.
std::string NativePath(const std::string& path);

}  // namespace orbelon::platform
