#pragma once

namespace orbelon::sdl {

// Has every block of 128 KiB and more (window pictures and textures, sound and mesh files)
// mapped on its own and given back to the system when freed, and up to 2 MiB kept free at the
// heap's top for the smaller ones, for the whole run. Call it first thing, before anything large
// is made.
void KeepLargeBlocksOffTheHeap();

}  // namespace orbelon::sdl
