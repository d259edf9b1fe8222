// The checkpoint clock counts turns of the wall-clock second, however often its timer ticks, in
// three colour bands. The shown score climbs 100 a pass toward its target, written with at least
// six digits.

#include "game/support/game_fixture.h"

namespace orbelon::gametest {
namespace {

constexpr uint32_t kRed = platform::RGB(255, 0, 0);
constexpr uint32_t kYellow = platform::RGB(255, 255, 0);
constexpr uint32_t kGreen = platform::RGB(0, 255, 0);

// The score climbs in the first two seconds, the clock is set and watched from the fifth.
TEST(ClockAndScore, ColourBandsTheStopAtZeroOneCountAfterAStallAndTheClimb) {
  const struct {
    int16_t from;
    const char* caption;
    uint32_t colour;
  } steps[] = {{17, ":16", kGreen}, {16, ":15", kYellow}, {7, ":6", kYellow},
               {6, ":5", kRed},     {1, ":0", kRed},      {0, ":0", kRed}};
  Game game;
  uint32_t second = 5000;
  for (const auto& step : steps) {
    // Half a second before the wall-clock second turns, as a checkpoint sets the clock.
    game.backend.At(second + 500, [&game, step] { game.Vorlet().TimeLeft = step.from; });
    game.backend.At(second + 1100, [&game, step] {
      engine::frmVorlet& w = game.Vorlet();
      EXPECT_TRUE(w.Label1.Caption() == step.caption && w.Label1.ForeColor() == step.colour &&
                  w.TimeLeft == std::max(step.from - 1, 0))
          << "from " << step.from << ": " << w.Label1.Caption() << " in " << w.Label1.ForeColor();
    });
    second += 1000;
  }
  // Two and a half seconds without event processing: the timer misses two turns of the second,
  // and its late tick counts one.
  game.backend.At(second + 500, [&game] {
    game.Vorlet().TimeLeft = 20;
    game.backend.SetClock(game.backend.Now() + 2500);
  });
  game.backend.At(second + 3100, [&game] { EXPECT_EQ(game.Vorlet().TimeLeft, 19); });
  game.StopAt(second + 3500);
  std::vector<int32_t> shown;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render > 5 && render <= 50) {
      shown.push_back(w.Score);
    }
    if (render == 5) {
      EXPECT_EQ(w.lblScore.Caption(), "000000") << "an equal target writes nothing";
      w.TempScore = 4000;  // a checkpoint reached with 30 seconds left
    } else if (render == 7) {
      EXPECT_EQ(w.lblScore.Caption(), "000200");
    } else if (render == 50) {
      // A target below the shown score changes nothing, not even the caption.
      w.Score = 5000;
      w.lblScore.SetCaption("as before");
    } else if (render == 53) {
      EXPECT_TRUE(w.Score == 5000 && w.lblScore.Caption() == "as before");
      w.Score = 999900;
      w.TempScore = 1000000;
    } else if (render == 55) {
      EXPECT_EQ(w.lblScore.Caption(), "1000000") << "past six digits the number is written whole";
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  ASSERT_GE(shown.size(), 45u);
  EXPECT_TRUE(shown[0] == 100 && shown[38] == 3900 && shown[39] == 4000 && shown[44] == 4000)
      << "an award of 4000 takes 40 passes";
}

}  // namespace
}  // namespace orbelon::gametest
