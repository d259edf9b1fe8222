// Level 2: the teardown of level 1 and the second board, built on the meshes that Level1
// prepared for the whole game.

#include <stdexcept>
#include <string>
#include <utility>

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "levels/level_data.h"
#include "levels/shared_assets.h"
#include "platform/error.h"
#include "startup/sound_bank.h"

namespace orbelon::engine {

namespace {

using platform::Skip;

void Place(Frame& frame, const Frame& ref, const Vector& at) {
  frame.SetPosition(ref, at.x, at.y, at.z);
}

void SpinAboutY(Frame& frame, const Frame& ref, float rate) {
  frame.SetRotation(ref, 0, 1, 0, rate);
}

}  // namespace

// Level 1's objects leave play, but no frame leaves the scene: the old root stays with its
// emptied children and with fArrow, which is how the arrow lives on in level 2. The picks start
// from the new root, so nothing under the old one is met again.
void frmVorlet::DestroyAll() {
  // Level 1 may already have given up any of these (a used teleporter, a taken pill, a removed
  // UFO, an ended rage or burst): every step that fails is left out.
  const auto take_off = [](Frame& frame, const MeshBuilder& mesh) {
    Skip([&] { frame.DeleteVisual(mesh); });
  };
  for (const MeshBuilder* particle :
       {&mParticle1, &mParticle2, &mParticle3, &mParticle4, &mParticle5}) {
    take_off(fParticles, *particle);
  }
  take_off(fBase, mBridge);
  take_off(fRage, mRage);
  take_off(fBase, mBase);
  take_off(fRim, mRim);
  take_off(fDisc, mDisc);
  take_off(fUFO, mUFO1);
  take_off(fUFO, mUFO2);
  take_off(fBeam, mBeam);
  take_off(fAnt, mAnt);
  take_off(fTele1, mTele1);
  take_off(fTele1, mTeleBase1);
  take_off(fTele2, mTele2);
  take_off(fTele2, mTeleBase2);
  take_off(fPill, mPill);
  take_off(fRoll, mVorlet);

  mBase = MeshBuilder();
  mRim = MeshBuilder();
  fBase = Frame();
  fRim = Frame();
  fVorlet = Frame();
  mPill = MeshBuilder();
  mDisc = MeshBuilder();
  fBeam = Frame();
  fTele1 = Frame();
  fTele2 = Frame();
  fUFO = Frame();
  fSpare = Frame();
  fDisc = Frame();
  fPill = Frame();
  fRage = Frame();
  fAnt = Frame();
}

// A failing step ends the level's building where it stands. Level 1 has been won by then, so
// EndLevel ends the game naming what failed, as a file of level 1 that cannot be read does at
// the start; nothing plays on in a finished or half-built level.
void frmVorlet::Level2() {
  const levels::LevelData& level = levels::Level2Data();

  // A destroyed UFO waiting for its removal is back in the new level, alive.
  Timer4.SetEnabled(false);
  UFOActive = true;
  module1.bank.Load(startup::Sound::sTheme, module1.AppPath + level.music_file);
  CurrentPod = 0;
  Timer3.SetEnabled(false);
  // A marker out or a pill held does not come along.
  Ant = true;
  Pill = false;
  Pods = level.pods;

  DestroyAll();
  BuildLevel2(level);

  // The first life of the new level; it takes back the life that winning level 1 gave.
  Reset();
}

void frmVorlet::BuildLevel2(const levels::LevelData& level) {
  scene::Root& rm = Tessor1.D3DRM();
  Frame scene_frame = Tessor1.SceneFrame();
  fBase = rm.CreateFrame(scene_frame);
  fUFO = rm.CreateFrame(fBase);
  fSpare = rm.CreateFrame(fBase);
  fDisc = rm.CreateFrame(fBase);
  fRage = rm.CreateFrame(fBase);
  fAnt = rm.CreateFrame(fBase);
  fTele1 = rm.CreateFrame(fBase);
  fTele2 = rm.CreateFrame(fBase);
  fUFO.AddVisual(mUFO1);
  fUFO.AddVisual(mUFO2);
  fVorlet = rm.CreateFrame(fBase);
  fRoll = rm.CreateFrame(fVorlet);
  fPill = rm.CreateFrame(fBase);
  fBeam = rm.CreateFrame(fBase);
  // StartY is still level 1's here; Reset places the UFO again at the new height.
  Place(fUFO, fBase, {level.ufo_position.x, StartY + level.ufo_position.y, level.ufo_position.z});
  SpinAboutY(fBeam, fBase, level.beam_spin);

  mDisc = rm.CreateMeshBuilder();
  mBase = rm.CreateMeshBuilder();
  mRim = rm.CreateMeshBuilder();
  mPill = rm.CreateMeshBuilder();
  tDisc = levels::LoadTexture(*this, level.disc.texture_file);
  // Loaded as level 1 loads it, and put on nothing.
  tPill = levels::LoadTexture(*this, "\\pill.dab");
  fRoll.AddVisual(mVorlet);
  for (auto [mesh, setting] : {std::pair{&mPill, &level.pill},
                               {&mBase, &level.board},
                               {&mDisc, &level.disc},
                               {&mRim, &level.rim}}) {
    mesh->LoadFromFile(levels::DataFile(*this, setting->file));
  }
  tSpace = levels::LoadTexture(*this, level.background_file);
  scene_frame.SetSceneBackgroundImage(tSpace);
  scene_frame.SetSceneBackgroundRGB(level.background_color.x, level.background_color.y,
                                    level.background_color.z);
  tBase2 = levels::LoadTexture(*this, level.board.texture_file);
  if (level.board.decal) {
    levels::SetDecal(tBase2);
  }
  if (level.disc.decal) {
    levels::SetDecal(tDisc);
  }

  // The board and the disc have textures of their own; the rim and the pill wear level 1's.
  levels::PrepareMesh(*this, mBase, level.board, tBase2);
  levels::PrepareMesh(*this, mRim, level.rim, levels::KeptTexture(*this, level.rim.texture_file));
  levels::PrepareMesh(*this, mDisc, level.disc, tDisc);
  levels::PrepareMesh(*this, mPill, level.pill,
                      levels::KeptTexture(*this, level.pill.texture_file));
  levels::ApplyMaterial(*this, level, false);
  mRage.ScaleMesh(level.rage_growth);
  // The kept meshes keep level 1's names ("ufo", "T1", "T2"); the ball's is given again.
  mVorlet.SetName(*levels::Shared().ball.name);

  fBase.AddVisual(mBase);
  fBase.AddVisual(mRim);
  fDisc.AddVisual(mDisc);
  fTele1.AddVisual(mTele1);
  fTele2.AddVisual(mTele2);
  fTele1.AddVisual(mTeleBase1);
  fTele2.AddVisual(mTeleBase2);
  fPill.AddVisual(mPill);

  SpinAboutY(fDisc, fDisc, level.disc_spin);
  Place(fPill, fBase, level.pill_position);
  SpinAboutY(fPill, fBase, level.pill_spin);
  Place(fRage, fBase, level.rage_position);
  Place(fTele1, fBase, level.teleporter1);
  Place(fTele2, fBase, level.teleporter2);
  SpinAboutY(fTele1, fBase, level.teleporter_spin);
  SpinAboutY(fTele2, fBase, level.teleporter_spin);

  StartX = level.start.x;
  StartY = level.start.y;
  StartZ = level.start.z;
  Label8.SetCaption(level.level_caption);
  Label9.SetCaption(level.checkpoints_caption);
  for (size_t row = 0; row < level.checkpoints.size(); ++row) {
    PodPos[row] = level.checkpoints[row];
  }
}

}  // namespace orbelon::engine
