// The shown score climbs 100 a pass toward its target and is written with at least six digits.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/number_text.h"
#include "game/support/game_fixture.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;

TEST(Score, ClimbsAHundredAPassToItsTargetAndStops) {
  Game game;
  std::vector<int32_t> shown;
  std::vector<std::string> captions;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render == 5) {
      EXPECT_EQ(w.lblScore.Caption(), "000000") << "an equal target writes nothing";
      w.TempScore = 4000;  // an award of 4000, as a checkpoint gives with 30 seconds left
    }
    if (render > 5) {
      shown.push_back(w.Score);
      captions.push_back(w.lblScore.Caption());
    }
    if (render == 50) {
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  ASSERT_EQ(shown.size(), 45u);
  EXPECT_EQ(shown[0], 100);
  EXPECT_EQ(captions[0], "000100");
  EXPECT_EQ(shown[38], 3900);
  EXPECT_EQ(shown[39], 4000) << "an award of 4000 takes 40 passes";
  EXPECT_EQ(captions[39], "004000");
  EXPECT_EQ(shown.back(), 4000) << "and the score stops at its target";
}

TEST(Score, ATargetAtOrBelowTheShownScoreLeavesTheCaptionAlone) {
  Game game;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render == 3) {
      w.Score = 2500;
      w.TempScore = 1200;
      w.lblScore.SetCaption("as before");
    }
    if (render == 10) {
      EXPECT_EQ(w.Score, 2500);
      EXPECT_EQ(w.lblScore.Caption(), "as before");
      // Past six digits the number is written whole.
      w.Score = 999900;
      w.TempScore = 1000000;
    }
    if (render == 12) {
      EXPECT_EQ(w.Score, 1000000);
      EXPECT_EQ(w.lblScore.Caption(), "1000000");
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_EQ(engine::ZeroPadded(-100, 6), "-000100");
}

}  // namespace
}  // namespace orbelon
