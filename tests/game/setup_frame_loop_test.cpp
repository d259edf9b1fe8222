// The play window as designed, the order of the set-up and the passes of the frame loop, watched
// at the canvas's renders (the set-up renders once right after Level1, and every pass renders
// once), and what every pass does to the view: the camera rides 500 above and 500 behind the
// ball whatever the board does, the arrow holds its spot in the view and points at the disc,
// and its colour pulses in single precision.

#include "game/support/game_fixture.h"

namespace orbelon::gametest {
namespace {

// The play window as it is designed: where its read-outs stand, how they look and what they say
// before the game writes them.
TEST(PlayWindow, LaidOutAsDesigned) {
  Game game;
  engine::frmVorlet& w = game.Vorlet();
  using platform::RGB;
  const uint32_t yellow = RGB(255, 255, 0), pink = RGB(255, 192, 255), blue = RGB(0, 0, 192);
  // The style: b bold, i italic, c centred, h hidden.
  const struct {
    const platform::Label& label;
    platform::Rect bounds;
    const char* caption;
    uint32_t colour;
    float size;
    std::string style;
  } labels[] = {
      {w.Label9, {120, 45, 3255, 255}, "Checkpoints Remaining: 13", pink, 9.75f, "b"},
      {w.Label8, {4800, 45, 1575, 255}, "LEVEL: Demo1", blue, 9.75f, "b"},
      {w.Label2, {240, 5640, 1215, 255}, "SCORE:", yellow, 12, "b"},
      {w.lblScore, {1320, 5640, 1215, 255}, "000000", yellow, 12, "b"},
      {w.Label3, {2400, 5640, 615, 255}, "Time", yellow, 9.75f, "b"},
      {w.Label4, {2400, 5880, 735, 255}, "Bonus:", yellow, 9.75f, "b"},
      {w.Label1, {2280, 6120, 975, 375}, "", yellow, 13.5f, "bch"},
      {w.Label5, {240, 6120, 1215, 375}, "Shooter", yellow, 12, "bi"},
      {w.Label7, {240, 6360, 975, 255}, "Speed: 1", yellow, 8.25f, "h"},
      {w.Label6,
       {0, 6600, 6495, 240},
       "* Press Esc to Quit/Pause *",
       RGB(128, 255, 255),
       8.25f,
       "bc"},
  };
  const auto same = [](platform::Rect a, platform::Rect b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
  };
  for (const auto& l : labels) {
    const platform::Font& font = l.label.GetFont();
    const auto has = [&](char c) { return l.style.find(c) != std::string::npos; };
    EXPECT_TRUE(same(l.label.Bounds(), l.bounds) && l.label.Caption() == l.caption &&
                l.label.ForeColor() == l.colour && l.label.Transparent() &&
                l.label.Visible() != has('h') && font.name == "MS Sans Serif" &&
                font.size == l.size && font.bold == has('b') && font.italic == has('i') &&
                !font.underline &&
                (l.label.GetAlignment() == platform::Alignment::Center) == has('c'))
        << l.label.Name() << ": place, caption, colour, ground, visibility, font or alignment";
  }
  int left = 3600;
  for (const platform::Image* image : {&w.Image1, &w.Image2, &w.Image3}) {
    EXPECT_TRUE(same(image->Bounds(), {left, 5520, 1020, 1020}) && image->Border() &&
                !image->Visible() && image->GetPicture()->width == 64 &&
                image->GetPicture()->height == 64)
        << image->Name();
    left += 960;
  }
  EXPECT_TRUE(same(w.Tessor1.Bounds(), {0, 360, 6495, 5175}));
  EXPECT_TRUE(w.ClientWidth() == 6450 && w.ClientHeight() == 6825 && w.BackColor() == 0 &&
              w.GetPicture()->width == 450 && w.GetPicture()->height == 500 && w.KeyPreview() &&
              w.Border() == platform::BorderStyle::FixedSingle &&
              w.Caption().rfind("Orbelon V3.01", 0) == 0);
  // The diagnostic read-outs are never seen.
  for (const platform::TextBox* box :
       {&w.Text1, &w.Text2, &w.Text3, &w.Text4, &w.Text5, &w.Text6, &w.Text7, &w.Text8, &w.Text9,
        &w.Text10, &w.Text11, &w.Text12, &w.Text13, &w.Text14, &w.Text15, &w.Text16}) {
    EXPECT_TRUE(!box->Visible() && box->Bounds().left >= (box == &w.Text16 ? 0 : 6450))
        << box->Name();
  }
}

TEST(FrameLoop, EachPassSetsCanFallShowsTheWindowAndStopsTheBallsSpinAfterItsRender) {
  Game game;
  int marked = -1;  // the render before which the marks below were made
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render == marked) {
      EXPECT_TRUE(w.CanFall && !w.IsVisible()) << "CanFall first, the window after the render";
      EXPECT_NEAR(Game::TurnAboutY(w.fRoll, w.fVorlet), 0.5f, 1e-4f) << "the ball's spin turned";
    } else if (render == marked + 1) {
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

// From render 20 on the canvas takes 50 ms to draw, and every pass is late.
TEST(FrameLoop, PassesRun30msApartAcrossTheClockWrapsAndLatePassesDoNotWait) {
  // The millisecond clock wraps at 2^32, and turns negative read as signed at 2^31.
  for (const uint32_t start : {0u, 0xFFFFFF00u, 0x7FFFFF00u}) {
    SCOPED_TRACE(start);
    Game game;
    game.backend.SetClock(start);
    std::vector<uint32_t> pass_times;
    std::vector<int> handled_at;  // the render count when each scripted event ran
    game.backend.on_render = [&](int render) {
      if (render >= 2) {
        pass_times.push_back(game.backend.Now());
      }
      if (render >= 20) {
        game.backend.SetClock(game.backend.Now() + 50);
      }
      if (render == 20) {
        for (uint32_t delay = 0; delay <= 150; delay += 50) {
          game.backend.After(delay, [&] { handled_at.push_back(game.backend.canvas_renders); });
        }
      }
      if (render == 26) {
        throw StopGame{};
      }
    };
    ASSERT_TRUE(game.Play().stopped);
    ASSERT_LT(pass_times.front() - start, 0x100u) << "the wrap must lie inside the run";
    for (size_t i = 1; i < pass_times.size(); ++i) {
      EXPECT_EQ(pass_times[i] - pass_times[i - 1], i + 2 <= 20 ? 30u : 50u)
          << "render " << i + 2 << ": a late pass starts the next at once";
    }
    // No pacing wait processes events once the passes are late: only the pass's own step does.
    EXPECT_EQ(handled_at, (std::vector<int>{20, 21, 22, 23}));
  }
}

// The camera rides 500 above and 500 behind the ball whatever the board does, and the arrow holds
// its spot in the view and points at the disc wherever it is. The 20th step of 0.05 lands a hair
// above 1 in single precision, so the arrow's pulse turns on the 20th pass, not the 21st; a lost
// life on the way restarts nothing.
TEST(View, TheCameraRidesBehindTheBallAndTheArrowFindsTheDiscAndPulses) {
  Game game;
  // Disc places relative to the ball: ahead, aside, behind the camera, below it.
  const Vector places[] = {{0, 0, 400}, {-600, 0, 0}, {50, 0, -2000}, {0, -1500, -600}};
  std::vector<float> glow;  // after each pass; pass n's value shows at render n + 2
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    const Vector ball = Game::PositionOf(w.fVorlet, game.SceneFrame());
    if (render >= 3) {
      EXPECT_TRUE(CameraBehind(game, ball)) << "render " << render;
      EXPECT_TRUE(Near(Game::PositionOf(w.fArrow, w.MyCamera), {8, -7, 20}, 1e-3f)) << render;
      EXPECT_GT(AimCosine(game, w.fArrow, Game::PositionOf(w.fDisc, game.SceneFrame())), 0.99999f)
          << "render " << render;
      glow.push_back(game.Globals().ArrowGlow);
      const glm::vec3 colour = game.ViewOf(w.mArrow).color;
      EXPECT_TRUE(colour.r == 0.2f && colour.g == 0 &&
                  std::abs(colour.b - std::clamp(glow.back(), 0.0f, 1.0f)) < 1e-6)
          << "render " << render;
    }
    // The hand tilts the board while the ball rolls; the disc moves about.
    if (render >= 2 && render < 30 && render % 4 == 2) {
      game.backend.MovePointer(render % 8 == 2 ? 14 : -9, render % 12 == 2 ? -12 : 5);
      const Vector& p = places[static_cast<size_t>(render / 4) % 4];
      w.fDisc.SetPosition(game.SceneFrame(), ball.x + p.x, ball.y + p.y, ball.z + p.z);
    } else if (render == 30) {
      EXPECT_LT(Game::AxesOf(w.fBase, game.SceneFrame()).second.y, 0.999f) << "well tilted";
      game.backend.MovePointer(0, 900);  // over the top: "TILT !!!" and a new life
    }
    if (glow.size() == 45) {
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_EQ(game.Vorlet().Lives, 2) << "the tilt cost a life";
  const auto pass = [&](size_t n) { return glow[n - 1]; };
  EXPECT_TRUE(pass(1) == 0.05f && pass(20) == 1.0000001f && pass(21) == 0.9500001f);
  EXPECT_TRUE(pass(40) < 0 && std::abs(pass(40) + 0.00000004) < 0.5e-8) << pass(40);
  EXPECT_NEAR(pass(41), 0.04999996, 0.5e-8);
  for (size_t n = 2; n <= 45; ++n) {
    EXPECT_NEAR(pass(n) - pass(n - 1), n <= 20 || n > 40 ? 0.05f : -0.05f, 1e-6) << "pass " << n;
  }
}

}  // namespace
}  // namespace orbelon::gametest
