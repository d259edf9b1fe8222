#pragma once

#include <array>

#include "platform/scene/scene.h"

namespace orbelon::levels {

// Where each of the five particle meshes lies from its frame's origin: whole units from 0 to 29
// on every axis. They come from a generator with a fixed start, so every run scatters a burst
// alike.
std::array<scene::Vector, 5> ParticleOffsets();

}  // namespace orbelon::levels
