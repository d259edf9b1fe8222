// The checkpoint clock, the climbing score, the life icons and the bird sound.

#include <string>

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "engine/number_text.h"
#include "platform/checked.h"
#include "startup/program.h"
#include "startup/sound_bank.h"

namespace orbelon::engine {

namespace {

constexpr uint32_t kRed = platform::RGB(255, 0, 0);
constexpr uint32_t kYellow = platform::RGB(255, 255, 0);
constexpr uint32_t kGreen = platform::RGB(0, 255, 0);
constexpr int32_t kScoreStep = 100;
constexpr int kScoreDigits = 6;
constexpr uint32_t kBirdShort = 10000;
constexpr uint32_t kBirdLong = 20000;

}  // namespace

// The timer ticks far more often than once a second; the clock counts only when the wall-clock
// second has turned, so however long events went unprocessed it loses one second at a time.
void frmVorlet::Timer1_Timer() {
  if (program.runtime.Second() != LastSecond) {
    TimeLeft = platform::IntSub(TimeLeft, 1);
    Label1.SetForeColor(kRed);
    if (TimeLeft > 5) {
      Label1.SetForeColor(kYellow);
    }
    if (TimeLeft > 15) {
      Label1.SetForeColor(kGreen);
    }
    if (TimeLeft < 0) {
      TimeLeft = 0;
    }
    Label1.SetCaption(":" + std::to_string(TimeLeft));
  }
  LastSecond = platform::CheckedNarrow<int16_t>(program.runtime.Second());
}

void frmVorlet::Timer2_Timer() {
  module1.bank.Play(startup::Sound::sBird, 0);
  Timer2.SetInterval(Timer2.Interval() == kBirdLong ? kBirdShort : kBirdLong);
}

void frmVorlet::CheckScore() {
  if (TempScore > Score) {
    Score = platform::LongAdd(Score, kScoreStep);
    lblScore.SetCaption(ZeroPadded(Score, kScoreDigits));
    lblScore.Refresh();
  }
}

void frmVorlet::DrawLives() {
  Image1.SetVisible(false);
  Image2.SetVisible(false);
  Image3.SetVisible(false);
  if (Lives == 1) {
    Image1.SetVisible(true);
  }
  if (Lives == 2) {
    Image1.SetVisible(true);
    Image2.SetVisible(true);
  }
  if (Lives == 3) {
    Image1.SetVisible(true);
    Image2.SetVisible(true);
    Image3.SetVisible(true);
  }
}

// A diagnostic that nothing calls.
void frmVorlet::ShowStatus() {}

}  // namespace orbelon::engine
