// The picture loader on damaged files: it may refuse them, never crash.

#include "fuzz_input.h"
#include "platform/error.h"
#include "platform/runtime/picture.h"

std::vector<std::vector<uint8_t>> FuzzSeeds() {
  using orbelon::testing::MakePng;
  return {MakePng(1, 1), MakePng(5, 3), MakePng(16, 16)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const auto picture = orbelon::platform::LoadPicture(FuzzFile(data, size, ".dab"));
    if (picture->width <= 0 || picture->height <= 0 ||
        picture->rgba.size() != static_cast<size_t>(picture->width) * picture->height * 4) {
      __builtin_trap();
    }
  } catch (const orbelon::platform::PlatformError&) {
  }
  return 0;
}
