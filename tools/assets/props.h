#pragma once

// Everything that is not a board, in the files' units.

#include "assets/mesh.h"

namespace orbelon::assets {

Mesh Ball();
Mesh Disc();
Mesh Pill();
Mesh Rage();
Mesh Ant();
Mesh Arrow();
Mesh Particle();

Mesh TeleBody();
Mesh TeleBase();
Mesh UfoBody();
Mesh UfoShell();
Mesh Beam();

}  // namespace orbelon::assets
