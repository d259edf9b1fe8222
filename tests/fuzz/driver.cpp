// A plain driver for the fuzz targets, so that they build and run with any compiler: it feeds
// the target a stream of inputs made by mutating a few seeds, the same stream every run. Under
// clang with -fsanitize=fuzzer, libFuzzer's own main takes its place.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Each target gives the seeds it starts from.
std::vector<std::vector<uint8_t>> FuzzSeeds();

int main(int argc, char** argv) {
  const long runs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000;
  std::mt19937 random(12345);
  const auto seeds = FuzzSeeds();
  for (const auto& seed : seeds) {
    LLVMFuzzerTestOneInput(seed.data(), seed.size());
  }
  for (long run = 0; run < runs && !seeds.empty(); ++run) {
    std::vector<uint8_t> input = seeds[random() % seeds.size()];
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int edit = 0; edit < edits; ++edit) {
      switch (random() % 3) {
        case 0:  // flip a byte
          if (!input.empty())
            input[random() % input.size()] = static_cast<uint8_t>(random());
          break;
        case 1:  // cut the end off
          if (!input.empty())
            input.resize(random() % input.size());
          break;
        default:  // insert a byte
          input.insert(input.begin() + static_cast<long>(random() % (input.size() + 1)),
                       static_cast<uint8_t>(random()));
      }
    }
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  return 0;
}
