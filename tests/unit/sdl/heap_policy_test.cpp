// Window-sized blocks must not come out of the heap, whatever was freed before them: the game
// makes and frees them each time a window opens, and in the heap they can leave holes that the
// next one does not fit.

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

#include "platform/sdl/heap_policy.h"

namespace orbelon::testing {
namespace {

#if defined(M_MMAP_THRESHOLD) && defined(__GLIBC__)

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer);
#else
constexpr bool kSanitized = false;
#endif

// Blocks that the allocator has mapped on their own.
size_t MappedBlocks() {
  return mallinfo2().hblks;
}

TEST(HeapPolicy, AWindowSizedBlockIsMappedOnItsOwnAfterALargerOneWasFreed) {
  if (kSanitized) {
    GTEST_SKIP() << "the sanitizer's allocator has thresholds of its own";
  }
  sdl::KeepLargeBlocksOffTheHeap();
  // Freed, a mapped block of 4 MiB would raise the allocator's threshold above the window-sized
  // block that follows, as the first sound file the game loads does.
  void* sound = std::malloc(4 << 20);
  ASSERT_NE(sound, nullptr);
  static_cast<volatile char*>(sound)[0] = 1;
  std::free(sound);

  const size_t before = MappedBlocks();
  void* picture = std::malloc(397 * 248 * 4);  // the start window's picture
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(MappedBlocks(), before + 1) << "the picture came out of the heap";
  std::free(picture);
  EXPECT_EQ(MappedBlocks(), before) << "the picture was not given back to the system";
}

// What a pass takes and frees at the heap's top stays there for the next pass, rather than going
// back to the system and coming again as fresh pages each time.
TEST(HeapPolicy, WhatIsFreedAtTheHeapsTopIsKeptForTheNextPass) {
  if (kSanitized) {
    GTEST_SKIP() << "the sanitizer's allocator has thresholds of its own";
  }
  mallopt(M_TRIM_THRESHOLD, 128 * 1024);  // glibc's own, before anything large was freed
  sdl::KeepLargeBlocksOffTheHeap();
  std::vector<void*> blocks;
  for (int i = 0; i < 8; ++i) {
    blocks.push_back(std::malloc(120 * 1024));  // each below the threshold for mapping
  }
  const size_t taken = mallinfo2().arena;
  for (auto it = blocks.rbegin(); it != blocks.rend(); ++it) {
    std::free(*it);
  }
  EXPECT_EQ(mallinfo2().arena, taken) << "the heap gave its top back";
}

#endif

}  // namespace
}  // namespace orbelon::testing
