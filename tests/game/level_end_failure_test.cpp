// A data file that goes away while the game runs, after the start-up has checked the install: a
// failure from the winner's box on ends the game with the runtime's error box naming the file,
// and nothing plays on in a finished or half-built level.

#include <filesystem>

#include "game/support/game_fixture.h"

namespace orbelon::gametest {
namespace {

// As the program's top does: a failure that reaches it gets the runtime's error box, status 1.
int RunToTheEnd(Game& game) {
  try {
    return RunProgram(game).exit_status.value_or(-1);
  } catch (const std::exception& error) {
    game.runtime.ReportFatal(error.what());
    return 1;
  }
}

TEST(LevelEnd, AFileGoneSinceTheStartEndsTheGameNamingIt) {
  const struct {
    const char* file;
    const char* command_line;
    std::vector<std::string> boxes;
    int status;
  } roads[] = {
      // The second level's music is read after the winner's box of the first.
      {"theme2.daw", "", {"Ready:", "WINNER:", "Orbelon"}, 1},
      // Silent, it is never read: level 2 plays and the game is won.
      {"theme2.daw",
       "nosound",
       {kSoundTitle, "Ready:", "WINNER:", "Ready:", "WINNER:", "Order:"},
       0},
      // The closing window's picture is read once the last level has been won.
      {"closing.png", "", {"Ready:", "WINNER:", "Ready:", "WINNER:", "Order:", "Orbelon"}, 1},
  };
  for (const auto& road : roads) {
    SCOPED_TRACE(std::string(road.file) + ", command line \"" + road.command_line + "\"");
    FolderWithout folder("");
    Game game(StartOptions(road.command_line, folder.Path()));
    std::vector<BoxSeen> seen;
    AnswerEveryBox(game, seen);
    startup::frmStart& start = game.program.StartWindow();
    game.backend.At(1000, [&] {
      std::filesystem::remove(folder.Path() + "/" + road.file);
      game.backend.Click(start, start.OKButton);
    });
    game.StopAt(60000);
    game.backend.on_render = [&](int) {
      engine::frmVorlet& w = game.Vorlet();
      if (w.CurrentPod < w.Pods) {
        BallOnLastDisc(w);
      }
    };
    EXPECT_EQ(RunToTheEnd(game), road.status);
    EXPECT_EQ(BoxTitles(game.backend), road.boxes);
    const std::string& last_box = game.backend.boxes.back().prompt;
    EXPECT_TRUE(road.status == 0 || last_box.find(road.file) != std::string::npos)
        << "the error box does not name the file: " << last_box;
  }
}

}  // namespace
}  // namespace orbelon::gametest
