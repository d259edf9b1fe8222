// What lies under the ball: the pill, the two teleporters and the checkpoint disc each react once
// the ball is over them; nothing at all below means the ball has left the board and falls.

#include <string>

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "platform/checked.h"
#include "platform/error.h"
#include "platform/runtime/runtime.h"
#include "startup/program.h"
#include "startup/sound_bank.h"

namespace orbelon::engine {

namespace {

using platform::Skip;
using startup::Sound;

// Inside the ball (its radius is above 7), so the ball's own faces are met from behind and never
// picked: entry 0 is whatever lies below it.
constexpr float kRayStartAboveBall = 7;

// Targets relative to the level root, the same in every level; the height is StartY.
constexpr float kTele1TargetZ = 300;
constexpr float kTele2TargetZ = -500;

constexpr int32_t kFallSteps = 100;
constexpr float kFallStepLength = 25;
constexpr float kOldFallLength = 15;

constexpr int32_t kCheckpointPoints = 1000;
constexpr int16_t kPointsPerSecond = 100;

// Added to the target, so that whatever the count-up has not reached yet (a UFO's 10000, the last
// checkpoint) is kept. Any step that overflows leaves the target as it was.
int32_t CheckpointAward(const frmVorlet& play) {
  const int32_t base = platform::LongAdd(play.TempScore, kCheckpointPoints);
  const auto seconds = platform::CheckedNarrow<int16_t>(int64_t{kPointsPerSecond} * play.TimeLeft);
  return platform::LongAdd(base, seconds);
}

void TakePill(frmVorlet& play) {
  Skip([&] { play.module1.bank.Play(Sound::sPill, 0); });
  play.Pill = true;
  Skip([&] { play.fPill.DeleteVisual(play.mPill); });
  // The mesh goes for good; only a level builder makes a new pill.
  play.mPill = MeshBuilder();
  play.fPill = Frame();
}

// The teleporter's meshes stay referenced, so that a level builder can hang them up again.
void UseTeleporter(Frame& teleporter, const MeshBuilder& top, const MeshBuilder& base) {
  Skip([&] { teleporter.DeleteVisual(top); });
  Skip([&] { teleporter.DeleteVisual(base); });
  teleporter = Frame();
}

// The speeds are kept: the ball rolls on from the target as it came in.
void TeleportFromT1(frmVorlet& play) {
  Skip([&] { play.module1.bank.Play(Sound::sTele1, 0); });
  Skip([&] { play.CreateParticles(0, play.StartY, kTele1TargetZ); });
  Skip([&] { play.fVorlet.SetPosition(play.fBase, 0, play.StartY, kTele1TargetZ); });
  UseTeleporter(play.fTele1, play.mTele1, play.mTeleBase1);
}

void TeleportFromT2(frmVorlet& play) {
  Skip([&] { play.module1.bank.Play(Sound::sTele2, 0); });
  Skip([&] { play.CreateParticles(0, play.StartY, kTele2TargetZ); });
  UseTeleporter(play.fTele2, play.mTele2, play.mTeleBase2);
  Skip([&] { play.fVorlet.SetPosition(play.fBase, 0, play.StartY, kTele2TargetZ); });
}

void ReachCheckpoint(frmVorlet& play) {
  startup::SoundBank& bank = play.module1.bank;
  // Stopped first, so that checkpoints in quick succession each sound from the start.
  Skip([&] { bank.Stop(Sound::sChip); });
  Skip([&] { bank.Play(Sound::sChip, 0); });
  Skip([&] { play.CurrentPod = platform::IntAdd(play.CurrentPod, 1); });
  Skip([&] {
    const int16_t left = platform::IntAdd(platform::IntSub(play.Pods, play.CurrentPod), 1);
    play.Label9.SetCaption("Checkpoints Remaining: " + std::to_string(left));
  });
  if (play.CurrentPod > play.Pods) {
    Skip([&] { play.TempScore = CheckpointAward(play); });
    // A failure in the fly-away stops the level's end where it failed and play goes on; from the
    // winner's box on, EndLevel lets no failure through to be skipped here.
    Skip([&] { play.EndLevel(); });
    return;
  }
  Skip([&] {
    const Vector& pod = play.CurrentCheckpoint();
    play.fDisc.SetPosition(play.fBase, pod.x, pod.y, pod.z);
  });
  Skip([&] { play.TempScore = CheckpointAward(play); });
  play.TimeLeft = frmVorlet::kFullClock;
}

// The ball drops away from the board's plane along the root's -y axis: nothing ever turns the
// ball frame, so its own axes are the root's. Nothing here is handled: a failing step ends the
// program. An ant jump between steps clears CanFall and saves the life.
void RunFall(frmVorlet& play) {
  for (play.FallStep = 1; play.FallStep <= kFallSteps; ++play.FallStep) {
    play.Label1.SetVisible(false);
    play.xSpeed = 0;
    play.zSpeed = 0;
    play.Locked = true;
    play.module1.CenterMouse();
    play.fVorlet.SetPosition(play.fVorlet, 0, -kFallStepLength, 0);
    play.module1.bank.Play(Sound::sFall, 0);
    play.Tessor1.Render();
    play.MoveCam();
    play.program.runtime.DoEvents();
    if (!play.CanFall) {
      return;
    }
  }
  play.Reset();
}

}  // namespace

void frmVorlet::Gravity() {
  const Frame scene = Tessor1.SceneFrame();
  Vector P;
  fVorlet.GetPosition(scene, P);
  // Straight down in the scene, whatever the board's tilt.
  const scene::Ray ray{{0, -1, 0}, {P.x, P.y + kRayStartAboveBall, P.z}};
  std::string name;
  try {
    const scene::PickArray picks =
        fBase.RayPick(scene, ray, scene::D3DRMRAYPICK_IGNOREFURTHERPRIMITIVES);
    scene::PickDesc desc;
    name = picks.GetPickVisual(0, desc).GetName();
  } catch (const platform::PlatformError&) {
    // Nothing below the ball: it has left the board.
    RunFall(*this);
    return;
  }

  FloorName = name;
  if (name == "PILL") {
    TakePill(*this);
  }
  if (name == "T1") {
    TeleportFromT1(*this);
  }
  if (name == "T2") {
    TeleportFromT2(*this);
  }
  if (name == "Bonus") {
    ReachCheckpoint(*this);
  }
}

// An older, shorter drop that nothing calls any more.
void frmVorlet::Fall() {
  fVorlet.SetPosition(fVorlet, 0, -kOldFallLength, 0);
  module1.CenterMouse();
}

}  // namespace orbelon::engine
