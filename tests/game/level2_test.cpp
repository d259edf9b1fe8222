// Winning level 1: the extra life, the fly-away, the winner's box and the score settled; then
// level 2 built on top of a level 1 in any state, or a level 2 that cannot be built.

#include <filesystem>
#include <stdexcept>

#include "game/support/game_fixture.h"

namespace orbelon::gametest {
namespace {

// Whatever level 1 used up or left running, the teardown finishes and level 2 stands complete,
// with the arrow of level 1 still at work, silent or not. The fly-away backs the camera away
// from the ball it keeps in view while the board tumbles, with the clock hidden and the pointer
// shown. A bonus landed during the fly-away is counted only as far as its 100 steps reach before
// the winner's box quotes the score.
TEST(Level2, StandsCompleteWhateverLevel1LeftBehind) {
  const struct {
    const char* name;
    std::function<void(engine::frmVorlet&)> leave;
  } states[] = {
      {"teleporters and pill used, UFO removed, rage over, silent",
       [](engine::frmVorlet& w) {
         w.fUFO.DeleteVisual(w.mUFO1);
         w.fUFO.DeleteVisual(w.mUFO2);
         w.fUFO = w.fBeam = w.fRage = Frame();
         w.UFOActive = false;
       }},
      {"UFO removal due, rage running, marker out, four lives",
       [](engine::frmVorlet& w) {
         w.Timer4.SetEnabled(true);
         w.fRage.AddVisual(w.mRage);
         w.Timer3.SetEnabled(true);
         w.fAnt.AddVisual(w.mAnt);
         w.Ant = false;
         w.Lives = 4;
       }},
  };
  const auto rage_size = [](Game& game) {
    const auto& p = *game.ViewOf(game.Vorlet().mRage).positions;
    return std::max_element(p.begin(), p.end(), [](auto a, auto b) { return a.x < b.x; })->x;
  };
  for (const auto& state : states) {
    SCOPED_TRACE(state.name);
    const bool used_up = &state == &states[0];
    Game game({ORBELON_GAME_DIR, "", !used_up});
    std::vector<BoxSeen> seen;
    AnswerEveryBox(game, seen);
    Frame old_root;
    uint32_t level2_began = 0;
    int fly_renders = 0;
    int32_t score_at_fly = 0;
    float camera_at_fly = 0, level1_rage = 0;
    Vector up, ball;
    game.backend.on_render = [&](int render) {
      engine::frmVorlet& w = game.Vorlet();
      const Frame scene_frame = game.SceneFrame();
      // Over teleporter 1, teleporter 2 and the pill in turn, as a player rolls.
      const float z[] = {-700, 700, 0};
      if (used_up && render >= 3 && render <= 7 && render % 2 == 1) {
        w.fVorlet.SetPosition(w.fBase, 0, w.StartY, z[(render - 3) / 2]);
      }
      if (render == 9) {
        EXPECT_EQ(w.Pill, used_up) << "the pill is held";
        state.leave(w);
        old_root = w.fBase;
        level1_rage = rage_size(game);
        up = Game::AxesOf(w.fBase, scene_frame).second;
        BallOnLastDisc(w);
      }
      const Vector camera = Game::PositionOf(w.MyCamera, w.fVorlet);
      const float distance = std::hypot(camera.x, camera.y, camera.z);
      if (w.CurrentPod > w.Pods && game.Globals().CurrentLevel == 1) {
        if (++fly_renders == 1) {
          score_at_fly = w.Score;
          camera_at_fly = distance;
          w.TempScore += 20000;  // as an ant jump beside the UFO would give
        }
        // Turned to the ball before the render's tick moved it on with the board.
        EXPECT_GT(AimCosine(game, w.MyCamera, ball), 0.999999f) << "fly-away " << fly_renders;
        // The board turns 0.15 a step about (1, 0, 1): its up vector, across that axis, with it.
        const Vector turned = Game::AxesOf(w.fBase, scene_frame).second;
        EXPECT_NEAR(std::acos(up.x * turned.x + up.y * turned.y + up.z * turned.z), 0.15f, 1e-3f);
        EXPECT_NEAR(turned.x + turned.z, 0, 1e-4f) << "fly-away " << fly_renders;
        up = turned;
        EXPECT_TRUE(!w.Label1.Visible() && game.backend.show_count == 0)
            << "the clock hidden and the pointer shown in the fly-away";
        EXPECT_TRUE(fly_renders < 100 || distance > camera_at_fly + 9000)
            << "the camera backs away";
      }
      ball = Game::PositionOf(w.fVorlet, scene_frame);
      if (game.Globals().CurrentLevel != 2) {
        return;
      }
      if (level2_began == 0) {
        level2_began = game.backend.Now();
        EXPECT_TRUE(fly_renders == 100 && w.Score == w.TempScore && w.CurrentPod == 0)
            << "the score is settled after the box";
        EXPECT_TRUE(w.UFOActive && w.Ant && !w.Pill && !w.Timer3.Enabled() && w.Lives == 3);
        EXPECT_TRUE(w.Pods == 11 && w.Label8.Caption() == "LEVEL: Demo2" &&
                    w.Label9.Caption() == "Checkpoints Remaining: 12");
        EXPECT_TRUE(Near(Game::PositionOf(w.fVorlet, scene_frame), {0, 11, 0}, 0))
            << "the ball is on the start point";
        const Vector rows[] = {{0, 0, 132},    {0, 0, -400},    {-300, 0, 400}, {348, 0, -426},
                               {300, 0, 400},  {-348, 0, -426}, {536, 0, 406},  {-545, 0, -507},
                               {-536, 0, 406}, {545, 0, -507},  {-510, 0, 550}, {510, 0, 550},
                               {0, 0, 0}};
        for (size_t row = 0; row < w.PodPos.size(); ++row) {
          EXPECT_TRUE(Near(w.PodPos[row], row < std::size(rows) ? rows[row] : Vector{}, 0)) << row;
        }
        EXPECT_TRUE(Near(Game::PositionOf(w.fTele1, w.fBase), {-502, 30, 614}, 0) &&
                    Near(Game::PositionOf(w.fTele2, w.fBase), {502, 30, 614}, 0) &&
                    Near(Game::PositionOf(w.fPill, w.fBase), {0, 5, 300}, 0));
        EXPECT_FLOAT_EQ(w.fDisc.Node()->spin_rate, -0.25f) << "the disc turns the other way";
        EXPECT_EQ(Game::PositionOf(w.fUFO, w.fBase).y, 80) << "the UFO flies at level 2's height";
        EXPECT_NEAR(rage_size(game) / level1_rage, 1.07f, 1e-5f) << "the rage grows once more";
        // Board and disc wear textures of their own, black drawn, with no material; the rim and
        // the pill wear level 1's.
        const auto look = [&](const scene::MeshBuilder& mesh) { return game.ViewOf(mesh); };
        EXPECT_TRUE(!look(w.mBase).texture.decal_transparency && !look(w.mBase).has_material &&
                    !look(w.mDisc).texture.decal_transparency && !look(w.mDisc).has_material &&
                    look(w.mRim).texture.id == w.tRim.Data()->id &&
                    look(w.mPill).texture.id == w.tCraq.Data()->id);
        EXPECT_TRUE(!Game::VisualsOn(w.fRage) && !Game::VisualsOn(w.fAnt)) << "rage or marker";
        EXPECT_TRUE(w.fArrow.GetParent() == old_root && old_root.GetParent() == scene_frame);
        EXPECT_EQ(scene::CollectScene(old_root).items.size(), 1u) << "only the arrow is left";
        const Vector disc = Game::PositionOf(w.fDisc, w.fArrow);
        EXPECT_LT(std::abs(disc.x) + std::abs(disc.y), 0.01f * disc.z) << "the arrow points away";
        const Game::Hit rim = game.PickFirst(w.fBase, {847, 18, 0});
        EXPECT_TRUE(rim.name.empty() && rim.point.y < 18) << "the rim has no name";
        EXPECT_EQ(game.backend.show_count, -1) << "the pointer is hidden again";
        CheckBoard(game, {{0, 0, "base"},
                          {-502, 614, "T1"},
                          {502, 614, "T2"},
                          {0, 300, "PILL"},
                          {0, -500, "base"},
                          {0, 900, ""},
                          {300, 120, ""}});
        w.fVorlet.SetPosition(scene_frame, 0, 11, 0);
      } else if (game.backend.Now() > level2_began + 3500) {
        EXPECT_TRUE(w.UFOActive && Game::VisualsOn(w.fUFO) == 2) << "the new UFO was removed";
        throw StopGame{};
      }
    };
    ASSERT_TRUE(game.Play().stopped);
    ASSERT_EQ(BoxTitles(game.backend), (std::vector<std::string>{"Ready:", "WINNER:", "Ready:"}));
    EXPECT_EQ(seen[1].box.prompt, std::to_string(score_at_fly + 10000) + " : Congratulations !!!")
        << "the box quotes the score as counted: at most 100 steps of 100";
    EXPECT_TRUE(seen[1].lives == 4 && seen[2].lives == 3) << "a life won, never more than four";
    EXPECT_EQ(game.backend.sound_calls.empty(), used_up) << "silence all the way into level 2";
  }
}

// A file of level 2 that cannot be read when level 1 is won ends the game naming it, the music
// before the teardown as much as the board after it: nothing plays on in a finished level.
// The start-up finds a broken install; a board file that goes away during level 1 is met only
// after level 1 has been torn down, with no board left to play on.
TEST(Level2, ABoardFileGoneSinceTheStartEndsTheGameNamingIt) {
  const std::string file = "spiderb.dax";
  FolderWithout folder("");
  Game game({folder.Path(), "", true});
  std::vector<BoxSeen> seen;
  AnswerEveryBox(game, seen);
  game.backend.on_render = [&](int render) {
    if (render == 3) {
      std::filesystem::remove(folder.Path() + "/" + file);
      BallOnLastDisc(game.Vorlet());
    }
  };
  try {
    game.Play();
    ADD_FAILURE() << "the game went on without " << file;
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find(file), std::string::npos) << error.what();
  }
  EXPECT_EQ(BoxTitles(game.backend), (std::vector<std::string>{"Ready:", "WINNER:"}));
}

}  // namespace
}  // namespace orbelon::gametest
