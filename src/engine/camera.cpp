// The camera rides at a fixed offset from the ball in the scene's axes, so tilting the board
// never turns the view; the arrow holds one spot in front of it and points at the disc.

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"

namespace orbelon::engine {

namespace {

constexpr float kCameraHeight = 500;
constexpr float kCameraBehind = 500;
constexpr Vector kArrowInView{8, -7, 20};
constexpr float kArrowRed = 0.2f;
constexpr float kArrowGreen = 0.0f;

}  // namespace

void frmVorlet::MoveCam() {
  const Frame scene = Tessor1.SceneFrame();
  Vector B;
  fVorlet.GetPosition(scene, B);
  MyCamera.SetPosition(scene, B.x, B.y + kCameraHeight, B.z - kCameraBehind);
  MyCamera.LookAt(fVorlet, scene, scene::D3DRMCONSTRAIN_Z);
  fArrow.SetPosition(MyCamera, kArrowInView.x, kArrowInView.y, kArrowInView.z);
  fArrow.LookAt(fDisc, scene, scene::D3DRMCONSTRAIN_Z);
}

// The pulse runs in single precision on purpose: the 20th step of 0.05 lands a hair above 1,
// so each half of the cycle takes 20 passes, not 21.
void frmVorlet::ChangeArrow() {
  float& glow = module1.ArrowGlow;
  glow = glow + ColDir;
  module1.GlowSpare = module1.GlowSpare + ColDir;
  if (glow > 1.0f) {
    ColDir = -ColDir;
  }
  if (glow < 0.0f) {
    ColDir = -ColDir;
  }
  mArrow.SetColorRGB(kArrowRed, kArrowGreen, glow);
}

}  // namespace orbelon::engine
