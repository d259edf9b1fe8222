#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbelon::platform {

// The whole content of a file. Throws PlatformError naming the file (and calling it by `kind`,
// e.g. "picture") when it cannot be opened or read, is empty, or is larger than `limit` bytes.
std::vector<uint8_t> ReadFileBytes(const std::string& path, const std::string& kind, size_t limit);

}  // namespace orbelon::platform
