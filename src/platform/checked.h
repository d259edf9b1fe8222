#pragma once

#include <cstdint>
#include <limits>

#include "platform/error.h"

namespace orbelon::platform {

// The game's Integer (16-bit) and Long (32-bit) arithmetic: a result out of range is an error.
template <typename T>
T CheckedNarrow(int64_t value) {
  if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) {
    throw OverflowError();
  }
  return static_cast<T>(value);
}

inline int16_t IntAdd(int16_t a, int64_t b) {
  return CheckedNarrow<int16_t>(int64_t{a} + b);
}
inline int16_t IntSub(int16_t a, int64_t b) {
  return CheckedNarrow<int16_t>(int64_t{a} - b);
}
inline int32_t LongAdd(int32_t a, int64_t b) {
  return CheckedNarrow<int32_t>(int64_t{a} + b);
}
inline int32_t LongMul(int32_t a, int64_t b) {
  return CheckedNarrow<int32_t>(int64_t{a} * b);
}

}  // namespace orbelon::platform
