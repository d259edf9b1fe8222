// The checkpoint clock counts wall-clock seconds, however often its timer ticks, in its three
// colour bands; and the bird timer beside it sounds every 10 and 20 seconds in turn.

#include <gtest/gtest.h>

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

struct ClockFace {
  std::string caption;
  uint32_t colour = 0;
  int16_t time_left = 0;
};

ClockFace FaceOf(engine::frmVorlet& w) {
  return {w.Label1.Caption(), w.Label1.ForeColor(), w.TimeLeft};
}

TEST(Clock, AReadyBoxLeftOpenForAMinuteStillGivesAFullThirtySeconds) {
  Game game;
  game.backend.AnswerBoxes(13, 60000);
  bool hidden_while_counting = false;
  game.backend.At(30000, [&] {
    engine::frmVorlet& w = game.Vorlet();
    hidden_while_counting = !w.Label1.Visible() && w.TimeLeft < 31;
  });
  std::vector<ClockFace> faces;
  game.backend.on_render = [&](int render) {
    if (render >= 2) {
      faces.push_back(FaceOf(game.Vorlet()));
    }
  };
  game.StopAt(63500);
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_TRUE(hidden_while_counting) << "the clock counts, hidden, while the box stands";
  ASSERT_FALSE(faces.empty());
  EXPECT_TRUE(game.Vorlet().Label1.Visible());
  // The first pass may still show what the last tick under the box wrote; from the first
  // counted tick on, the life has its full 30 seconds.
  size_t first = 0;
  while (first < faces.size() && faces[first].caption != ":30") {
    ++first;
  }
  ASSERT_LT(first, 2u) << "the first counted tick after the box shows :30";
  EXPECT_EQ(faces[first].colour, kGreen);
  EXPECT_EQ(faces.back().caption, ":27") << "three seconds of play later";
}

TEST(Clock, ColourBandsAndTheStopAtZero) {
  struct Step {
    int16_t from;
    const char* caption;
    uint32_t colour;
  };
  const Step steps[] = {{17, ":16", kGreen}, {16, ":15", kYellow}, {7, ":6", kYellow},
                        {6, ":5", kRed},     {1, ":0", kRed},      {0, ":0", kRed}};
  Game game;
  std::vector<ClockFace> seen;
  uint32_t second = 5000;
  for (const Step& step : steps) {
    // Half a second before the wall-clock second turns, as a checkpoint sets the clock.
    game.backend.At(second + 500, [&game, step] { game.Vorlet().TimeLeft = step.from; });
    game.backend.At(second + 1100, [&] { seen.push_back(FaceOf(game.Vorlet())); });
    second += 1000;
  }
  game.StopAt(second + 2000);
  ASSERT_TRUE(game.Play().stopped);
  ASSERT_EQ(seen.size(), std::size(steps));
  for (size_t i = 0; i < seen.size(); ++i) {
    SCOPED_TRACE(steps[i].from);
    EXPECT_EQ(seen[i].caption, steps[i].caption);
    EXPECT_EQ(seen[i].colour, steps[i].colour);
    EXPECT_EQ(seen[i].time_left, steps[i].from == 0 ? 0 : steps[i].from - 1);
  }
}

TEST(Clock, CountsOnceForEachTurnOfTheSecond) {
  Game game;
  game.backend.wall_second_at_zero = 17;
  std::vector<int16_t> time_left;
  int stalled_at = 0;
  int16_t before_stall = 0;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render >= 2) {
      time_left.push_back(w.TimeLeft);
    }
    if (render == 150) {
      // A pass that takes two and a half seconds: the timer misses two turns of the second.
      before_stall = w.TimeLeft;
      game.backend.SetClock(game.backend.Now() + 2500);
      stalled_at = render;
    }
    if (stalled_at != 0 && render == stalled_at + 1) {
      EXPECT_EQ(w.TimeLeft, before_stall - 1) << "a late tick counts one second only";
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  // About 4.5 seconds of passes: one count for each second turned, never two at once.
  int counts = 0;
  for (size_t i = 1; i + 1 < time_left.size(); ++i) {
    const int step = time_left[i - 1] - time_left[i];
    EXPECT_TRUE(step == 0 || step == 1) << "pass " << i + 1;
    counts += step;
  }
  // The first tick after the box takes 31 to 30; then the 149 passes of 30 ms cross four turns.
  EXPECT_EQ(time_left.front(), 31);
  EXPECT_EQ(counts, 5);
}

TEST(Clock, BirdSingsEveryTenThenTwentySecondsAlsoUnderABox) {
  Game game;
  game.backend.AnswerBoxes(13, 15000);
  game.StopAt(75000);
  ASSERT_TRUE(game.Play().stopped);
  std::vector<uint32_t> songs;
  for (const scripted::SoundCall& call : game.backend.sound_calls) {
    if (call.file == "bird.daw" && call.call == "play") {
      EXPECT_EQ(call.flags, 0) << "the bird sings once";
      songs.push_back(call.time);
    }
  }
  ASSERT_EQ(songs.size(), 5u);
  EXPECT_NEAR(songs[0], 10000, 30) << "first heard 10 s after the load";
  EXPECT_EQ(songs[1] - songs[0], 20000u);
  EXPECT_EQ(songs[2] - songs[1], 10000u);
  EXPECT_EQ(songs[3] - songs[2], 20000u);
  EXPECT_EQ(songs[4] - songs[3], 10000u);
  ASSERT_FALSE(game.backend.boxes.empty());
  EXPECT_LT(game.backend.boxes.front().time, songs[0])
      << "the first song comes while the first \"Ready:\" box is open";
}

}  // namespace
}  // namespace orbelon
