// The player's buttons on level 1: the ant marker put out under the ball, rising to 33, and the
// jump to it from wherever the ball rolled or fell; the right button's rage on a held pill.

#include <numbers>

#include "game/support/game_fixture.h"

namespace orbelon::gametest {
namespace {

bool AtStart(const Vector& v, float y) {
  return v.x == 0 && v.y == y && v.z == 300;
}

TEST(AntMarker, OnlyOverBareBoardItRisesTo33AndTheJumpLandsAtStartHeight) {
  Game game;
  const int out = 6;  // the render after which the marker goes out
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render >= 3 && render <= 5) {
      // Refused: another name than "base", Locked, a third button.
      w.FloorName = render == 3 ? "Base" : "base";
      w.Locked = render == 4;
      game.Press(render == 5 ? 3 : 1);
    } else if (render == out) {
      EXPECT_TRUE(w.Ant && game.Calls("pill.daw") == 0) << "no marker was put out";
      game.Press(1);
      game.backend.After(0, [&] {
        EXPECT_TRUE(AtStart(Game::PositionOf(w.fAnt, w.fBase), -20) && Game::VisualsOn(w.fAnt));
        game.backend.MovePointer(15, 0);  // roll away while it rises
      });
    } else if (render > out && render <= out + 110) {
      const float height = std::min(-20 + 0.5f * static_cast<float>(render - out), 33.0f);
      EXPECT_EQ(Game::PositionOf(w.fAnt, w.fBase).y, height) << "pass " << render - out;
      if (render == out + 8) {
        game.backend.MovePointer(-15, 0);
      }
    } else if (render == out + 111) {
      EXPECT_TRUE(Game::PositionOf(w.fVorlet, w.fBase).x > 20 && w.xSpeed != 0);
      game.Press(1);
      game.backend.After(0, [&] {
        EXPECT_TRUE(AtStart(Game::PositionOf(w.fVorlet, w.fBase), 15))
            << "the ball lands at its start height, not the marker's 33";
        EXPECT_TRUE(w.xSpeed == 0 && w.zSpeed == 0 && w.Ant && !Game::VisualsOn(w.fAnt));
        EXPECT_TRUE(w.ParticlesOn && AtStart(Game::PositionOf(w.fParticles, w.fBase), 15));
        EXPECT_EQ(game.Calls("pill.daw") + game.Calls("tele.daw"), 2);
        throw StopGame{};
      });
    }
  };
  ASSERT_TRUE(game.Play().stopped);
}

TEST(AntMarker, AJumpDuringAFallEndsItWithNoLifeLost) {
  Game game;
  int fall_steps = 0;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render == 3) {
      w.FloorName = "base";
      game.Press(1);
    } else if (render == 4) {
      w.fVorlet.SetPosition(w.fBase, 2000, 15, 300);  // past the board's edge
    } else if (w.Locked && ++fall_steps == 10) {
      game.Press(1);
    } else if (fall_steps >= 10) {
      EXPECT_EQ(fall_steps, 10) << "the fall ended at the step of the jump";
      EXPECT_TRUE(AtStart(Game::PositionOf(w.fVorlet, w.fBase), 15) && w.Label1.Visible());
      EXPECT_TRUE(w.Lives == 3 && game.backend.boxes.size() == 1) << "no life lost";
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
}

// Each pass of the rage makes the spin 5 % faster, in single precision, and fRage turns at the
// new rate.
TEST(Rage, AHeldPillSpinsItUpFiveSecondsAndOnlyOnce) {
  Game game;
  uint32_t start = 0;
  float spin = 0, turn = 0;
  int pass = 0;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render == 3) {
      game.Press(2);
    } else if (render == 4) {
      EXPECT_TRUE(!w.Timer3.Enabled() && game.Calls("rage.daw") == 0) << "no pill, no rage";
      w.Pill = true;
      w.RageSpin = 1;  // whatever was left, a rage starts slow
      game.Press(2);
      game.backend.After(0, [&] {
        start = game.backend.Now();
        spin = w.RageSpin;
        turn = Game::TurnAboutY(w.fRage, w.fBase);
        EXPECT_TRUE(spin == 0.002f && w.Timer3.Enabled() && !w.Pill && Game::VisualsOn(w.fRage));
      });
    } else if (start > 0 && w.Timer3.Enabled()) {
      spin = static_cast<float>(static_cast<double>(spin) * 1.05);
      ++pass;
      EXPECT_EQ(w.RageSpin, spin) << "pass " << pass << ": 5 % more, kept in single precision";
      // Past a half turn a pass the turn can no longer be read back.
      const float turned = Game::TurnAboutY(w.fRage, w.fBase);
      EXPECT_TRUE(spin > 3 ||
                  std::abs(std::remainder(turned - turn, 2 * std::numbers::pi_v<float>) - spin) <
                      1e-5f)
          << "pass " << pass << ": fRage turns at the new rate";
      turn = turned;
      EXPECT_TRUE(pass != 50 || std::abs(spin - 0.0229f) < 1e-4f);
    } else if (start > 0) {
      const uint32_t lasted = game.backend.Now() - start;
      EXPECT_TRUE(lasted >= 5000 && lasted < 5060) << "the rage lasted " << lasted << " ms";
      EXPECT_TRUE(!w.fRage && w.RageSpin == spin);
      game.Press(2);
      game.backend.After(0, [&] {
        EXPECT_TRUE(!w.Timer3.Enabled() && game.Calls("rage.daw") == 1) << "the pill is spent";
        throw StopGame{};
      });
    }
  };
  ASSERT_TRUE(game.Play().stopped);
}

}  // namespace
}  // namespace orbelon::gametest
