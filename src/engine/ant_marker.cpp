// The two buttons on the canvas: the left one puts out the ant marker and then jumps the ball to
// it, the right one spends a held pill on the rage. Also the marker's rise and the rage's end.

#include <cmath>

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "platform/checked.h"
#include "platform/error.h"
#include "startup/sound_bank.h"

namespace orbelon::engine {

namespace {

using platform::Skip;
using startup::Sound;

constexpr int16_t kLeftButton = 1;
constexpr int16_t kRightButton = 2;
// Put out below the board, the marker climbs out of it and stops a little above the ball.
constexpr float kMarkerStart = -20;
constexpr float kMarkerTop = 33;
constexpr double kMarkerRise = 0.5;
constexpr float kUfoHitRange = 20;
constexpr int32_t kUfoAward = 10000;
constexpr float kTumble = 1.0f;
constexpr float kRageStart = 0.002f;

void PutOutMarker(frmVorlet& w) {
  if (w.Locked) {
    return;
  }
  // Only over the bare board: never on the rim, a disc, a teleporter or the pill.
  if (w.FloorName != "base") {
    return;
  }
  Skip([&] { w.fAnt.AddVisual(w.mAnt); });
  Vector P;
  Skip([&] { w.fVorlet.GetPosition(w.fBase, P); });
  Skip([&] { w.fAnt.SetPosition(w.fBase, P.x, kMarkerStart, P.z); });
  Skip([&] { w.module1.bank.Play(Sound::sPill, 0); });
  w.Ant = false;
}

// A destroyed UFO still stands until Timer4 removes it, so a second jump beside it pays again.
void HitUfo(frmVorlet& w, const Vector& Q) {
  if (!w.fUFO) {
    return;
  }
  Vector U;
  bool found = false;
  Skip([&] {
    w.fUFO.GetPosition(w.fBase, U);
    found = true;
  });
  if (!found || std::abs(Q.x - U.x) >= kUfoHitRange || std::abs(Q.z - U.z) >= kUfoHitRange) {
    return;
  }
  Skip([&] { w.TempScore = platform::LongAdd(w.TempScore, kUfoAward); });
  Skip([&] { w.fUFO.SetRotation(w.fBase, 1, 1, 1, kTumble); });
  Skip([&] { w.Timer4.SetEnabled(true); });
}

// Works at any moment, a fall included: clearing CanFall ends the fall at its current step.
void JumpToMarker(frmVorlet& w) {
  w.CanFall = false;
  w.Locked = false;
  Skip([&] { w.module1.bank.Play(Sound::sTele3, 0); });
  Vector Q;
  Skip([&] { w.fAnt.GetPosition(w.fBase, Q); });
  Skip([&] { w.fVorlet.SetPosition(w.fBase, Q.x, w.StartY, Q.z); });
  Skip([&] { w.CreateParticles(Q.x, w.StartY, Q.z); });
  Skip([&] {
    if (!w.Label1.Visible()) {
      w.Label1.SetVisible(true);
    }
  });
  Skip([&] { w.fAnt.DeleteVisual(w.mAnt); });
  w.Ant = true;
  w.xSpeed = 0;
  w.zSpeed = 0;
  HitUfo(w, Q);
}

void StartRage(frmVorlet& w) {
  w.RageSpin = kRageStart;
  Skip([&] { w.Timer3.SetEnabled(true); });
  Skip([&] { w.fRage.AddVisual(w.mRage); });
  Skip([&] { w.module1.bank.Play(Sound::sRage, 0); });
  w.Pill = false;
}

}  // namespace

void frmVorlet::Tessor1_MouseButton(int16_t Button) {
  // The shot-down sequence must run to its end.
  if (IsShot) {
    return;
  }
  if (Button == kLeftButton) {
    if (Ant) {
      PutOutMarker(*this);
    } else {
      JumpToMarker(*this);
    }
  } else if (Button == kRightButton && Pill) {
    StartRage(*this);
  }
}

void frmVorlet::AdjustAnt() {
  Vector A;
  fAnt.GetPosition(fBase, A);
  if (A.y < kMarkerTop) {
    fAnt.SetPosition(fBase, A.x, static_cast<float>(static_cast<double>(A.y) + kMarkerRise), A.z);
  }
}

void frmVorlet::Timer3_Timer() {
  Skip([&] { fRage.DeleteVisual(mRage); });
  // No new rage frame until the next level: with one pill a level none is needed.
  fRage = Frame();
  Skip([&] { Timer3.SetEnabled(false); });
}

}  // namespace orbelon::engine
