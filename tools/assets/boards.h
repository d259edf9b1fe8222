#pragma once

// The boards the ball rolls on, their bridge and their rims, in the files' units.

#include "assets/mesh.h"

namespace orbelon::assets {

// Level 1: a central plate, pads for the two teleporters at its ends, and a wing on each side
// reached over a bridge.
Mesh Board1();
Mesh Bridge1();
Mesh Rim1();

// Level 2: a web of a hub, two rings and eight spokes.
Mesh Board2();
Mesh Rim2();

}  // namespace orbelon::assets
