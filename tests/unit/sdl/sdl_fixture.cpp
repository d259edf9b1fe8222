#include "sdl_fixture.h"

#include <stb_image_write.h>

namespace orbelon::testing {

void SavePng(const sdl::Pixels& pixels, const std::string& name) {
  std::string path = std::string(ORBELON_TEST_OUTPUT) + "/" + name;
  ASSERT_NE(stbi_write_png(path.c_str(), pixels.width, pixels.height, 4, pixels.rgba.data(),
                           pixels.width * 4),
            0)
      << "cannot write " << path;
}

}  // namespace orbelon::testing
