#include "platform/files/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/error.h"

namespace orbelon::platform {

std::vector<uint8_t> ReadFileBytes(const std::string& path, const std::string& kind, size_t limit) {
  const auto fail = [&](const std::string& why) {
    return PlatformError("Cannot load " + kind + " file \"" + path + "\": " + why);
  };
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) {
    throw fail(std::strerror(errno));
  }
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  for (;;) {
    const size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (bytes.size() > limit) {
      throw fail("the file is too large");
    }
    if (got < sizeof chunk) {
      break;
    }
  }
  if (std::ferror(file.get())) {
    // A folder opens as a file on Linux and fails only here.
    throw fail("it cannot be read");
  }
  if (bytes.empty()) {
    throw fail("the file is empty");
  }
  return bytes;
}

}  // namespace orbelon::platform
