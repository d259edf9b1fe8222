#include "platform/runtime/picture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <memory>

#include "platform/error.h"
#include "platform/files/file_bytes.h"

namespace orbelon::platform {

namespace {

constexpr uint32_t kMaxSide = kLargestPictureSide;
// The largest picture stored without any compression, with room for its chunks.
constexpr size_t kMaxPictureBytes = size_t{kMaxSide} * (kMaxSide * 4 + 1) + (size_t{1} << 20);
constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

uint32_t Be32(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | uint32_t{p[3]};
}

using Surface = std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)>;

}  // namespace

Picture LoadPicture(const std::string& path) {
  const std::string native = NativePath(path);
  const auto damaged = [&](const std::string& why) {
    return PlatformError("Cannot load picture file \"" + native + "\": " + why);
  };
  const std::vector<uint8_t> bytes = ReadFileBytes(native, "picture", kMaxPictureBytes);
  // The header is checked here so that only a well-formed PNG of a sane size reaches the decoder.
  if (bytes.size() < 33 || std::memcmp(bytes.data(), kPngSignature, 8) != 0) {
    throw damaged("not a PNG picture");
  }
  if (Be32(&bytes[8]) != 13 || std::memcmp(&bytes[12], "IHDR", 4) != 0) {
    throw damaged("the PNG header is damaged");
  }
  const uint32_t width = Be32(&bytes[16]);
  const uint32_t height = Be32(&bytes[20]);
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) {
    throw damaged("its size of " + std::to_string(width) + " x " + std::to_string(height) +
                  " pixels is out of range (at most " + std::to_string(kMaxSide) + " on a side)");
  }

  SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (source == nullptr) {
    throw damaged(SDL_GetError());
  }
  Surface decoded(IMG_LoadPNG_RW(source), SDL_FreeSurface);
  SDL_RWclose(source);
  if (!decoded) {
    throw damaged(std::string("the PNG data is damaged (") + IMG_GetError() + ")");
  }
  Surface rgba(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_RGBA32, 0), SDL_FreeSurface);
  if (!rgba) {
    throw damaged(SDL_GetError());
  }

  auto picture = std::make_shared<PictureData>();
  picture->width = rgba->w;
  picture->height = rgba->h;
  const size_t row = static_cast<size_t>(rgba->w) * 4;
  picture->rgba.resize(row * static_cast<size_t>(rgba->h));
  if (SDL_LockSurface(rgba.get()) != 0) {
    throw damaged(SDL_GetError());
  }
  const auto* pixels = static_cast<const uint8_t*>(rgba->pixels);
  for (int y = 0; y < rgba->h; ++y) {
    std::memcpy(&picture->rgba[static_cast<size_t>(y) * row],
                pixels + static_cast<size_t>(y) * static_cast<size_t>(rgba->pitch), row);
  }
  SDL_UnlockSurface(rgba.get());
  return picture;
}

}  // namespace orbelon::platform
