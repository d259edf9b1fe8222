#include "levels/level_data.h"

namespace orbelon::levels {

namespace {

constexpr int kFlat = scene::D3DRMWRAP_FLAT;
constexpr int kSphere = scene::D3DRMWRAP_SPHERE;

LevelData MakeLevel1() {
  LevelData level;
  level.board = MeshSetting::From("\\base1.dax")
                    .Scale(3)
                    .Texture("\\core.dab", true)
                    .Wrap(kFlat, 0.0034f)
                    .Name("base")
                    .Material();
  // The bridge reports "base" like the board: to the floor picks it is board.
  level.bridge = MeshSetting::From("\\bridge.dax")
                     .Scale(1.12f, 1.15f, 1.12f)
                     .Translate(0, 0, 1)
                     .Texture("\\bridge.dab", false)
                     .Wrap(kFlat, 0.008f)
                     .Name("base");
  level.rim = MeshSetting::From("\\rim1.dax")
                  .Scale(3)
                  .Texture("\\rim.dab", false)
                  .Wrap(kFlat, 0.00819f)
                  .Name("RIM");
  level.rim_frame_position = Vector{0, -5, 0};
  level.background_file = "\\space.dab";
  level.background_color = {0, 0, 0};
  level.disc = MeshSetting::From("\\disk.dax")
                   .Scale(1, 2, 1)
                   .Texture("\\disc.dab", true)
                   .Wrap(kFlat, 0.004f)
                   .Name("Bonus")
                   .Material();
  level.disc_spin = 0.25f;
  level.disc_first_position = Vector{-250, -3, 0};
  level.ball_first_position = Vector{360, 0, 0};
  level.ufo_position = {0, 69, 0};
  level.pill = MeshSetting::From("\\pill.dax")
                   .Scale(0.08f)
                   .Texture("\\craq.dab", true)
                   .Wrap(kSphere, 1)
                   .Name("PILL");
  level.pill_position = {0, 5, 0};
  level.pill_spin = 0.1f;
  level.teleporter1 = {0, 30, -700};
  level.teleporter2 = {0, 30, 700};
  level.teleporter_spin = 0.35f;
  level.rage_position = {0, -10, 0};
  level.rage_spin = 0.2f;
  level.ant_spin = 0.03f;
  level.beam_spin = 0.6f;
  level.start = {0, 15, 300};
  level.checkpoints = {
      {0, 0, 400},     {0, 0, -400},    {-300, 0, 400}, {300, 0, -400}, {300, 0, 400},
      {-300, 0, -400}, {0, 0, 220},     {0, 0, -220},   {-710, 0, 150}, {710, 0, -150},
      {710, 0, 150},   {-710, 0, -150}, {0, 0, 0},
  };
  level.pods = 12;
  level.level_caption = "LEVEL: Demo1";
  level.checkpoints_caption = "Checkpoints Remaining: 13";
  level.music_file = "\\theme.daw";
  return level;
}

}  // namespace

const LevelData& Level1Data() {
  static const LevelData level = MakeLevel1();
  return level;
}

}  // namespace orbelon::levels
