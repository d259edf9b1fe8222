// The start of every life, the tilt limit and the end of the game.

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

using platform::Skip;
using startup::Sound;

constexpr float kUfoParkX = 700;
constexpr float kUfoParkAboveStart = 69;
// With the clock at 31 and the last second seen at 30, the first tick after the box counts to
// 30 in any second but 30: every life begins with a full 30 seconds, however long the box stood.
constexpr int16_t kSecondSeenBeforePlay = 30;

// The last life is gone. Every failing step is left out; the program ends in any case.
[[noreturn]] void GameOver(frmVorlet& play) {
  startup::SoundBank& bank = play.module1.bank;
  Skip([&] { play.Label1.SetVisible(false); });
  // The message sound goes on under the closing window until the program ends.
  Skip([&] { bank.Stop(Sound::sTheme); });
  Skip([&] { bank.Stop(Sound::sLaser); });
  Skip([&] { bank.Play(Sound::sMsgb, 1); });
  Skip([&] {
    play.program.runtime.MsgBox(std::to_string(play.Score) + " :  G A M E   O V E R ! !",
                                platform::vbOKOnly, "Sorry:");
  });
  play.TempScore = 0;
  play.Score = 0;
  Skip([&] { play.lblScore.SetCaption("000000"); });
  Skip([&] { play.Label1.SetVisible(false); });
  Skip([&] { play.program.ClosingWindow().ShowModal(); });
  play.program.runtime.End(0);
}

}  // namespace

void frmVorlet::Reset() {
  platform::Runtime& runtime = program.runtime;
  startup::SoundBank& bank = module1.bank;
  IsShot = false;
  runtime.GetBackend().ShowCursor(true);

  // From here on a failing step is left out and the next one runs: in play this matters for a
  // destroyed UFO, whose frame no longer exists.
  Skip([&] { fUFO.SetPosition(fBase, kUfoParkX, StartY + kUfoParkAboveStart, 0); });
  Skip([&] { Lives = platform::IntSub(Lives, 1); });
  Skip([&] { DrawLives(); });
  TimeLeft = kFullClock;
  Skip([&] { Timer1.SetEnabled(true); });
  Skip([&] { Label1.SetVisible(true); });
  if (Lives == 0) {
    GameOver(*this);
  }
  xSpeed = 0;
  zSpeed = 0;
  const Frame scene = Tessor1.SceneFrame();
  Skip([&] {
    fBase.SetOrientation(scene, BaseDir.x, BaseDir.y, BaseDir.z, BaseUp.x, BaseUp.y, BaseUp.z);
  });
  IsUpright = true;
  Skip([&] { fVorlet.SetPosition(scene, StartX, StartY, StartZ); });
  Locked = false;
  // The disc stays on the checkpoint that is due: a lost life keeps the checkpoints reached.
  Skip([&] {
    const Vector& pod = CurrentCheckpoint();
    fDisc.SetPosition(fBase, pod.x, pod.y, pod.z);
  });
  TimeLeft = kFullClock;
  Skip([&] { Show(); });
  Skip([&] { bank.Stop(Sound::sTheme); });
  Skip([&] { bank.Play(Sound::sMsgb, 1); });
  Skip([&] { bank.Stop(Sound::sWin); });
  Skip([&] { bank.Stop(Sound::sLaser); });
  Skip([&] { Label1.SetVisible(false); });
  Skip([&] { Label1.SetCaption(":30"); });
  Skip([&] { runtime.MsgBox("Good Luck!!", platform::vbOKOnly, "Ready:"); });
  LastSecond = kSecondSeenBeforePlay;
  Skip([&] { Label1.SetVisible(true); });
  xSpeed = 0;
  zSpeed = 0;
  Skip([&] { bank.Stop(Sound::sMsgb); });
  Skip([&] { bank.Stop(Sound::sWin); });
  Skip([&] { bank.Play(Sound::sTheme, 1); });
  Skip([&] { DrawLives(); });
  TimeLeft = kFullClock;
  Skip([&] { Label1.SetVisible(true); });
  Skip([&] { Timer1.SetEnabled(true); });
  Skip([&] { runtime.GetBackend().ShowCursor(false); });
  // The pointer's trip to the box's button is no tilt: the board starts the life at rest.
  Skip([&] { module1.CenterMouse(); });
  xSpeed = 0;
  zSpeed = 0;
}

void frmVorlet::UpsideDown() {
  Vector dir;
  Vector up;
  fBase.GetOrientation(Tessor1.SceneFrame(), dir, up);
  IsUpright = true;
  const char* word = "RightSideUp";
  // A board exactly on its side still counts as upright.
  if (up.y < 0) {
    word = "UpsideDown";
    IsUpright = false;
  }
  Text15.SetText(word);
  if (IsUpright) {
    return;
  }
  platform::Backend& backend = program.runtime.GetBackend();
  startup::SoundBank& bank = module1.bank;
  backend.ShowCursor(true);
  Label1.SetVisible(false);
  bank.Stop(Sound::sTheme);
  bank.Play(Sound::sMsgb, 1);
  program.runtime.MsgBox("TILT !!!", platform::vbCritical, "Sorry:");
  bank.Stop(Sound::sMsgb);
  bank.Play(Sound::sTheme, 1);
  backend.ShowCursor(false);
  Reset();
}

}  // namespace orbelon::engine
