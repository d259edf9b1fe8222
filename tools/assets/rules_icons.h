#pragma once

// The small pictures of the game beside each rule.

#include <glm/glm.hpp>

#include "assets/image.h"

namespace orbelon::assets {

enum class RulesIcon { kMouse, kCheckpoint, kBeacon, kRage, kTeleporter };

// Draws the icon in a box of about 48 x 44 around `centre`.
void DrawRulesIcon(Image& image, RulesIcon icon, glm::vec2 centre);

}  // namespace orbelon::assets
