#include "platform/files/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/error.h"

namespace orbelon::platform {

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) {
      close(fd_);
    }
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
};

const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) {
    return "it is a folder, not a file";
  }
  if (S_ISFIFO(mode)) {
    return "it is a named pipe, not a file";
  }
  return "it is not a regular file";
}

}  // namespace

std::vector<uint8_t> ReadFileBytes(const std::string& path, const std::string& kind, size_t limit) {
  const auto fail = [&](const std::string& why) {
    return PlatformError("Cannot load " + kind + " file \"" + path + "\": " + why);
  };
  // Opening a named pipe for reading would wait for a writer; without blocking it opens at once,
  // and the type check below refuses it.
  const Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.Get() < 0) {
    throw fail(std::strerror(errno));
  }
  struct stat facts {};
  if (fstat(file.Get(), &facts) != 0) {
    throw fail(std::strerror(errno));
  }
  if (!S_ISREG(facts.st_mode)) {
    throw fail(KindOf(facts.st_mode));
  }
  if (facts.st_size == 0) {
    throw fail("the file is empty");
  }
  if (static_cast<uintmax_t>(facts.st_size) > limit) {
    throw fail("the file is too large (" + std::to_string(facts.st_size) + " bytes)");
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(facts.st_size));
  size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t read_now = read(file.Get(), bytes.data() + got, bytes.size() - got);
    if (read_now < 0 && errno == EINTR) {
      continue;
    }
    if (read_now < 0) {
      throw fail(std::strerror(errno));
    }
    if (read_now == 0) {
      throw fail("it ended while it was read");
    }
    got += static_cast<size_t>(read_now);
  }
  return bytes;
}

std::string NativePath(const std::string& path) {
  // Only the last name can be the game's: a backslash before the last separator belongs to the
  // folder, and of the last name only the final backslash is the game's own.
  const size_t last_separator = path.rfind('/');
  const size_t name_start = last_separator == std::string::npos ? 0 : last_separator + 1;
  const size_t backslash = path.rfind('\\');
  if (backslash == std::string::npos || backslash < name_start) {
    return path;
  }
  std::string native = path;
  native[backslash] = '/';
  return native;
}

}  // namespace orbelon::platform
