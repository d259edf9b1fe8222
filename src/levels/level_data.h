#pragma once

// What one level consists of: its own meshes, the frames they hang on and where those stand, the
// spins, the start point, the checkpoints, the captions and the music; and how the meshes that
// both levels share are prepared. This is the one description of the levels: the game builds
// them from it, and the generator of the data files shapes the meshes to it.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/scene/scene.h"

namespace orbelon::levels {

using scene::Vector;

struct WrapSetting {
  int type = scene::D3DRMWRAP_FLAT;
  float scale = 0;  // the same for u and v
};

// How one mesh is loaded and prepared. File names begin with a backslash and are appended to
// the program's folder.
struct MeshSetting {
  std::string file;
  std::optional<Vector> scale;
  std::optional<Vector> translation;  // in the mesh's units after the scaling
  // A translation made after the wrap leaves the texture where the unmoved mesh had it.
  bool translate_after_wrap = false;
  std::optional<Vector> color;
  std::string texture_file;  // empty: the mesh gets no texture
  bool decal = false;        // black texels of the texture are see-through
  std::optional<WrapSetting> wrap;
  std::optional<std::string> name;
  bool material = false;  // the shared grey material

  // Set-up in one expression, so that a table of settings reads like the design.
  static MeshSetting From(std::string mesh_file) {
    MeshSetting setting;
    setting.file = std::move(mesh_file);
    return setting;
  }
  MeshSetting& Scale(float s) { return Scale(s, s, s); }
  MeshSetting& Scale(float x, float y, float z) {
    scale = Vector{x, y, z};
    return *this;
  }
  MeshSetting& Translate(float x, float y, float z, bool after_wrap = false) {
    translation = Vector{x, y, z};
    translate_after_wrap = after_wrap;
    return *this;
  }
  MeshSetting& Color(float r, float g, float b) {
    color = Vector{r, g, b};
    return *this;
  }
  MeshSetting& Texture(std::string texture, bool see_through_black) {
    texture_file = std::move(texture);
    decal = see_through_black;
    return *this;
  }
  MeshSetting& Wrap(int type, float wrap_scale) {
    wrap = WrapSetting{type, wrap_scale};
    return *this;
  }
  MeshSetting& Name(std::string visual_name) {
    name = std::move(visual_name);
    return *this;
  }
  MeshSetting& Material() {
    material = true;
    return *this;
  }
};

// Every spin of a level turns about the y axis of its reference frame (the disc's own frame, the
// level root for the others), in radians per tick.
struct LevelData {
  MeshSetting board;
  std::optional<MeshSetting> bridge;
  MeshSetting rim;
  // The rim's own frame, placed relative to the scene frame; without one the rim hangs on the
  // level root itself.
  std::optional<Vector> rim_frame_position;

  std::string background_file;
  Vector background_color;

  MeshSetting disc;
  float disc_spin = 0;                        // about the disc frame's own y axis
  std::optional<Vector> disc_first_position;  // scene frame

  // The ball's first position, relative to the scene frame, with StartY added to its y.
  std::optional<Vector> ball_first_position;
  // The UFO's first position, relative to the level root, with StartY added to its y.
  Vector ufo_position;

  MeshSetting pill;
  Vector pill_position;  // relative to the level root
  float pill_spin = 0;

  Vector teleporter1;  // relative to the level root
  Vector teleporter2;
  float teleporter_spin = 0;

  Vector rage_position;  // relative to the level root
  std::optional<float> rage_spin;
  // The kept rage object grows by this much when the level is built on top of another.
  float rage_growth = 1;
  std::optional<float> ant_spin;
  float beam_spin = 0;

  Vector start;                     // StartX, StartY, StartZ, relative to the scene frame
  std::vector<Vector> checkpoints;  // PodPos from row 0
  int16_t pods = 0;                 // index of the last checkpoint

  std::string level_caption;
  std::string checkpoints_caption;
  std::string music_file;
};

// The meshes that Level1 prepares once for the whole game; level 2 hangs them on its own frames.
// A teleporter's pad and base share the teleporter's name, so either under the ball triggers it.
struct SharedMeshes {
  MeshSetting arrow;
  MeshSetting ball;  // its wrap is a sphere about its own mesh frame, made apart from these
  MeshSetting ufo_body;
  MeshSetting ufo_shell;
  MeshSetting tele1, tele_base1, tele2, tele_base2;
  MeshSetting rage;
  MeshSetting ant;
  MeshSetting beam;
  MeshSetting particle;
};

const LevelData& Level1Data();
const LevelData& Level2Data();
const SharedMeshes& Shared();

}  // namespace orbelon::levels
