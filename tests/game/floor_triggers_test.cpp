// What the ball finds under it on the real level 1 board: checkpoints scored against the clock
// onto the score's target, the pill taken once, the single-use teleporters with their bursts, and
// nothing at all once it has rolled off: the fall.

#include "game/support/game_fixture.h"

namespace orbelon::gametest {
namespace {

TEST(FloorTriggers, ACheckpointAddsItsAwardToTheScoreTargetAndMovesTheDiscOn) {
  constexpr int32_t kNearTop = 2147483647 - 900;
  for (const bool sound : {true, false}) {
    SCOPED_TRACE(sound ? "with sound" : "silent");
    Game game({ORBELON_GAME_DIR, "", sound});
    game.backend.wall_second_at_zero = 30;  // the clock stays full through the first second
    int overflow_at = 0;
    game.backend.on_render = [&](int render) {
      engine::frmVorlet& w = game.Vorlet();
      if (render == 2 || render == 33) {
        PutBallOnDisc(w);
      }
      if (render == 3) {
        EXPECT_EQ(w.TempScore, 4100) << "on a settled score: 1000 and 100 for each of 31 seconds";
        EXPECT_TRUE(w.CurrentPod == 1 && w.Label9.Caption() == "Checkpoints Remaining: 12");
        EXPECT_TRUE(Near(Game::PositionOf(w.fDisc, w.fBase), w.PodPos[1], 0));
        w.TempScore += 10000;  // a UFO destroyed by a jump
      } else if (render == 33) {
        w.TimeLeft = 0;  // run down, 30 passes into the count-up
      } else if (render == 34) {
        EXPECT_TRUE(w.Score > 2000 && w.Score < 4100) << w.Score;
        EXPECT_EQ(w.TempScore, 15100) << "what the count-up had not reached yet is kept";
        EXPECT_TRUE(w.TimeLeft == 31 && w.Label9.Caption() == "Checkpoints Remaining: 11");
      } else if (overflow_at == 0 && (w.Score == 15100 || render == 400)) {
        ASSERT_EQ(w.Score, 15100) << "the shown score reaches the sum of the awards";
        w.Score = w.TempScore = kNearTop;
        PutBallOnDisc(w);
        overflow_at = render;
      } else if (overflow_at > 0) {
        EXPECT_EQ(w.TempScore, kNearTop) << "an award that overflows leaves the target";
        EXPECT_TRUE(w.CurrentPod == 3 && w.TimeLeft == 31) << "and the checkpoint is reached";
        throw StopGame{};
      }
    };
    ASSERT_TRUE(game.Play().stopped);
    EXPECT_EQ(game.Calls("chip.daw"), sound ? 3 : 0);
    EXPECT_EQ(game.backend.sound_calls.empty(), !sound) << "silent mode makes no sound call";
  }
}

// On a board tipped toward the player by a pixel's worth: the targets, the next disc and the
// bursts stand where the board puts them, not where the scene would.
TEST(FloorTriggers, ThePillTheTeleportersAndTheDiscWorkOnceAndABurstMarksEachLanding) {
  const struct {
    float over_z;
    const char* found;
    float lands_z;  // then the pass rolls it on by its speeds
  } visits[] = {{0, "PILL", 0},     {-700, "T1", 300}, {-700, "base", -700}, {700, "T2", -500},
                {700, "base", 700}, {0, "base", 0},    {400, "Bonus", 400}};
  const size_t count = std::size(visits);
  Game game;
  engine::frmVorlet& w = game.Vorlet();
  std::vector<Frame> bursts;
  std::vector<float> heights;  // of the latest burst, above the board
  game.backend.on_render = [&](int render) {
    const auto visit = static_cast<size_t>(render - 2);  // one visit a pass from render 2 on
    if (visit >= 1 && visit <= count) {
      EXPECT_EQ(w.FloorName, visits[visit - 1].found) << "visit " << visit;
      EXPECT_TRUE(Near(Game::PositionOf(w.fVorlet, w.fBase),
                       {0.5f, 15, visits[visit - 1].lands_z - 0.25f}, 0.05f))
          << "visit " << visit << " lands and rolls on with its speed";
    }
    if (visit == 0) {
      w.xSpeed = 0.5f;
      w.zSpeed = -0.25f;
      game.backend.MovePointer(0, 1);
    }
    if (visit < count) {
      w.fVorlet.SetPosition(w.fBase, 0, w.StartY, visits[visit].over_z);
    } else if (visit == count) {
      EXPECT_TRUE(Near(Game::PositionOf(w.fDisc, w.fBase), {0, 0, -400}, 1e-3f)) << "the disc";
      game.backend.MovePointer(0, 12);  // the near side down: the burst leans with the board
    }
    if (w.ParticlesOn && (bursts.empty() || !(bursts.back() == w.fParticles))) {
      bursts.push_back(w.fParticles);
      heights.clear();
    }
    if (w.ParticlesOn) {
      heights.push_back(Game::PositionOf(w.fParticles, w.fBase).y);
    } else if (!bursts.empty()) {
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_TRUE(w.Pill && !w.mPill && !w.fPill) << "the pill is taken and released";
  EXPECT_TRUE(game.Calls("pill.daw") == 1 && game.Calls("tele.daw") == 2);
  ASSERT_EQ(bursts.size(), 2u);
  EXPECT_TRUE(scene::CollectScene(bursts[0]).items.empty()) << "the second burst took over";
  EXPECT_TRUE(Near(Game::PositionOf(bursts[1], w.fBase), {0, 81, -500}, 0));
  ASSERT_EQ(heights.size(), 65u) << "gone in its 66th pass, at 81";
  EXPECT_TRUE(heights.front() == 16 && heights.back() == 80) << "one unit a pass above the board";
}

TEST(FloorTriggers, RollingOffTheBoardDropsAHundredStepsAlongTheBoardsNormalAndCostsALife) {
  Game game;
  engine::frmVorlet& w = game.Vorlet();
  std::vector<Vector> balls;  // relative to the level root, one a picture
  std::vector<int> falling;   // the pictures drawn while the ball is locked
  Vector ball;                // in the scene, at the render before
  game.backend.on_render = [&](int render) {
    if (render == 3) {
      game.backend.MovePointer(20, 0);  // the right side down, and wait
    }
    balls.push_back(Game::PositionOf(w.fVorlet, w.fBase));
    if (w.Locked) {
      falling.push_back(render);
      EXPECT_TRUE(!w.Label1.Visible() && w.xSpeed == 0 && w.zSpeed == 0) << "step " << w.FallStep;
      // Each step draws, then the camera follows: it shows the ball from the step before.
      EXPECT_TRUE(CameraBehind(game, ball)) << "step " << w.FallStep;
      EXPECT_TRUE(PointerCentred(game)) << "step " << w.FallStep;
      game.backend.MovePointer(7, 5);  // lost in the next step
    }
    ball = Game::PositionOf(w.fVorlet, game.SceneFrame());
  };
  int boxes = 0;
  game.backend.on_box = [&](const scripted::BoxRecord& box) {
    if (++boxes == 2) {
      EXPECT_TRUE(box.title == "Ready:" && w.Lives == 2 && w.FallStep == 101) << w.Lives;
      throw StopGame{};
    }
    game.backend.After(100, [&game] { game.backend.AnswerOpenBox(); });
  };
  ASSERT_TRUE(game.Play().stopped);
  ASSERT_EQ(falling.size(), 100u);
  EXPECT_EQ(game.Calls("fall.daw"), 100);
  const auto last_rolled = static_cast<size_t>(falling.front() - 2);
  const Vector off = balls[last_rolled];
  EXPECT_GT(off.x, 300) << "the ball left by the lowered side";
  for (size_t step = 1; step <= 100; ++step) {
    EXPECT_TRUE(Near(balls[last_rolled + step],
                     {off.x, off.y - 25.0f * static_cast<float>(step), off.z}, 1e-3f))
        << "step " << step;
  }
}

}  // namespace
}  // namespace orbelon::gametest
