// Level 1: the board with its bridge and rim, and every shared asset of the game.

#include "engine/frm_vorlet.h"
#include "levels/level_data.h"
#include "levels/shared_assets.h"

namespace orbelon::engine {

void frmVorlet::Level1() {
  const levels::LevelData& level = levels::Level1Data();
  scene::Root& rm = Tessor1.D3DRM();
  Frame scene_frame = Tessor1.SceneFrame();

  Pods = level.pods;
  SpinRim = false;

  tSpace = levels::LoadTexture(*this, level.background_file);
  scene_frame.SetSceneBackgroundImage(tSpace);
  scene_frame.SetSceneBackgroundRGB(level.background_color.x, level.background_color.y,
                                    level.background_color.z);

  MyCamera = Tessor1.CameraFrame();

  levels::LoadSharedTextures(*this, level);

  fBase = rm.CreateFrame(scene_frame);
  fRim = rm.CreateFrame(fBase);
  fUFO = rm.CreateFrame(fBase);
  fSpare = rm.CreateFrame(fBase);
  tRay = levels::LoadTexture(*this, "\\ray.dab");
  fBeam = rm.CreateFrame(fBase);

  levels::SetDecals(*this, level);
  // The same file as tBase, but a texture of its own: only this one is ever shown.
  tVorlet = levels::LoadTexture(*this, "\\m.dab");

  // Every life starts from this orientation; nothing has turned the new root yet.
  fBase.GetOrientation(scene_frame, BaseDir, BaseUp);

  fVorlet = rm.CreateFrame(fBase);
  fRoll = rm.CreateFrame(fVorlet);
  fDisc = rm.CreateFrame(fBase);
  fTele1 = rm.CreateFrame(fBase);
  fTele2 = rm.CreateFrame(fBase);
  fAnt = rm.CreateFrame(fBase);
  fPill = rm.CreateFrame(fBase);
  fRage = rm.CreateFrame(fBase);
  fArrow = rm.CreateFrame(fBase);

  levels::PrepareMeshes(*this, level);
  fRim.AddVisual(mRim);
  fUFO.AddVisual(mUFO1);
  fUFO.AddVisual(mUFO2);
  fRoll.AddVisual(mVorlet);
  fDisc.AddVisual(mDisc);
  fTele1.AddVisual(mTele1);
  fTele1.AddVisual(mTeleBase1);
  fTele2.AddVisual(mTele2);
  fTele2.AddVisual(mTeleBase2);
  fPill.AddVisual(mPill);
  fArrow.AddVisual(mArrow);
  fUFO.SetPosition(fBase, level.ufo_position.x, StartY + level.ufo_position.y,
                   level.ufo_position.z);
  fTele1.SetPosition(fBase, level.teleporter1.x, level.teleporter1.y, level.teleporter1.z);
  fTele2.SetPosition(fBase, level.teleporter2.x, level.teleporter2.y, level.teleporter2.z);
  fRage.SetPosition(fBase, level.rage_position.x, level.rage_position.y, level.rage_position.z);
  // The beam, the ant marker and the rage frames spin from the start, shown or not.
  fBeam.SetRotation(fBase, 0, 1, 0, level.beam_spin);
  if (level.rage_spin) {
    fRage.SetRotation(fBase, 0, 1, 0, *level.rage_spin);
  }
  if (level.ant_spin) {
    fAnt.SetRotation(fBase, 0, 1, 0, *level.ant_spin);
  }
  levels::PrepareBoard(*this, level);
  fBase.AddVisual(mBase);
  if (level.bridge) {
    fBase.AddVisual(mBridge);
  }

  // fBase still stands unturned at the origin, so scene coordinates are the root's coordinates.
  fBase.SetPosition(scene_frame, 0, 0, 0);
  fRim.SetPosition(scene_frame, level.rim_frame_position->x, level.rim_frame_position->y,
                   level.rim_frame_position->z);
  fPill.SetPosition(fBase, level.pill_position.x, level.pill_position.y, level.pill_position.z);
  fVorlet.SetPosition(scene_frame, level.ball_first_position->x,
                      StartY + level.ball_first_position->y, level.ball_first_position->z);
  fDisc.SetPosition(scene_frame, level.disc_first_position->x, level.disc_first_position->y,
                    level.disc_first_position->z);

  Tessor1.Viewport().SetBack(10000);
  MyCamera.SetPosition(MyCamera, 0, 400, -215);
  MyCamera.LookAt(fBase, scene_frame, scene::D3DRMCONSTRAIN_Z);

  fDisc.SetRotation(fDisc, 0, 1, 0, level.disc_spin);
  levels::ApplyMaterial(*this, level, true);
  fTele1.SetRotation(fBase, 0, 1, 0, level.teleporter_spin);
  fPill.SetRotation(fBase, 0, 1, 0, level.pill_spin);
  fTele2.SetRotation(fBase, 0, 1, 0, level.teleporter_spin);

  for (size_t row = 0; row < level.checkpoints.size(); ++row) {
    PodPos[row] = level.checkpoints[row];
  }
}

}  // namespace orbelon::engine
