// A level won: the fly-away, the winner's box, and the next level or the end of the game.

#include <cstdint>
#include <string>

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "platform/checked.h"
#include "platform/error.h"
#include "platform/runtime/runtime.h"
#include "screens/frm_order.h"
#include "startup/program.h"
#include "startup/sound_bank.h"

namespace orbelon::engine {

namespace {

using startup::Sound;

constexpr int16_t kFlyAwaySteps = 100;
constexpr float kCameraBackPerStep = -100;
constexpr float kBoardSpin = 0.15f;
constexpr int16_t kMostLives = 4;
constexpr int16_t kLevelAfterTheLast = 3;
constexpr const char* kClosingText =
    "You have rolled through every level of Orbelon.  Thank you for playing!";

}  // namespace

// Until the winner's box nothing is handled here: a failing step of the fly-away ends the
// procedure where it stands, and Gravity goes on after its call.
void frmVorlet::EndLevel() {
  platform::Runtime& runtime = program.runtime;
  platform::Backend& backend = runtime.GetBackend();
  startup::SoundBank& bank = module1.bank;
  const Frame scene_frame = Tessor1.SceneFrame();

  Label1.SetVisible(false);
  Lives = platform::IntAdd(Lives, 1);
  if (Lives == kMostLives + 1) {
    Lives = kMostLives;
  }
  backend.ShowCursor(true);

  // The camera backs away from the ball while the board tumbles; the score counts on.
  for (int16_t step = 1; step <= kFlyAwaySteps; ++step) {
    MyCamera.SetPosition(MyCamera, 0, 0, kCameraBackPerStep);
    MyCamera.LookAt(fVorlet, scene_frame, scene::D3DRMCONSTRAIN_Z);
    fBase.SetRotation(scene_frame, 1, 0, 1, kBoardSpin);
    Tessor1.Render();
    CheckScore();
    runtime.DoEvents();
  }
  fBase.SetRotation(scene_frame, 0, 0, 0, 0);
  // An ant jump during the fly-away shows the clock again.
  Label1.SetVisible(false);

  bank.Stop(Sound::sTheme);
  bank.Stop(Sound::sLaser);
  bank.Play(Sound::sWin, 1);
  // From the winner's box on the level is over: a failure after it cannot be skipped, or play
  // would go on in a finished or half-built level, counting checkpoints below zero. It ends the
  // game naming what failed.
  try {
    // The box quotes the score as counted so far; the rest is settled below.
    runtime.MsgBox(std::to_string(Score) + " : Congratulations !!!", platform::vbOKOnly, "WINNER:");
    bank.Stop(Sound::sWin);
    bank.Stop(Sound::sLaser);
    bank.Play(Sound::sMsgb, 1);

    module1.CurrentLevel = platform::IntAdd(module1.CurrentLevel, 1);
    Score = TempScore;
    if (module1.CurrentLevel == 2) {
      Level2();
    }
    if (module1.CurrentLevel == kLevelAfterTheLast) {
      runtime.MsgBox(kClosingText, platform::vbOKOnly, "Order:");
      program.ClosingWindow().ShowModal();
      runtime.End(0);
    }
    CurrentPod = 0;
    backend.ShowCursor(false);
  } catch (const platform::PlatformError& error) {
    throw platform::FatalError(error.what());
  } catch (const platform::OverflowError& error) {
    throw platform::FatalError(error.what());
  }
}

}  // namespace orbelon::engine
