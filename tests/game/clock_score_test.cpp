// The checkpoint clock counts turns of the wall-clock second, however often its timer ticks, in
// three colour bands, and the bird timer beside it sounds every 10 and 20 seconds in turn. The
// shown score climbs 100 a pass toward its target, written with at least six digits.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "game/support/game_fixture.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;

constexpr uint32_t kRed = platform::RGB(255, 0, 0);
constexpr uint32_t kYellow = platform::RGB(255, 255, 0);
constexpr uint32_t kGreen = platform::RGB(0, 255, 0);

TEST(Clock, AReadyBoxLeftOpenForAMinuteStillGivesAFullThirtySeconds) {
  Game game;
  game.backend.AnswerBoxes(13, 60000);
  bool counting_hidden = false;
  game.backend.At(30000, [&] {
    counting_hidden = !game.Vorlet().Label1.Visible() && game.Vorlet().TimeLeft < 31;
  });
  std::vector<std::string> faces;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render >= 2 && w.Label1.Caption() == ":30") {
      EXPECT_EQ(w.Label1.ForeColor(), kGreen);
    }
    if (render >= 2 && (faces.empty() || faces.back() != w.Label1.Caption())) {
      faces.push_back(w.Label1.Caption());
    }
  };
  game.StopAt(62500);
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_TRUE(counting_hidden) << "the clock counts, hidden, under the box";
  // The first pass may still show what the last tick under the box wrote.
  ASSERT_GE(faces.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(faces.end() - 3, faces.end()),
            (std::vector<std::string>{":30", ":29", ":28"}));
  std::vector<uint32_t> songs;
  for (const scripted::SoundCall& call : game.backend.sound_calls) {
    if (call.file == "bird.daw" && call.call == "play" && call.flags == 0) {
      songs.push_back(call.time);
    }
  }
  EXPECT_EQ(songs, (std::vector<uint32_t>{10000, 30000, 40000, 60000}))
      << "the bird sings from the load on, under the box too";
}

TEST(Clock, ColourBandsTheStopAtZeroAndOneCountAfterAStall) {
  struct Step {
    int16_t from;
    const char* caption;
    uint32_t colour;
  };
  const Step steps[] = {{17, ":16", kGreen}, {16, ":15", kYellow}, {7, ":6", kYellow},
                        {6, ":5", kRed},     {1, ":0", kRed},      {0, ":0", kRed}};
  Game game;
  uint32_t second = 5000;
  for (const Step& step : steps) {
    // Half a second before the wall-clock second turns, as a checkpoint sets the clock.
    game.backend.At(second + 500, [&game, step] { game.Vorlet().TimeLeft = step.from; });
    game.backend.At(second + 1100, [&game, step] {
      engine::frmVorlet& w = game.Vorlet();
      EXPECT_EQ(w.Label1.Caption(), step.caption) << "from " << step.from;
      EXPECT_EQ(w.Label1.ForeColor(), step.colour) << "from " << step.from;
      EXPECT_EQ(w.TimeLeft, std::max(step.from - 1, 0));
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
  ASSERT_TRUE(game.Play().stopped);
}

TEST(Score, ClimbsAHundredAPassToItsTargetAndNoFurther) {
  Game game;
  std::vector<int32_t> shown;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render == 5) {
      EXPECT_EQ(w.lblScore.Caption(), "000000") << "an equal target writes nothing";
      w.TempScore = 4000;  // a checkpoint reached with 30 seconds left
    }
    if (render > 5) {
      shown.push_back(w.Score);
    }
    if (render == 7) {
      EXPECT_EQ(w.lblScore.Caption(), "000200");
    }
    if (render == 50) {
      EXPECT_EQ(w.lblScore.Caption(), "004000");
      // A target below the shown score changes nothing, not even the caption.
      w.Score = 5000;
      w.lblScore.SetCaption("as before");
    }
    if (render == 53) {
      EXPECT_TRUE(w.Score == 5000 && w.lblScore.Caption() == "as before");
      w.Score = 999900;
      w.TempScore = 1000000;
    }
    if (render == 55) {
      EXPECT_EQ(w.lblScore.Caption(), "1000000") << "past six digits the number is written whole";
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  ASSERT_GE(shown.size(), 45u);
  EXPECT_EQ(shown[0], 100);
  EXPECT_EQ(shown[38], 3900);
  EXPECT_EQ(shown[39], 4000) << "an award of 4000 takes 40 passes";
  EXPECT_EQ(shown[44], 4000);
}

}  // namespace
}  // namespace orbelon
