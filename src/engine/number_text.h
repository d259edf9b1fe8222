#pragma once

#include <cstdint>
#include <string>

namespace orbelon::engine {

// A single-precision number as the window runtime writes it into a text box: up to 7
// significant digits, no trailing zeros, an exponent for very large or very small values
// ("0.3", "-0.05", "1E-05", "1.234568E+07").
std::string SingleText(float value);

// A whole number with zeros in front up to the given count of digits; a longer number is
// written whole ("00000#" formats 100 as "000100").
std::string ZeroPadded(int32_t value, int digits);

}  // namespace orbelon::engine
