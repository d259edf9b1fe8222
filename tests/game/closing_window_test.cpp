// The closing window: only "Exit" closes it, and "Hint" never shows.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "game/startup_run.h"
#include "screens/frm_order.h"

namespace orbelon {
namespace {

using gametest::Game;
using namespace startuptest;

struct Way {
  const char* name;
  std::function<void(Game&, screens::frmOrder&)> act;
};

TEST(ClosingWindow, EnterOrAClickOnExitClosesItAndNothingElseDoes) {
  const Way ways[] = {
      {"Enter", [](Game& g, screens::frmOrder& w) { g.backend.PressKey(w, kEnter); }},
      {"Space", [](Game& g, screens::frmOrder& w) { g.backend.PressKey(w, kSpace); }},
      {"a click on Exit", [](Game& g, screens::frmOrder& w) { g.backend.Click(w, w.OKButton); }},
      {"Tab, then Enter",
       [](Game& g, screens::frmOrder& w) {
         g.backend.PressKey(w, kTab);
         g.backend.PressKey(w, kEnter);
       }},
  };
  for (const Way& way : ways) {
    Game game;
    screens::frmOrder& closing = game.program.ClosingWindow();
    game.backend.At(500, [&] {
      ASSERT_TRUE(closing.IsVisible());
      EXPECT_EQ(closing.FocusedControl(), &closing.OKButton) << way.name;
      // Neither Esc nor a click on the picture, nor one where the hidden "Hint" lies, closes it.
      game.backend.PressKey(closing, kEsc);
      game.backend.ClickAt(closing, 100, 50);
      game.backend.Click(closing, closing.Command1);
    });
    game.backend.At(1000, [&] {
      EXPECT_TRUE(closing.IsVisible()) << way.name << ": closed by something else than Exit";
      EXPECT_FALSE(closing.Command1.Visible()) << "\"Hint\" showed";
      way.act(game, closing);
    });
    game.StopAt(5000);
    const gametest::RunEnd end = game.Run([&] { closing.ShowModal(); });
    EXPECT_FALSE(end.stopped) << way.name << " did not close the closing window";
    EXPECT_FALSE(end.exit_status.has_value()) << "the window itself never ends the process";
    EXPECT_FALSE(closing.IsLoaded()) << way.name;
    EXPECT_FALSE(closing.Command1.Visible());
  }
}

TEST(WindowPictures, AMissingPictureStopsTheProgramAndNamesTheFile) {
  for (const char* file : {"title.png", "rules.png", "paused.png", "closing.png"}) {
    FolderWithout folder(file);
    Game game(StartOptions("nosound", folder.Path()));
    try {
      game.program.StartWindow();
      game.program.RulesWindow();
      game.program.PauseWindow();
      game.program.ClosingWindow();
      ADD_FAILURE() << "no error without " << file;
    } catch (const platform::PlatformError& error) {
      EXPECT_NE(std::string(error.what()).find(file), std::string::npos)
          << "the error \"" << error.what() << "\" does not name " << file;
    }
  }
}

}  // namespace
}  // namespace orbelon
