#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbelon::platform {

// The list of data files that the asset generator wrote beside them, with each file's size and
// CRC-32, so that a broken install is found at start rather than when a file is first used.
class DataManifest {
 public:
  static constexpr const char* kFileName = "manifest.txt";

  // Reads the list from the program's folder. Throws PlatformError naming the manifest when it
  // is missing or damaged: without it nothing can be checked.
  explicit DataManifest(std::string folder);

  // The files in the order the generator made them.
  std::vector<std::string> Names() const;
  // Throws PlatformError naming the file and what is wrong: missing, not a regular file, another
  // size, another checksum. Never waits on a pipe or a device.
  void Check(const std::string& name) const;

 private:
  struct Entry {
    std::string name;
    uint64_t size = 0;
    uint32_t crc = 0;
  };

  std::string folder_;
  std::vector<Entry> entries_;
};

}  // namespace orbelon::platform
