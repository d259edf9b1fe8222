// Lives lost to the tilt limit: the "TILT !!!" box, a new life behind its "Ready:" box with the
// board level again, and on the last life the game-over box, the closing window and the end.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "game/support/game_fixture.h"
#include "screens/frm_order.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::GameOptions;
using gametest::StopGame;

// A pull on the pointer that turns the board well past its side.
constexpr int kOverTheTop = 900;

struct BoxSeen {
  std::string title;
  std::string prompt;
  int style = 0;
  int show_count = 0;
  int16_t lives = 0;
  bool any_icon = false;
  bool clock_shown = false;
  std::set<std::string> loops;
};

// Answers every box as a player does, and the closing window with Enter.
void AnswerLikeAPlayer(Game& game, std::vector<BoxSeen>& seen) {
  game.backend.on_box = [&game, &seen](const scripted::BoxRecord& box) {
    engine::frmVorlet& w = game.Vorlet();
    seen.push_back({box.title, box.prompt, box.style, box.show_count, w.Lives,
                    w.Image1.Visible() || w.Image2.Visible() || w.Image3.Visible(),
                    w.Label1.Visible(), game.backend.PlayingLoops()});
    game.backend.After(100, [&game] { game.backend.AnswerOpenBox(); });
    if (box.prompt.find("G A M E") != std::string::npos) {
      game.backend.After(400, [&game] { game.backend.PressKey(game.program.ClosingWindow(), 13); });
    }
  };
}

void TiltAtRenders(Game& game, std::vector<int> renders,
                   std::function<void(engine::frmVorlet&, int)> also = {}) {
  game.backend.on_render = [&game, renders, also](int render) {
    if (also) {
      also(game.Vorlet(), render);
    }
    for (int at : renders) {
      if (render == at) {
        game.backend.MovePointer(0, kOverTheTop);
      }
    }
  };
}

void ExpectThreeTiltsAndGameOver(const std::vector<BoxSeen>& boxes, const std::string& score) {
  ASSERT_EQ(boxes.size(), 7u);
  for (size_t i = 0; i < boxes.size(); ++i) {
    SCOPED_TRACE(i);
    const BoxSeen& box = boxes[i];
    EXPECT_EQ(box.show_count, 0) << "the pointer is shown for every box";
    if (i == 6) {
      EXPECT_EQ(box.title, "Sorry:");
      EXPECT_EQ(box.prompt, score + " :  G A M E   O V E R ! !");
      EXPECT_EQ(box.style, 0);
      EXPECT_EQ(box.lives, 0);
      EXPECT_FALSE(box.any_icon) << "no life icon is left";
      EXPECT_FALSE(box.clock_shown);
    } else if (i % 2 == 1) {
      EXPECT_EQ(box.title, "Sorry:");
      EXPECT_EQ(box.prompt, "TILT !!!");
      EXPECT_EQ(box.style, 16) << "with the stop icon";
      EXPECT_FALSE(box.clock_shown);
    } else {
      EXPECT_EQ(box.title, "Ready:");
      EXPECT_EQ(box.prompt, "Good Luck!!");
      EXPECT_EQ(box.lives, 3 - static_cast<int>(i) / 2);
    }
  }
}

TEST(LifeCycle, ThreeTiltsEndTheGameThroughTheClosingWindow) {
  Game game;
  std::vector<BoxSeen> boxes;
  AnswerLikeAPlayer(game, boxes);
  TiltAtRenders(game, {3, 10, 17});
  const gametest::RunEnd end = game.Play();
  ASSERT_EQ(end.exit_status, 0) << "the game ends the program with status 0";
  ExpectThreeTiltsAndGameOver(boxes, "0");
  for (size_t i = 0; i + 1 < boxes.size(); i += 2) {
    EXPECT_EQ(boxes[i].loops, std::set<std::string>{"msgb.daw"}) << "box " << i;
    EXPECT_EQ(boxes[i + 1].loops, std::set<std::string>{"msgb.daw"}) << "box " << i + 1;
  }
  EXPECT_EQ(boxes[6].loops, std::set<std::string>{"msgb.daw"});
  EXPECT_EQ(game.backend.PlayingLoops(), std::set<std::string>{"msgb.daw"})
      << "the message sound goes on under the closing window";
  EXPECT_EQ(game.backend.show_count, 0) << "the pointer stays shown on the way out";
  engine::frmVorlet& w = game.Vorlet();
  EXPECT_TRUE(w.Score == 0 && w.TempScore == 0 && w.lblScore.Caption() == "000000");
  const auto& windows = game.backend.windows;
  const auto shown = std::find_if(windows.begin(), windows.end(), [](const auto& record) {
    return record.form == "frmOrder" && record.what == "show";
  });
  ASSERT_NE(shown, windows.end()) << "the closing window opens";
  EXPECT_GT(shown->time, game.backend.boxes.back().time);
  EXPECT_FALSE(w.IsVisible()) << "the closing window hides the play window";
}

