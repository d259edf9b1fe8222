// The start window: the keys on a fresh window, "Instructions" before "Begin", and a start
// window that never comes back once play has begun.

#include "game/support/game_fixture.h"
#include "startup/frm_rules.h"

namespace orbelon::gametest {
namespace {

TEST(StartWindow, EnterOrSpaceOnAFreshWindowBeginsTheGame) {
  for (int key : {kEnter, kSpace}) {
    SCOPED_TRACE(key);
    Game game(StartOptions("nosound"));
    startup::frmStart& start = game.program.StartWindow();
    game.backend.At(1000, [&] {
      EXPECT_EQ(start.FocusedControl(), &start.OKButton) << "\"Begin\" has the focus";
      game.backend.PressKey(start, key);
    });
    game.backend.At(6000, [&] {
      ASSERT_TRUE(game.program.HasPlayWindow()) << "the key did not begin the game";
      EXPECT_TRUE(game.Vorlet().IsVisible() && !start.IsVisible() && start.IsLoaded())
          << "the start window stays loaded, hidden";
      throw StopGame{};
    });
    ASSERT_TRUE(RunProgram(game).stopped);
  }
}

// The rules window takes no key and closes on a click anywhere in it; the start window waits in
// its modal show meanwhile.
TEST(StartWindow, InstructionsAsOftenAsWantedThenBegin) {
  Game game(StartOptions(""));
  startup::frmStart& start = game.program.StartWindow();
  // Corners and middle of the 399 x 399 client area.
  const std::pair<int, int> points[] = {{0, 0}, {398, 398}, {200, 10}};
  uint32_t at = 1000;
  for (const auto& [x, y] : points) {
    game.backend.At(at, [&] { game.backend.Click(start, start.Command1); });
    game.backend.At(at + 500, [&] {
      startup::frmRules& rules = game.program.RulesWindow();
      ASSERT_TRUE(rules.IsVisible() && rules.GetPicture()) << "no rules window";
      EXPECT_TRUE(rules.GetPicture()->width == 400 && rules.GetPicture()->height == 400);
      for (int key : {kEnter, kEsc, kSpace, kTab, int{'q'}}) {
        game.backend.PressKey(rules, key);
      }
      game.backend.Click(start, start.OKButton);
    });
    game.backend.At(at + 1000, [&, x, y] {
      EXPECT_TRUE(game.program.RulesWindow().IsVisible()) << "a key closed the rules window";
      EXPECT_FALSE(game.program.HasPlayWindow()) << "\"Begin\" worked under the rules window";
      game.backend.ClickAt(game.program.RulesWindow(), x, y);
    });
    game.backend.At(at + 1500, [&, x, y] {
      EXPECT_FALSE(game.program.RulesWindow().IsLoaded()) << "a click at " << x << ", " << y;
    });
    at += 2000;
  }
  game.backend.At(at, [&] { game.backend.Click(start, start.OKButton); });
  game.StopAt(at + 5000);
  ASSERT_TRUE(RunProgram(game).stopped);
  EXPECT_EQ(WindowEvents(game.backend, "frmRules", "show"), 3);
  EXPECT_EQ(WindowEvents(game.backend, "frmStart", "show"), 1)
      << "the start window is never seen again after Begin";
  EXPECT_TRUE(game.program.HasPlayWindow() && game.Vorlet().IsVisible());
}

}  // namespace
}  // namespace orbelon::gametest
