#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbelon::platform {

// The whole content of a regular file. Throws PlatformError naming the file (and calling it by
// `kind`, e.g. "picture") when it is missing, is not a regular file (a folder, a named pipe, a
// device), cannot be read, is empty, or is larger than `limit` bytes. It never waits: a pipe or a
// device is refused without being read.
std::vector<uint8_t> ReadFileBytes(const std::string& path, const std::string& kind, size_t limit);

// The game names its files as AppPath + "\name". This turns that one backslash into the system's
// separator and leaves the folder as it stands, whatever it holds. A path already converted comes
// back unchanged, so every reader may convert what it is given.
std::string NativePath(const std::string& path);

}  // namespace orbelon::platform
