#pragma once

// The textures (".dab"). All of them tile, since the game's wraps repeat them; on the ones the
// game shows with decal transparency, exactly black texels are holes.

#include "assets/image.h"

namespace orbelon::assets {

// The scene's backgrounds, stretched over the view.
Image SpaceTexture();
Image Space2Texture();

// Floors and rims.
Image CoreTexture();
Image Core2Texture();
Image BridgeTexture();
Image RimTexture();
Image GrassTexture();

// Props.
Image MarbleTexture();
Image UfoTexture();
Image TransporterTexture();
Image CrackleTexture();
Image DiscTexture();
Image AntTexture();
Image RageTexture();
Image PillTexture();
Image RayTexture();

}  // namespace orbelon::assets
