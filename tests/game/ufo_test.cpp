// The UFO on level 1: it hunts the resting ball, lights its beam within 150, shoots the ball down
// within 50 for a life, and an ant jump landing beside it destroys it.

#include "game/support/game_fixture.h"

namespace orbelon::gametest {
namespace {

// The ball rests on the start point (0, 15, 300) in these tests.
bool Within(const Vector& ufo, float range) {
  return std::abs(ufo.x) < range && std::abs(ufo.z - 300) < range;
}

// It starts 160 from the ball; the first time its beam comes on it is taken back to 180, so that
// the beam goes off again before the hunt goes on.
TEST(Ufo, HuntsTheRestingBallBeamsWithin150AndShootsItDownWithin50) {
  Game game;
  Vector last{0, 84, 460};
  int shot_steps = 0;
  int after_hit = 0;
  bool taken_back = false;
  Vector ball;  // in the scene, at the render before
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    const Vector ufo = Game::PositionOf(w.fUFO, w.fBase);
    const bool laser = game.backend.PlayingLoops().count("laser.daw") == 1;
    if (render == 1) {
      return;
    }
    if (w.IsShot) {
      EXPECT_TRUE(laser && CameraBehind(game, ball)) << "shot-down step " << shot_steps + 1;
      if (++shot_steps == 1) {
        EXPECT_TRUE(Within(ufo, 50) && !Within(last, 50)) << "caught in the first pass within 50";
      } else if (shot_steps == 50) {
        // A marker is out and a pill held: either button would act if it were heard.
        game.Press(1);
        game.Press(2);
        game.backend.After(0, [&w] { EXPECT_TRUE(!w.Ant && w.Pill && w.CanFall); });
      }
    } else if (render == 2) {
      w.fUFO.SetPosition(w.fBase, last.x, last.y, last.z);
    } else if (shot_steps == 0) {
      // 1.2 toward the ball, which lies 69 lower: only the run along the board remains.
      const float step = 1.2f / std::hypot(std::hypot(last.x, 300 - last.z), 69.0f);
      EXPECT_TRUE(Near(ufo, {last.x * (1 - step), 84, last.z + (300 - last.z) * step}, 1e-3f))
          << "pass " << render - 1;
      EXPECT_TRUE(Near(Game::PositionOf(w.fBeam, w.fBase), {ufo.x, 64, ufo.z}, 0));
      EXPECT_TRUE(w.BeamOn == Within(ufo, 150) && (Game::VisualsOn(w.fBeam) == 1) == w.BeamOn &&
                  laser == w.BeamOn)
          << "pass " << render - 1 << ": the beam and the laser loop go on and off together";
      last = ufo;
      if (w.BeamOn && !taken_back) {
        taken_back = true;
        last = {0, 84, 480};
        w.fUFO.SetPosition(w.fBase, last.x, last.y, last.z);
      }
      // Put out just before the hit: the rising marker would soon tip the resting ball.
      if (Within(ufo, 51) && w.Ant) {
        w.FloorName = "base";
        w.Pill = true;
        game.Press(1);
      }
      if (render > 1000) {
        ADD_FAILURE() << "the UFO never caught the ball";
        throw StopGame{};
      }
    } else if (++after_hit == 1) {
      EXPECT_TRUE(shot_steps == 100 && game.Calls("fall.daw") == 100) << shot_steps;
      EXPECT_TRUE(w.Lives == 2 && !w.IsShot && !w.Locked) << "Reset took a life";
      EXPECT_FALSE(laser) << "Reset stops the laser";
      EXPECT_TRUE(Near(ufo, {700, 84, 0}, 0)) << "back at its post";
      EXPECT_EQ(Game::PositionOf(w.fBeam, w.fBase).x, 700);
    } else {
      EXPECT_TRUE(!w.BeamOn && !Game::VisualsOn(w.fBeam)) << "the next pass is a far one";
      EXPECT_EQ(game.Calls("laser.daw"), 2) << "one loop for each time the beam came on";
      EXPECT_FALSE(w.Ant) << "the marker outlived the life";
      throw StopGame{};
    }
    ball = Game::PositionOf(w.fVorlet, game.SceneFrame());
  };
  ASSERT_TRUE(game.Play().stopped);
}

TEST(Ufo, AJumpWithin20DestroysItForTenThousandAndTimer4RemovesIt3sLater) {
  Game game;
  int32_t before = 0;
  uint32_t hit_time = 0;
  int laser_stops = 0;
  int removed_at = 0;
  Vector wreck, dir, up;
  Frame beam;
  // Each jump starts from a marker put out under the resting ball the render before.
  const auto jump_beside_ufo = [&](engine::frmVorlet& w, float dx, float dz) {
    before = w.TempScore;
    if (w.fUFO) {
      w.fUFO.SetPosition(w.fBase, dx, 84, 300 + dz);
    }
    game.Press(1);
  };
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (w.Ant && (render == 3 || render == 5 || render == 7 ||
                  (removed_at > 0 && render == removed_at + 1))) {
      w.FloorName = "base";
      game.Press(1);
    } else if (render == 4) {
      jump_beside_ufo(w, 20, -19.9f);
      game.backend.After(0, [&] {
        EXPECT_TRUE(w.TempScore == before && !w.Timer4.Enabled()) << "20 away is a miss";
        w.fUFO.SetPosition(w.fBase, 700, 84, 0);
      });
    } else if (render == 6) {
      beam = w.fBeam;
      beam.AddVisual(w.mBeam);  // as a pass near the ball shows it
      jump_beside_ufo(w, 19.9f, 19.9f);
      game.backend.After(0, [&] {
        EXPECT_TRUE(w.TempScore == before + 10000 && w.Timer4.Enabled());
        hit_time = game.backend.Now();
        laser_stops = game.Calls("laser.daw", "stop");
        wreck = Game::PositionOf(w.fUFO, w.fBase);
        w.fUFO.GetOrientation(w.fBase, dir, up);
      });
    } else if (render == 8) {
      Vector turned;
      w.fUFO.GetOrientation(w.fBase, turned, up);
      EXPECT_TRUE(Game::PositionOf(w.fUFO, w.fBase).z == wreck.z && turned.x != dir.x)
          << "the wreck tumbles where it was hit and shoots nothing, though the ball is near";
      jump_beside_ufo(w, 19.9f, 19.9f);
      game.backend.After(0, [&] { EXPECT_EQ(w.TempScore, before + 10000) << "it pays again"; });
    } else if (render > 8 && removed_at == 0 && !w.UFOActive) {
      removed_at = render;
      const uint32_t waited = game.backend.Now() - hit_time;
      EXPECT_TRUE(waited >= 3000 && waited < 3060) << "removed after " << waited << " ms";
      EXPECT_TRUE(!w.fUFO && !w.fBeam && !w.Timer4.Enabled() && !Game::VisualsOn(beam))
          << "the UFO goes with its beam";
      EXPECT_EQ(game.Calls("laser.daw", "stop"), laser_stops + 1) << "the laser stops with it";
    } else if (removed_at > 0 && render == removed_at + 2) {
      jump_beside_ufo(w, 0, 0);
      game.backend.After(0, [&] {
        EXPECT_TRUE(w.TempScore == before && !w.Timer4.Enabled()) << "nothing left to hit";
        game.backend.MovePointer(0, 900);  // tilt: the next life must start without a UFO
      });
    } else if (removed_at > 0 && game.backend.boxes.size() == 3) {
      EXPECT_TRUE(game.backend.boxes[1].prompt == "TILT !!!" && w.Lives == 2);
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
}

}  // namespace
}  // namespace orbelon::gametest
