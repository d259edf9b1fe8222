// The start-up: the choice between sound and silence (the command line, a sound system that
// fails to open, a display that cannot be asked, a sound file that fails to load), the sound
// bank's rules, and the display test, where anything but 16 bits per pixel ends the program
// after its message; then the start window: "Instructions" before "Begin", and a start window that
// never comes back once play has begun. (Enter on a fresh start window is checked on the real
// program.)

#include <stdexcept>

#include "game/support/game_fixture.h"
#include "startup/frm_rules.h"

namespace orbelon::gametest {
namespace {

const std::vector<std::string> kBankLoads = {
    "load intro.daw", "load theme.daw", "load chip.daw", "load msgb.daw", "load fall.daw",
    "load win.daw",   "load bird.daw",  "load pill.daw", "load rage.daw", "load tele.daw",
    "load tele.daw",  "load tele.daw",  "load laser.daw"};

TEST(StartUp, OnlyTheExactWordNosoundChoosesSilence) {
  std::vector<std::string> expected = kBankLoads;
  expected.push_back("play intro.daw 0");
  for (const char* command : {"", "NoSound", "NOSOUND", "nosound x", "x nosound", " nosound",
                              "nosound ", "-nosound", "nosounds"}) {
    SCOPED_TRACE(std::string("command line \"") + command + "\"");
    Game game(StartOptions(command));
    game.StopAt(5000);
    ASSERT_TRUE(RunProgram(game).stopped);
    EXPECT_EQ(SoundLog(game.backend), expected) << "the bank loads in order, the intro plays once";
    EXPECT_TRUE(game.backend.boxes.empty() && !game.Globals().SoundOff) << "silenced";
  }
}

// The word "nosound", a sound system that fails to open and a display that cannot be asked give
// the same message and silence (the display is asked once more); then anything but 16 bits per
// pixel ends the program after its own message. A working sound system is bound to the start
// window, at the priority level.
TEST(StartUp, SilenceAndADisplayThatIsNotHighColourGiveTheirMessagesInOrder) {
  const struct {
    const char* name;
    const char* command_line;
    bool sound_device;
    int failing_display_queries;
  } roads[] = {{"working sound", "", true, 0},
               {"failing sound system", "", false, 0},
               {"nosound", "nosound", true, 0},
               {"a display that cannot be asked", "", true, 1}};
  for (const auto& road : roads) {
    const bool silent = &road != &roads[0];
    for (int bits : {16, 32, 24, 15, 8}) {
      SCOPED_TRACE(std::string(road.name) + " at " + std::to_string(bits) + " bits");
      Game game(StartOptions(road.command_line));
      game.backend.sound_device = road.sound_device;
      game.backend.failing_display_queries = road.failing_display_queries;
      game.backend.display_bits_per_pixel = bits;
      game.StopAt(5000);
      const RunEnd end = RunProgram(game);
      const auto& boxes = game.backend.boxes;
      std::vector<std::string> titles;
      if (silent) {
        titles.push_back(kSoundTitle);
        EXPECT_TRUE(game.Globals().SoundOff && (game.program.module1.bank.System() == nullptr) ==
                                                   (road.failing_display_queries == 0));
      }
      if (bits != 16) {
        titles.push_back("Error:");
      }
      ASSERT_EQ(BoxTitles(game.backend), titles);
      EXPECT_TRUE(!silent || (boxes[0].prompt == kSoundText && boxes[0].style == 0));
      EXPECT_EQ(game.backend.display_queries, 1 + road.failing_display_queries);
      for (const scripted::BoxRecord& box : boxes) {
        EXPECT_EQ(box.owner, "") << "before the start window shows, a box stands alone";
      }
      EXPECT_TRUE(game.backend.keyboard.empty());
      if (bits == 16) {
        EXPECT_TRUE(end.stopped && game.program.StartWindow().IsVisible())
            << "the start window waits for the player";
        EXPECT_EQ(game.backend.sound_calls.empty(), silent);
        EXPECT_TRUE(silent || game.backend.sound_binding ==
                                  std::pair(game.program.StartWindow().WindowId(), 2));
      } else {
        EXPECT_EQ(end.exit_status, 0) << "the program went on";
        EXPECT_TRUE(boxes.back().prompt == kDisplayText && boxes.back().style == 16);
        EXPECT_EQ(WindowEvents(game.backend, "frmStart", "show"), 0) << "the start window showed";
        EXPECT_TRUE(game.backend.sound_calls.empty()) << "a buffer was loaded before the test";
      }
    }
  }
}

TEST(StartUp, AMissingSoundFileSilencesTheWholeGame) {
  FolderWithout folder("laser.daw");
  Game game(StartOptions("", folder.Path()));
  startup::frmStart& start = game.program.StartWindow();
  game.backend.At(1000, [&] { game.backend.Click(start, start.OKButton); });
  game.backend.At(8000, [&] {
    EXPECT_TRUE(game.Vorlet().IsVisible()) << "the game did not start";
    throw StopGame{};
  });
  ASSERT_TRUE(RunProgram(game).stopped);

  const std::vector<std::string> twelve(kBankLoads.begin(), kBankLoads.end() - 1);
  EXPECT_EQ(SoundLog(game.backend), twelve)
      << "the twelve buffers before it load, and nothing plays, not even the intro or in play";
  EXPECT_EQ(BoxTitles(game.backend).front(), kSoundTitle);
  EXPECT_EQ(game.backend.display_queries, 2) << "the display is asked again after the failure";
  EXPECT_TRUE(game.Globals().SoundOff);
}

TEST(StartUp, AMissingDataFileStopsTheProgramAndTheErrorNamesIt) {
  // Level 1's files (grass.dab and pill.dab are loaded and never shown: the start needs them all
  // the same), and the pictures of the windows, loaded when a window is made.
  for (const std::string file :
       {"grass.dab", "pill.dab", "base1.dax", "particle.dax", "m.dab", "background.png", "life.png",
        "title.png", "rules.png", "paused.png", "closing.png"}) {
    FolderWithout folder(file);
    Game game(StartOptions("nosound", folder.Path()));
    game.StopAt(1000);
    try {
      game.program.StartWindow();
      game.program.RulesWindow();
      game.program.PauseWindow();
      game.program.ClosingWindow();
      game.Play();
      ADD_FAILURE() << "the program went on without " << file;
    } catch (const platform::PlatformError& error) {
      EXPECT_NE(std::string(error.what()).find(file), std::string::npos)
          << "the error \"" << error.what() << "\" does not name " << file;
    }
    EXPECT_EQ(game.backend.canvas_renders, 0) << "something was drawn without " << file;
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
  EXPECT_TRUE(game.program.HasPlayWindow() && game.Vorlet().IsVisible());
  EXPECT_EQ(ShownOver(game.backend, "frmRules"), "frmStart");
  EXPECT_EQ(KeyboardHandovers(game.backend),
            (std::vector<std::string>{"frmStart", "frmStart", "frmStart", "frmVorlet"}))
      << "the start window after each rules window, then the play window after \"Ready:\"";
}

}  // namespace
}  // namespace orbelon::gametest
