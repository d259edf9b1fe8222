#include "platform/sdl/heap_policy.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace orbelon::sdl {

// glibc raises its threshold for mapping a block to the largest mapped block freed so far: the
// game's first sound file takes it to 692 KiB, the play window's picture to 880 KiB, and from
// then on every window's picture and texture comes out of the heap. The rules window's two are
// nearly the same size (636,936 and 640,000 bytes). When timing puts the picture into the hole
// the texture left, the texture no longer fits the smaller hole and goes to the heap's top; the
// next window finds the holes swapped again, and the heap creeps up a window's worth at a time.
// Mapped on their own, they leave no holes.
//
// Fixing the threshold also fixes the free space kept at the heap's top, which the raises would
// have doubled with it: at the default 128 KiB every pass would hand back and take again what the
// renderer uses for that pass, a call to the system and fresh pages each time.
void KeepLargeBlocksOffTheHeap() {
#if defined(M_MMAP_THRESHOLD) && defined(M_TRIM_THRESHOLD)
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  mallopt(M_TRIM_THRESHOLD, 2 * 1024 * 1024);
#endif
}

}  // namespace orbelon::sdl
