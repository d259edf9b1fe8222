// The life icons: three under the first "Ready:" box, one per life left, none for any other count.

#include <gtest/gtest.h>

#include <array>

#include "game/support/game_fixture.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;

std::array<bool, 3> Icons(engine::frmVorlet& w) {
  return {w.Image1.Visible(), w.Image2.Visible(), w.Image3.Visible()};
}

TEST(Lives, ANewGameShowsThreeIconsUnderTheReadyBox) {
  Game game;
  bool checked = false;
  game.backend.on_box = [&](const scripted::BoxRecord& box) {
    engine::frmVorlet& w = game.Vorlet();
    EXPECT_EQ(box.title, "Ready:");
    EXPECT_EQ(box.prompt, "Good Luck!!");
    EXPECT_EQ(box.style, 0);
    EXPECT_EQ(w.Lives, 3);
    EXPECT_EQ(Icons(w), (std::array<bool, 3>{true, true, true}));
    EXPECT_TRUE(w.IsVisible()) << "the box stands over the play window";
    EXPECT_EQ(box.show_count, 0) << "the pointer is shown for the box";
    checked = true;
    game.backend.After(100, [&] { game.backend.AnswerOpenBox(); });
  };
  game.StopAt(1000);
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_TRUE(checked);
  EXPECT_EQ(Icons(game.Vorlet()), (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(game.backend.show_count, -1) << "hidden again in play";
}

TEST(Lives, OneIconPerLifeAndNoneForAnyOtherCount) {
  Game game;
  game.backend.on_render = [&](int render) {
    if (render != 3) {
      return;
    }
    engine::frmVorlet& w = game.Vorlet();
    const std::array<std::array<bool, 3>, 6> expected = {{{false, false, false},
                                                          {true, false, false},
                                                          {true, true, false},
                                                          {true, true, true},
                                                          {false, false, false},
                                                          {false, false, false}}};
    for (int16_t lives = 0; lives <= 5; ++lives) {
      w.Lives = lives;
      w.DrawLives();
      EXPECT_EQ(Icons(w), expected[static_cast<size_t>(lives)]) << lives << " lives";
    }
    throw StopGame{};
  };
  ASSERT_TRUE(game.Play().stopped);
}

}  // namespace
}  // namespace orbelon
