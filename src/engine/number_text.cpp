#include "engine/number_text.h"

#include <cstdio>
#include <cstdlib>

namespace orbelon::engine {

std::string SingleText(float value) {
  // A negative zero reads as plain 0, as the runtime prints it.
  if (value == 0.0f) {
    return "0";
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.7G", static_cast<double>(value));
  return text;
}

std::string ZeroPadded(int32_t value, int digits) {
  std::string magnitude = std::to_string(std::llabs(static_cast<long long>(value)));
  if (static_cast<int>(magnitude.size()) < digits) {
    magnitude.insert(0, static_cast<size_t>(digits) - magnitude.size(), '0');
  }
  return value < 0 ? "-" + magnitude : magnitude;
}

}  // namespace orbelon::engine
