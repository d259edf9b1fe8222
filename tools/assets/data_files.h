#pragma once

// Every file the generator makes: its name in the program's folder and how to make its bytes.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orbelon::assets {

struct DataFile {
  std::string name;
  std::function<std::vector<uint8_t>()> make;
};

std::vector<DataFile> AllDataFiles();

}  // namespace orbelon::assets
