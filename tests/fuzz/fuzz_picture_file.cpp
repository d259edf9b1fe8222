// The picture loader on damaged files: it may refuse them, never crash.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "../unit/runtime/test_files.h"
#include "platform/error.h"
#include "platform/runtime/picture.h"
#include "scratch_file.h"

namespace {

const ScratchFile input_file(".dab");

}  // namespace

std::vector<std::vector<uint8_t>> FuzzSeeds() {
  using orbelon::testing::MakePng;
  return {MakePng(1, 1), MakePng(5, 3), MakePng(16, 16)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = input_file.Write(data, size);
  try {
    const orbelon::platform::Picture picture = orbelon::platform::LoadPicture(path);
    if (picture->width <= 0 || picture->height <= 0 ||
        picture->rgba.size() != static_cast<size_t>(picture->width) * picture->height * 4) {
      __builtin_trap();
    }
  } catch (const orbelon::platform::PlatformError&) {
  }
  return 0;
}
