// Level 1 drawn by the real renderer: the first picture of the set-up, and the view that play
// gives from behind the ball at the start point. Both are saved for a person to look at.

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <string>

#include "engine/frm_vorlet.h"
#include "platform/runtime/runtime.h"
#include "sdl_fixture.h"
#include "startup/program.h"

namespace orbelon {
namespace {

using testing::Backend;

// How many pixels of two pictures of one size differ by more than a few steps.
int PixelsThatDiffer(const sdl::Pixels& a, const sdl::Pixels& b) {
  int count = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      count += testing::Near(testing::At(a, x, y), testing::At(b, x, y), 24) ? 0 : 1;
    }
  }
  return count;
}

TEST(Level1Picture, FirstFrameAndTheViewFromBehindTheBall) {
  platform::Runtime runtime(Backend(), ORBELON_GAME_DIR, "");
  startup::Program program(runtime);
  program.module1.SoundOff = true;
  engine::frmVorlet& w = program.PlayWindow();

  // The set-up draws once, right after Level1, and then waits in the "Ready:" box, where the
  // first event processing takes this request to end.
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  EXPECT_THROW(w.Show(), platform::ProcessExit);
  const sdl::Pixels first = Backend().ReadCanvasPixels(w.Tessor1);
  testing::SavePng(first, "level1_first_frame.png");

  // Where the first life puts the ball, the disc and the UFO, and where the camera and the arrow
  // follow the ball in every pass.
  const scene::Frame scene_frame = w.Tessor1.SceneFrame();
  w.fVorlet.SetPosition(scene_frame, w.StartX, w.StartY, w.StartZ);
  w.fDisc.SetPosition(w.fBase, w.PodPos[0].x, w.PodPos[0].y, w.PodPos[0].z);
  w.fUFO.SetPosition(w.fBase, 700, w.StartY + 69, 0);
  w.MyCamera.SetPosition(scene_frame, w.StartX, w.StartY + 500, w.StartZ - 500);
  w.MyCamera.LookAt(w.fVorlet, scene_frame, scene::D3DRMCONSTRAIN_Z);
  w.fArrow.SetPosition(w.MyCamera, 8, -7, 20);
  w.fArrow.LookAt(w.fDisc, scene_frame, scene::D3DRMCONSTRAIN_Z);

  w.Tessor1.Render();
  const sdl::Pixels behind = Backend().ReadCanvasPixels(w.Tessor1);
  testing::SavePng(behind, "level1_behind_the_ball.png");

  // 6495 x 5175 twips.
  EXPECT_EQ(first.width, 433);
  EXPECT_EQ(first.height, 345);
  const int area = first.width * first.height;
  EXPECT_GT(PixelsThatDiffer(first, behind), area / 10) << "two views alike";

  // What an object adds to a view: the same view drawn again without it.
  w.MyCamera.SetPosition(scene_frame, 0, 0, 0);
  w.MyCamera.SetOrientation(scene_frame, 0, 0, 1, 0, 1, 0);
  w.MyCamera.SetPosition(w.MyCamera, 0, 400, -215);
  w.MyCamera.LookAt(w.fBase, scene_frame, scene::D3DRMCONSTRAIN_Z);
  w.fBase.DeleteVisual(w.mBase);
  w.Tessor1.Render();
  w.fBase.AddVisual(w.mBase);
  EXPECT_GT(PixelsThatDiffer(first, Backend().ReadCanvasPixels(w.Tessor1)), area / 4)
      << "the board fills the first view";

  w.MyCamera.SetPosition(scene_frame, w.StartX, w.StartY + 500, w.StartZ - 500);
  w.MyCamera.LookAt(w.fVorlet, scene_frame, scene::D3DRMCONSTRAIN_Z);
  w.fRoll.DeleteVisual(w.mVorlet);
  w.Tessor1.Render();
  w.fRoll.AddVisual(w.mVorlet);
  const testing::Rgb middle = testing::At(behind, behind.width / 2, behind.height / 2);
  EXPECT_FALSE(testing::ColourAt(Backend().ReadCanvasPixels(w.Tessor1), behind.width / 2,
                                 behind.height / 2, middle, 24))
      << "the ball is not in the middle of the view from behind it";

  // The pointer's show count back to 0, wherever the set-up left it, for the other tests here.
  for (int count = Backend().ShowCursor(true); count != 0;
       count = Backend().ShowCursor(count < 0)) {
  }
}

}  // namespace
}  // namespace orbelon
