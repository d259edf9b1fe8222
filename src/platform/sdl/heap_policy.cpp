#include "platform/sdl/heap_policy.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace orbelon::sdl {

// glibc raises its threshold for mapping a block to the size of the largest mapped block freed so
// far, up to 32 MiB: after the first sound file the game loads, every window's picture, texture
// and back buffer comes out of the heap. Windows open and close many times, each time taking
// blocks of a few hundred KiB between the small ones that stay; on a busy machine the order of
// those turns out such that no hole fits the next picture, and the heap grows by a window's worth
// each time. A fixed threshold also stops the raise, and a block that was never in the heap
// cannot leave a hole in it.
void KeepLargeBlocksOffTheHeap() {
#if defined(M_MMAP_THRESHOLD)
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

}  // namespace orbelon::sdl
