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

// The angle of a frame's z axis about the y axis of ref.
float TurnAboutY(const scene::Frame& frame, const scene::Frame& ref) {
  scene::Vector dir;
  scene::Vector up;
  frame.GetOrientation(ref, dir, up);
  return std::atan2(dir.x, dir.z);
}

TEST(SetUp, DrawsLevel1ThenWaitsForTheFirstLife) {
  Game game;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render == 1) {
      EXPECT_TRUE(w.mBase && w.Pods == 12 && w.PodPos[11].x == -710)
          << "the first render comes after Level1";
      EXPECT_FALSE(w.MyCon);
    } else {
      EXPECT_TRUE(w.MyCon);
      EXPECT_EQ(w.Lives, 3) << "the first Reset takes one of the four lives";
      ASSERT_FALSE(game.backend.boxes.empty());
      EXPECT_EQ(game.backend.boxes.front().title, "Ready:");
      EXPECT_GT(game.backend.Now(), game.backend.boxes.front().time)
          << "the first pass began while the \"Ready:\" box was open";
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_EQ(game.backend.canvas_renders, 2);
}

TEST(FrameLoop, PassesRunThirtyMillisecondsApart) {
  Game game;
  std::vector<uint32_t> pass_times;
  int marked = -1;  // the render before which the marks below were made
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render >= 2) {
      pass_times.push_back(game.backend.Now());
    }
    if (render == marked) {
      EXPECT_TRUE(w.CanFall) << "every pass begins by setting CanFall";
      EXPECT_FALSE(w.IsVisible()) << "the window is shown after the render";
      EXPECT_NEAR(TurnAboutY(w.fRoll, w.fVorlet), 0.5f, 1e-4f) << "the ball's spin turned";
    }
    if (render == marked + 1) {
      EXPECT_TRUE(w.IsVisible()) << "every pass shows the play window";
      EXPECT_NEAR(TurnAboutY(w.fRoll, w.fVorlet), 0.5f, 1e-4f)
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
  ASSERT_GT(pass_times.size(), 8u);
  for (size_t i = 1; i < pass_times.size(); ++i) {
    EXPECT_EQ(pass_times[i] - pass_times[i - 1], 30u) << "pass " << i + 1;
  }
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

TEST(FrameLoop, PacingHoldsAcrossTheClockWraps) {
  // The millisecond clock wraps at 2^32, and turns negative read as signed at 2^31.
  for (const uint32_t start : {0xFFFFFF00u, 0x7FFFFF00u}) {
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

TEST(FrameLoop, RageSpinGrowsFivePercentAPassWhileTimer3Runs) {
  Game game;
  std::vector<float> spins;  // RageSpin at each pass after the rage began
  std::vector<float> turns;  // how far fRage turned at that pass's render
  float last_turn = 0;
  game.backend.At(300, [&] {  // as a right click with a pill does
    engine::frmVorlet& w = game.Vorlet();
    w.RageSpin = 0.002f;
    w.Timer3.SetEnabled(true);
    last_turn = TurnAboutY(w.fRage, w.fBase);
  });
  game.backend.on_render = [&](int) {
    engine::frmVorlet& w = game.Vorlet();
    if (!w.Timer3.Enabled()) {
      return;
    }
    spins.push_back(w.RageSpin);
    const float turn = TurnAboutY(w.fRage, w.fBase);
    turns.push_back(std::remainder(turn - last_turn, 2 * std::numbers::pi_v<float>));
    last_turn = turn;
    if (spins.size() == 50) {
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_NEAR(spins[2], 0.0023f, 0.00005f) << "after 3 passes";
  EXPECT_NEAR(spins[49], 0.0229f, 0.00005f) << "after 50 passes";
  float expected = 0.002f;
  for (size_t n = 0; n < spins.size(); ++n) {
    expected = static_cast<float>(static_cast<double>(expected) * 1.05);
    EXPECT_EQ(spins[n], expected) << "each product is kept in single precision; pass " << n + 1;
    EXPECT_NEAR(turns[n], spins[n], 1e-5f) << "fRage turns at the new rate; pass " << n + 1;
  }
}

}  // namespace
}  // namespace orbelon
