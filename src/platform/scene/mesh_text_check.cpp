// The reader of mesh text is lenient: it skips what it does not know and reads a short line as
// zeros. A damaged or foreign file is caught here first, with the line that gave it away.

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/error.h"
#include "platform/scene/mesh_file.h"

namespace orbelon::scene {

namespace {

constexpr size_t kMostCorners = 255;  // the reader counts a face's corners in one byte
constexpr size_t kMostIndexDigits = 9;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

size_t Digits(std::string_view text, size_t at) {
  size_t end = at;
  while (end < text.size() && IsDigit(text[end]))
    ++end;
  return end - at;
}

// A decimal number: sign, digits with an optional fraction, an optional exponent.
bool IsNumber(std::string_view token) {
  size_t at = 0;
  if (at < token.size() && (token[at] == '+' || token[at] == '-'))
    ++at;
  const size_t whole = Digits(token, at);
  at += whole;
  size_t fraction = 0;
  if (at < token.size() && token[at] == '.') {
    ++at;
    fraction = Digits(token, at);
    at += fraction;
  }
  if (whole == 0 && fraction == 0)
    return false;
  if (at < token.size() && (token[at] == 'e' || token[at] == 'E')) {
    ++at;
    if (at < token.size() && (token[at] == '+' || token[at] == '-'))
      ++at;
    const size_t exponent = Digits(token, at);
    if (exponent == 0)
      return false;
    at += exponent;
  }
  return at == token.size();
}

bool IsIndex(std::string_view token) {
  size_t at = 0;
  if (at < token.size() && token[at] == '-')
    ++at;
  const size_t digits = Digits(token, at);
  if (digits == 0 || digits > kMostIndexDigits || at + digits != token.size())
    return false;
  return std::strtol(std::string(token).c_str(), nullptr, 10) != 0;
}

// A corner of a face: v, v/t, v//n or v/t/n.
bool IsCorner(std::string_view token) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    const size_t slash = token.find('/', start);
    parts.push_back(token.substr(start, slash == std::string_view::npos ? slash : slash - start));
    if (slash == std::string_view::npos)
      break;
    start = slash + 1;
  }
  if (parts.size() > 3 || !IsIndex(parts[0]))
    return false;
  if (parts.size() >= 2 && !parts[1].empty() && !IsIndex(parts[1]))
    return false;
  if (parts.size() == 2 && parts[1].empty())
    return false;
  if (parts.size() == 3 && !IsIndex(parts[2]))
    return false;
  return true;
}

std::vector<std::string_view> Tokens(std::string_view line) {
  std::vector<std::string_view> tokens;
  size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
      ++at;
    size_t end = at;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t')
      ++end;
    if (end > at)
      tokens.push_back(line.substr(at, end - at));
    at = end;
  }
  return tokens;
}

// Why the line is not a line of a mesh file, or nothing when it is.
std::string Fault(std::string_view line) {
  const size_t comment = line.find('#');
  if (comment != std::string_view::npos)
    line = line.substr(0, comment);
  const auto tokens = Tokens(line);
  if (tokens.empty())
    return {};
  const std::string_view keyword = tokens[0];
  const size_t count = tokens.size() - 1;

  if (keyword == "v" || keyword == "vn" || keyword == "vt") {
    const size_t needed = keyword == "vt" ? 1 : 3;
    if (count < needed || count > 7)
      return "a vertex line with " + std::to_string(count) + " numbers";
    for (size_t i = 1; i < tokens.size(); ++i) {
      if (!IsNumber(tokens[i]))
        return "'" + std::string(tokens[i]) + "' is not a number";
      const double value = std::strtod(std::string(tokens[i]).c_str(), nullptr);
      if (!std::isfinite(value) || std::fabs(value) > kLargestCoordinate) {
        return "the coordinate " + std::string(tokens[i]) + " is out of range";
      }
    }
    return {};
  }
  if (keyword == "f" || keyword == "l" || keyword == "p") {
    const size_t needed = keyword == "f" ? 3 : 1;
    if (count < needed)
      return "a face with " + std::to_string(count) + " corners";
    if (count > kMostCorners)
      return "a face with more than 255 corners";
    for (size_t i = 1; i < tokens.size(); ++i) {
      if (!IsCorner(tokens[i]))
        return "'" + std::string(tokens[i]) + "' is not a corner of a face";
    }
    return {};
  }
  if (keyword == "o" || keyword == "g" || keyword == "s" || keyword == "usemtl" ||
      keyword == "mtllib") {
    return {};
  }
  return "'" + std::string(keyword.substr(0, 20)) + "' is not a statement of a mesh file";
}

}  // namespace

void CheckMeshText(const std::string& text, const std::string& name) {
  if (text.find('\0') != std::string::npos) {
    throw platform::PlatformError("The mesh file " + name + " is not a text file");
  }
  // Lines end at \n, \r\n or a lone \r, as the reader takes them.
  size_t at = 0;
  int line_number = 0;
  while (at < text.size()) {
    size_t end = text.find_first_of("\r\n", at);
    if (end == std::string::npos)
      end = text.size();
    ++line_number;
    const std::string fault = Fault(std::string_view(text).substr(at, end - at));
    if (!fault.empty()) {
      throw platform::PlatformError("The mesh file " + name + " is damaged at line " +
                                    std::to_string(line_number) + ": " + fault);
    }
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
      ++end;
    at = end + 1;
  }
}

}  // namespace orbelon::scene
