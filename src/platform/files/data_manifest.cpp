#include "platform/files/data_manifest.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <utility>

#include "platform/error.h"
#include "platform/files/file_bytes.h"

namespace orbelon::platform {

namespace {

constexpr const char* kFormat = "orbelon-data-files";
// Far above the list of the game's few dozen files.
constexpr size_t kLargestManifest = size_t{1} << 20;
// Far above the largest data file, the level music of a few hundred kilobytes.
constexpr uint64_t kLargestDataFile = uint64_t{256} << 20;

// zlib's CRC-32, the checksum of PNG and gzip: well known, checkable with common tools, and fast
// enough that the whole install is checked in a few milliseconds. zlib is in the process anyway,
// under the PNG decoder. No file is larger than kLargestDataFile, so one call takes it whole.
uint32_t Crc32(const std::vector<uint8_t>& bytes) {
  return static_cast<uint32_t>(
      crc32(crc32(0, nullptr, 0), bytes.data(), static_cast<uInt>(bytes.size())));
}

}  // namespace

DataManifest::DataManifest(std::string folder) : folder_(std::move(folder)) {
  const std::string path = folder_ + "/" + kFileName;
  const auto damaged = [&](const std::string& why) {
    return PlatformError("The manifest file \"" + path + "\" is damaged: " + why);
  };
  const std::vector<uint8_t> bytes = ReadFileBytes(path, "manifest", kLargestManifest);
  std::istringstream lines(std::string(bytes.begin(), bytes.end()));
  std::string line;
  std::string format;
  size_t count = 0;
  if (!std::getline(lines, line) || !(std::istringstream(line) >> format >> count) ||
      format != kFormat || count == 0) {
    throw damaged("it does not begin with the count of the data files");
  }
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    Entry entry;
    std::string checksum;
    std::string rest;
    char* end = nullptr;
    if (fields >> entry.name >> entry.size >> checksum && !(fields >> rest) &&
        checksum.size() == 8 && entry.name.find('/') == std::string::npos) {
      entry.crc = static_cast<uint32_t>(std::strtoul(checksum.c_str(), &end, 16));
    }
    if (end != checksum.c_str() + 8 || entry.size > kLargestDataFile) {
      throw damaged("line " + std::to_string(entries_.size() + 2) + " is not a data file's");
    }
    entries_.push_back(std::move(entry));
  }
  if (entries_.size() != count) {
    throw damaged("it lists " + std::to_string(entries_.size()) + " of its " +
                  std::to_string(count) + " data files");
  }
}

std::vector<std::string> DataManifest::Names() const {
  std::vector<std::string> names;
  for (const Entry& entry : entries_) {
    names.push_back(entry.name);
  }
  return names;
}

void DataManifest::Check(const std::string& name) const {
  const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& listed) { return listed.name == name; });
  const std::string path = folder_ + "/" + name;
  if (entry == entries_.end()) {
    throw PlatformError("The data file \"" + path + "\" is not in the manifest");
  }
  // A longer file is refused by its size before a byte of it is read.
  const std::vector<uint8_t> bytes =
      ReadFileBytes(path, "data", static_cast<size_t>(std::max<uint64_t>(entry->size, 1)));
  const auto damaged = [&](const std::string& why) {
    return PlatformError("The data file \"" + path + "\" is damaged: " + why);
  };
  if (bytes.size() != entry->size) {
    throw damaged("it holds " + std::to_string(bytes.size()) + " bytes instead of " +
                  std::to_string(entry->size));
  }
  if (Crc32(bytes) != entry->crc) {
    throw damaged("its content is not the one installed");
  }
}

}  // namespace orbelon::platform
