// The shown score climbs 100 a pass toward its target, written with at least six digits.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/support/game_fixture.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;

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
