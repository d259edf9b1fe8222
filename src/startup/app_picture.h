#pragma once

#include <string>

#include "platform/runtime/picture.h"
#include "platform/runtime/runtime.h"

namespace orbelon::startup {

// A window's picture, read from the program's folder like every other data file.
inline platform::Picture AppPicture(const platform::Runtime& runtime, const std::string& name) {
  return platform::LoadPicture(platform::NativePath(runtime.AppPath() + "\\" + name));
}

}  // namespace orbelon::startup
