// The UFO: its chase over the board, its beam, the shot-down sequence when it catches the ball,
// and the removal of a UFO that an ant jump has destroyed.

#include <cmath>

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "platform/error.h"
#include "platform/runtime/runtime.h"
#include "startup/program.h"
#include "startup/sound_bank.h"

namespace orbelon::engine {

namespace {

using platform::Skip;
using startup::Sound;

constexpr float kStepForward = 1.2f;
constexpr float kUfoAboveStart = 69;
// The beam hangs 20 below the UFO, far enough above the board that no floor pick meets it.
constexpr float kBeamAboveStart = 49;
constexpr float kBeamRange = 150;
constexpr float kCatchRange = 50;
constexpr float kParkX = 700;
constexpr int kShotDownSteps = 100;
constexpr float kDropPerStep = 25;

}  // namespace

void frmVorlet::MoveUFO() {
  // A destroyed UFO tumbles where it was hit until Timer4 takes it away.
  if (Timer4.Enabled()) {
    return;
  }
  fUFO.LookAt(fVorlet, fBase, scene::D3DRMCONSTRAIN_Z);
  fUFO.SetPosition(fUFO, 0, 0, kStepForward);
  Vector U;
  fUFO.GetPosition(fBase, U);
  // The step sloped down toward the ball; putting the height back keeps only its run along the
  // board.
  fUFO.SetPosition(fBase, U.x, StartY + kUfoAboveStart, U.z);
  fBeam.SetPosition(fBase, U.x, StartY + kBeamAboveStart, U.z);
  fUFO.GetPosition(fBase, U);
  Vector B;
  fVorlet.GetPosition(fBase, B);
  // Each axis on its own: the zones are squares on the board, and height never counts.
  const float dx = std::abs(U.x - B.x);
  const float dz = std::abs(U.z - B.z);

  startup::SoundBank& bank = module1.bank;
  if (dx < kBeamRange && dz < kBeamRange) {
    if (!BeamOn) {
      Skip([&] { fBeam.AddVisual(mBeam); });
      Skip([&] { bank.Play(Sound::sLaser, 1); });
    }
    BeamOn = true;
  } else {
    Skip([&] { bank.Stop(Sound::sLaser); });
    Skip([&] { fBeam.DeleteVisual(mBeam); });
    BeamOn = false;
  }

  if (dx < kCatchRange && dz < kCatchRange) {
    // A failure cuts the sequence short; the UFO still goes back to its post.
    Skip([&] { ShotDown(); });
    Skip([&] { fUFO.SetPosition(fBase, kParkX, StartY + kUfoAboveStart, 0); });
    Skip([&] { fBeam.SetPosition(fBase, kParkX, StartY + kBeamAboveStart, 0); });
  }
}

// The fall of the ball, with the buttons shut out so that no ant jump can save it.
void frmVorlet::ShotDown() {
  IsShot = true;
  startup::SoundBank& bank = module1.bank;
  for (int step = 1; step <= kShotDownSteps; ++step) {
    module1.CenterMouse();
    Label1.SetVisible(false);
    xSpeed = 0;
    zSpeed = 0;
    Locked = true;
    fVorlet.SetPosition(fVorlet, 0, -kDropPerStep, 0);
    bank.Play(Sound::sFall, 0);
    Tessor1.Render();
    MoveCam();
    program.runtime.DoEvents();
    if (!CanFall) {
      return;
    }
  }
  Reset();
}

void frmVorlet::Timer4_Timer() {
  startup::SoundBank& bank = module1.bank;
  Skip([&] { fUFO.DeleteVisual(mUFO1); });
  Skip([&] { fUFO.DeleteVisual(mUFO2); });
  Skip([&] { fBeam.DeleteVisual(mBeam); });
  fUFO = Frame();
  fBeam = Frame();
  Skip([&] { bank.Stop(Sound::sLaser); });
  UFOActive = false;
  Skip([&] { Timer4.SetEnabled(false); });
}

}  // namespace orbelon::engine
