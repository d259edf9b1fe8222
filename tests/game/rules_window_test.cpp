// The rules window takes no key and closes on a click anywhere in it.

#include <gtest/gtest.h>

#include <utility>

#include "game/startup_run.h"
#include "startup/frm_rules.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;
using namespace startuptest;

TEST(RulesWindow, IgnoresEveryKeyAndClosesOnAClickAnywhere) {
  Game game(StartOptions("nosound"));
  startup::frmStart& start = game.program.StartWindow();
  startup::frmRules& rules = game.program.RulesWindow();
  // Corners and middle of the 399 x 399 client area.
  const std::pair<int, int> points[] = {{0, 0}, {398, 398}, {200, 10}};
  uint32_t at = 1000;
  for (const auto& [x, y] : points) {
    game.backend.At(at, [&] { game.backend.Click(start, start.Command1); });
    game.backend.At(at + 300, [&] {
      for (int key : {kEnter, kEsc, kSpace, kTab, int{'q'}, int{'x'}}) {
        game.backend.PressKey(rules, key);
      }
    });
    game.backend.At(at + 600, [&, x, y] {
      EXPECT_TRUE(rules.IsVisible()) << "a key closed the rules window";
      game.backend.ClickAt(rules, x, y);
    });
    game.backend.At(at + 900, [&, x, y] {
      EXPECT_FALSE(rules.IsLoaded()) << "a click at " << x << ", " << y << " left it open";
    });
    at += 1000;
  }
  // The start window takes input again. (Its focus is on "Instructions" now, after the clicks.)
  game.backend.At(at, [&] { game.backend.Click(start, start.OKButton); });
  game.backend.At(at + 5000, [&] { throw StopGame{}; });
  ASSERT_TRUE(RunProgram(game).stopped);
  EXPECT_TRUE(game.program.HasPlayWindow() && game.Vorlet().IsVisible());
}

}  // namespace
}  // namespace orbelon
