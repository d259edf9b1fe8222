// The order of the set-up and the passes of the frame loop, watched at the canvas's renders: the
// set-up renders once right after Level1, and every pass renders once.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "game/support/game_fixture.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;

// The play window as its load leaves it, before the first life, and as the first pass finds it.
TEST(SetUp, DrawsLevel1ThenWaitsForTheFirstLife) {
  Game game;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    for (const platform::TextBox* box :
         {&w.Text1, &w.Text2, &w.Text3, &w.Text4, &w.Text5, &w.Text6, &w.Text7, &w.Text8, &w.Text9,
          &w.Text10, &w.Text11, &w.Text12, &w.Text13, &w.Text14, &w.Text15, &w.Text16}) {
      EXPECT_FALSE(box->Visible()) << box->Name() << " at render " << render;
    }
    EXPECT_FALSE(w.Label7.Visible()) << "render " << render;
    if (render == 1) {
      EXPECT_TRUE(w.mBase && w.Pods == 12 && !w.MyCon) << "the first render comes after Level1";
      EXPECT_TRUE(w.Lives == 4 && game.Globals().CurrentLevel == 1 && w.UFOActive && w.Ant &&
                  w.RageSpin == 0.002f && w.Tessor1.StartSetting() == 30);
      EXPECT_TRUE(w.StartX == 0 && w.StartY == 15 && w.StartZ == 300);
      EXPECT_EQ(game.backend.show_count, -1) << "the pointer is hidden before the canvas starts";
      EXPECT_FALSE(w.Label1.Visible() || w.Image1.Visible() || w.Image2.Visible() ||
                   w.Image3.Visible())
          << "the clock and the lives show only once a life begins";
      return;
    }
    EXPECT_TRUE(w.MyCon);
    EXPECT_EQ(w.Lives, 3) << "the first Reset takes one of the four lives";
    ASSERT_FALSE(game.backend.boxes.empty());
    EXPECT_EQ(game.backend.boxes.front().title, "Ready:");
    EXPECT_GT(game.backend.Now(), game.backend.boxes.front().time)
        << "the first pass began while the \"Ready:\" box was open";
    throw StopGame{};
  };
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_EQ(game.backend.canvas_renders, 2);
}

TEST(FrameLoop, EachPassSetsCanFallShowsTheWindowAndStopsTheBallsSpinAfterItsRender) {
  Game game;
  int marked = -1;  // the render before which the marks below were made
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render == marked) {
      EXPECT_TRUE(w.CanFall) << "every pass begins by setting CanFall";
      EXPECT_FALSE(w.IsVisible()) << "the window is shown after the render";
      EXPECT_NEAR(Game::TurnAboutY(w.fRoll, w.fVorlet), 0.5f, 1e-4f) << "the ball's spin turned";
    }
    if (render == marked + 1) {
      EXPECT_TRUE(w.IsVisible()) << "every pass shows the play window";
      EXPECT_NEAR(Game::TurnAboutY(w.fRoll, w.fVorlet), 0.5f, 1e-4f)
          << "each pass stops the ball's spin after its render";
      throw StopGame{};
    }
  };
  // Between two passes, as an event handler might: Locked keeps the slope step from setting a
  // roll of its own.
  game.backend.At(400, [&] {
    engine::frmVorlet& w = game.Vorlet();
    marked = game.backend.canvas_renders + 1;
    w.Locked = true;
    w.CanFall = false;
    w.Hide();
    w.fRoll.SetOrientation(w.fVorlet, 0, 0, 1, 0, 1, 0);
    w.fRoll.SetRotation(w.fVorlet, 0, 1, 0, 0.5f);
  });
  ASSERT_TRUE(game.Play().stopped);
}

// A canvas that takes 50 ms to draw makes every pass late.
TEST(FrameLoop, LatePassesHandleTheirEventsOnceAndDoNotWait) {
  Game game;
  std::vector<uint32_t> pass_times;
  std::vector<int> handled_at;  // the render count when each scripted event ran
  game.backend.on_render = [&](int render) {
    if (render < 2) {
      return;
    }
    game.backend.SetClock(game.backend.Now() + 50);
    pass_times.push_back(game.backend.Now());
    if (render == 2) {
      for (uint32_t delay = 0; delay <= 150; delay += 50) {
        game.backend.After(delay, [&] { handled_at.push_back(game.backend.canvas_renders); });
      }
    }
    if (render == 8) {
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  for (size_t i = 1; i < pass_times.size(); ++i) {
    EXPECT_EQ(pass_times[i] - pass_times[i - 1], 50u) << "a late pass starts the next at once";
  }
  // No pacing wait processes events once the passes are late: only the pass's own step does.
  EXPECT_EQ(handled_at, (std::vector<int>{2, 3, 4, 5}));
}

TEST(FrameLoop, PassesRunThirtyMillisecondsApartAcrossTheClockWraps) {
  // The millisecond clock wraps at 2^32, and turns negative read as signed at 2^31.
  for (const uint32_t start : {0u, 0xFFFFFF00u, 0x7FFFFF00u}) {
    SCOPED_TRACE(start);
    Game game;
    game.backend.SetClock(start);
    std::vector<uint32_t> pass_times;
    game.backend.on_render = [&](int render) {
      if (render >= 2) {
        pass_times.push_back(game.backend.Now());
      }
      if (render == 40) {
        throw StopGame{};
      }
    };
    ASSERT_TRUE(game.Play().stopped);
    ASSERT_LT(pass_times.front() - start, 0x100u) << "the wrap must lie inside the run";
    for (size_t i = 1; i < pass_times.size(); ++i) {
      EXPECT_EQ(static_cast<uint32_t>(pass_times[i] - pass_times[i - 1]), 30u)
          << "pass at " << pass_times[i];
    }
  }
}

// While Timer3 runs (a rage), each pass makes the spin 5 % faster, in single precision, and
// fRage turns at the new rate.
TEST(FrameLoop, TheRageSpinsFivePercentFasterEachPass) {
  Game game;
  float spin = 0.002f;
  float last_turn = 0;
  int passes = 0;
  game.backend.At(300, [&] {  // as a right click with a pill does
    engine::frmVorlet& w = game.Vorlet();
    w.RageSpin = spin;
    w.Timer3.SetEnabled(true);
    last_turn = Game::TurnAboutY(w.fRage, w.fBase);
  });
  game.backend.on_render = [&](int) {
    engine::frmVorlet& w = game.Vorlet();
    if (!w.Timer3.Enabled()) {
      return;
    }
    spin = static_cast<float>(static_cast<double>(spin) * 1.05);
    ++passes;
    const float turn = Game::TurnAboutY(w.fRage, w.fBase);
    EXPECT_EQ(w.RageSpin, spin) << "pass " << passes;
    EXPECT_NEAR(std::remainder(turn - last_turn, 2 * std::numbers::pi_v<float>), spin, 1e-5f)
        << "fRage turns at the new rate; pass " << passes;
    last_turn = turn;
    if (passes == 50) {
      EXPECT_NEAR(spin, 0.0229f, 0.00005f);
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
}

}  // namespace
}  // namespace orbelon