TEST(LifeCycle, SilentGameEndsTheSameWayWithoutASoundAndQuotesTheScore) {
  GameOptions silent;
  silent.sound = false;
  Game game(silent);
  std::vector<BoxSeen> boxes;
  AnswerLikeAPlayer(game, boxes);
  TiltAtRenders(game, {3, 10, 17}, [](engine::frmVorlet& w, int render) {
    if (render == 16) {
      w.Score = 2300;
      w.TempScore = 2300;
    }
  });
  const gametest::RunEnd end = game.Play();
  ASSERT_EQ(end.exit_status, 0);
  ExpectThreeTiltsAndGameOver(boxes, "2300");
  EXPECT_TRUE(game.backend.sound_calls.empty()) << "no sound call in silent mode";
  EXPECT_EQ(game.backend.show_count, 0);
}

TEST(LifeCycle, ABoardOnItsSideIsNoTiltAndATiltLevelsTheBoardAgain) {
  Game game;
  std::vector<BoxSeen> boxes;
  AnswerLikeAPlayer(game, boxes);
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    const scene::Frame scene = game.SceneFrame();
    if (render == 3) {
      w.fBase.SetOrientation(scene, 0, 0, 1, 1, 0, 0);  // the up vector exactly level
      w.CurrentPod = 3;
      w.Label9.SetCaption("Checkpoints Remaining: 10");
    }
    if (render == 4) {
      EXPECT_EQ(boxes.size(), 1u) << "exactly on its side is no tilt";
      EXPECT_EQ(w.Text15.Text(), "RightSideUp");
      EXPECT_TRUE(w.IsUpright);
      w.fBase.SetOrientation(scene, 0, 0, 1, 1, -0.001f, 0);
      w.xSpeed = 2;
      w.zSpeed = -1;
    }
    if (render == 5) {
      ASSERT_EQ(boxes.size(), 3u);
      EXPECT_EQ(boxes[1].prompt, "TILT !!!");
      EXPECT_EQ(w.Text15.Text(), "UpsideDown");
      scene::Vector dir;
      scene::Vector up;
      w.fBase.GetOrientation(scene, dir, up);
      EXPECT_TRUE(std::abs(dir.x - w.BaseDir.x) < 1e-6 && std::abs(dir.y - w.BaseDir.y) < 1e-6 &&
                  std::abs(dir.z - w.BaseDir.z) < 1e-6)
          << "the board is back at its rest direction";
      EXPECT_TRUE(std::abs(up.x - w.BaseUp.x) < 1e-6 && std::abs(up.y - w.BaseUp.y) < 1e-6 &&
                  std::abs(up.z - w.BaseUp.z) < 1e-6)
          << "and its rest up vector";
      const scene::Vector ball = Game::PositionOf(w.fVorlet, scene);
      EXPECT_TRUE(ball.x == 0 && ball.y == 15 && ball.z == 300) << "the ball is on the start";
      EXPECT_TRUE(w.xSpeed == 0 && w.zSpeed == 0);
      const scene::Vector disc = Game::PositionOf(w.fDisc, w.fBase);
      EXPECT_TRUE(disc.x == w.PodPos[3].x && disc.y == w.PodPos[3].y && disc.z == w.PodPos[3].z)
          << "the disc stays on the checkpoint that is due";
      EXPECT_EQ(w.CurrentPod, 3);
      EXPECT_EQ(w.Label9.Caption(), "Checkpoints Remaining: 10");
      EXPECT_EQ(game.backend.PlayingLoops(), std::set<std::string>{"theme.daw"});
      EXPECT_EQ(game.backend.show_count, -1);
      EXPECT_TRUE(w.Timer1.Enabled() && w.Label1.Visible() && w.TimeLeft == 31);
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
}

TEST(LifeCycle, ANewLifeWithoutAUfoGoesOnWithoutAnError) {
  Game game;
  std::vector<BoxSeen> boxes;
  AnswerLikeAPlayer(game, boxes);
  TiltAtRenders(game, {3}, [&](engine::frmVorlet& w, int render) {
    if (render == 3) {
      w.fUFO = scene::Frame();  // as the removal of a destroyed UFO leaves it
      w.UFOActive = false;
    }
    if (render == 6) {
      throw StopGame{};
    }
  });
  ASSERT_TRUE(game.Play().stopped);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2].title, "Ready:");
  engine::frmVorlet& w = game.Vorlet();
  EXPECT_EQ(w.Lives, 2);
  EXPECT_EQ(Game::PositionOf(w.fVorlet, game.SceneFrame()).z, 300) << "the rest of Reset ran";
  EXPECT_EQ(game.backend.show_count, -1);
}

}  // namespace
}  // namespace orbelon
