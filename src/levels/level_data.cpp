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

// The second board is built on the first one's shared meshes; only the board, the rim, the disc
// and the pill are its own, and none of them take the grey material.
LevelData MakeLevel2() {
  LevelData level;
  level.board = MeshSetting::From("\\spiderb.dax")
                    .Scale(4)
                    .Texture("\\core2.dab", false)
                    .Wrap(kFlat, 0.0034f)
                    .Name("base");
  // Moved after its wrap, so the rim keeps the texture of its unmoved place. It has no name:
  // nothing that picks it reacts.
  level.rim = MeshSetting::From("\\spiderr.dax")
                  .Scale(4)
                  .Translate(0, -3, 0, true)
                  .Texture("\\rim.dab", false)
                  .Wrap(kFlat, 0.00819f);
  level.background_file = "\\space2.dab";
  level.background_color = {0, 0, 0};
  level.disc = MeshSetting::From("\\disk.dax")
                   .Texture("\\disc.dab", false)
                   .Wrap(kFlat, 0.004f)
                   .Name("Bonus");
  level.disc_spin = -0.25f;
  level.ufo_position = {700, 69, 0};
  level.pill = MeshSetting::From("\\pill.dax")
                   .Scale(0.08f)
                   .Texture("\\craq.dab", true)
                   .Wrap(kFlat, 0.01f)
                   .Name("PILL");
  level.pill_position = {0, 5, 300};
  level.pill_spin = 0.1f;
  level.teleporter1 = {-502, 30, 614};
  level.teleporter2 = {502, 30, 614};
  level.teleporter_spin = 0.35f;
  level.rage_position = {0, -10, 0};
  level.rage_growth = 1.07f;
  level.beam_spin = 0.6f;
  level.start = {0, 11, 0};
  // Row 12 is never reached: the last checkpoint is row 11.
  level.checkpoints = {
      {0, 0, 132},     {0, 0, -400},  {-300, 0, 400},  {348, 0, -426}, {300, 0, 400},
      {-348, 0, -426}, {536, 0, 406}, {-545, 0, -507}, {-536, 0, 406}, {545, 0, -507},
      {-510, 0, 550},  {510, 0, 550}, {0, 0, 0},
  };
  level.pods = 11;
  level.level_caption = "LEVEL: Demo2";
  level.checkpoints_caption = "Checkpoints Remaining: 12";
  level.music_file = "\\theme2.daw";
  return level;
}

MeshSetting Teleporter(const std::string& name) {
  return MeshSetting::From("\\tele.dax")
      .Scale(0.2f)
      .Color(1, 1, 0)
      .Wrap(kFlat, 0.00819f)
      .Name(name)
      .Material();
}

MeshSetting TeleporterBase(const std::string& name) {
  return MeshSetting::From("\\telebase.dax").Scale(0.08f).Translate(0, -25, 0).Name(name);
}

SharedMeshes MakeShared() {
  SharedMeshes meshes;
  meshes.arrow = MeshSetting::From("\\arrow.dax").Material();
  meshes.ball = MeshSetting::From("\\vorlet.dax").Name("vorlet");
  meshes.ufo_body = MeshSetting::From("\\ufo1.dax")
                        .Scale(0.15f)
                        .Translate(0, 2, 0)
                        .Color(0.4f, 0.4f, 1)
                        .Name("ufo");
  meshes.ufo_shell = MeshSetting::From("\\ufo2.dax").Scale(0.2f).Wrap(kSphere, 3).Name("ufo");
  meshes.tele1 = Teleporter("T1");
  meshes.tele_base1 = TeleporterBase("T1");
  meshes.tele2 = Teleporter("T2");
  meshes.tele_base2 = TeleporterBase("T2");
  meshes.rage = MeshSetting::From("\\rage.dax").Scale(3).Wrap(kFlat, 0.0034f);
  meshes.ant =
      MeshSetting::From("\\ant.dax").Scale(0.4f).Color(1, 1, 1).Wrap(kFlat, 0.00819f).Material();
  meshes.beam = MeshSetting::From("\\beam.dax")
                    .Scale(0.5f, 0.3f, 0.5f)
                    .Translate(0, -15, 0)
                    .Wrap(kFlat, 0.4f);
  meshes.particle = MeshSetting::From("\\particle.dax").Scale(0.01f).Color(1, 1, 0);
  return meshes;
}

}  // namespace

const SharedMeshes& Shared() {
  static const SharedMeshes meshes = MakeShared();
  return meshes;
}

const LevelData& Level1Data() {
  static const LevelData level = MakeLevel1();
  return level;
}

const LevelData& Level2Data() {
  static const LevelData level = MakeLevel2();
  return level;
}

}  // namespace orbelon::levels
