// The looks of a mesh besides its colour: textures with decal transparency, and materials.

#include <algorithm>
#include <cmath>

#include "platform/error.h"
#include "platform/scene/scene.h"
#include "platform/scene/scene_objects.h"

namespace orbelon::scene {

void Texture::SetDecalTransparency(int on) {
  if (!data_)
    throw platform::PlatformError("SetDecalTransparency: the texture is Nothing");
  data_->decal_transparency = on != 0;
}

void Texture::SetDecalTransparentColor(uint32_t color) {
  if (!data_)
    throw platform::PlatformError("SetDecalTransparentColor: the texture is Nothing");
  data_->transparent_color = color;
}

void Material::SetSpecular(float r, float g, float b) {
  if (!data_)
    throw platform::PlatformError("SetSpecular: the material is Nothing");
  const auto unit = [](float c) { return std::isnan(c) ? 0.0f : std::clamp(c, 0.0f, 1.0f); };
  data_->specular = {unit(r), unit(g), unit(b)};
}

}  // namespace orbelon::scene
