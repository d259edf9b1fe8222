// Level 1 drawn by the real renderer: the first picture of the set-up, and the view that play
// gives from behind the ball at the start point. Both are saved for a person to look at.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/frm_vorlet.h"
#include "platform/runtime/runtime.h"
#include "sdl_fixture.h"
#include "startup/program.h"

namespace orbelon {
namespace {

using testing::Backend;

struct StopGame {};

// The real backend with a hook after every canvas render; everything else goes straight through.
class HookedBackend : public platform::Backend {
 public:
  explicit HookedBackend(sdl::SdlBackend& real) : real_(real) {}
  std::function<void(const platform::Tessor&)> after_render;

  uint32_t TimeGetTime() override { return real_.TimeGetTime(); }
  int WallSecond() override { return real_.WallSecond(); }
  bool PollEvent(platform::InputEvent& event) override { return real_.PollEvent(event); }
  void WaitEvent(uint32_t timeout_ms) override { real_.WaitEvent(timeout_ms); }
  int CreateWindow(const platform::Form& form) override { return real_.CreateWindow(form); }
  void DestroyWindow(int window) override { real_.DestroyWindow(window); }
  void ShowWindow(int window, bool visible) override { real_.ShowWindow(window, visible); }
  void Present(const platform::Form& form) override { real_.Present(form); }
  void RenderCanvas(const platform::Tessor& canvas) override {
    real_.RenderCanvas(canvas);
    if (after_render) {
      after_render(canvas);
    }
  }
  void MoveMouseAbsolute(int x, int y) override { real_.MoveMouseAbsolute(x, y); }
  platform::PointL GetCursorPos() override { return real_.GetCursorPos(); }
  int ShowCursor(bool show) override { return real_.ShowCursor(show); }
  std::unique_ptr<platform::SoundSystem> CreateSoundSystem() override {
    return real_.CreateSoundSystem();
  }
  std::unique_ptr<platform::KeyboardDevice> CreateKeyboardDevice(const std::string& guid) override {
    return real_.CreateKeyboardDevice(guid);
  }
  int DisplayBitsPerPixel() override { return real_.DisplayBitsPerPixel(); }

 private:
  sdl::SdlBackend& real_;
};

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
  HookedBackend backend(Backend());
  platform::Runtime runtime(backend, ORBELON_GAME_DIR, "");
  startup::Program program(runtime);
  program.module1.SoundOff = true;
  engine::frmVorlet& w = program.PlayWindow();

  sdl::Pixels first;
  backend.after_render = [&](const platform::Tessor& canvas) {
    first = Backend().ReadCanvasPixels(canvas);
    throw StopGame{};
  };
  EXPECT_THROW(w.Show(), StopGame) << "the set-up draws once, right after Level1";
  ASSERT_GT(first.width, 0);
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

  sdl::Pixels shown;
  backend.after_render = [&](const platform::Tessor& canvas) {
    shown = Backend().ReadCanvasPixels(canvas);
  };
  w.Tessor1.Render();
  const sdl::Pixels behind = shown;
  ASSERT_GT(behind.width, 0);
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
  EXPECT_GT(PixelsThatDiffer(first, shown), area / 4) << "the board fills the first view";

  w.MyCamera.SetPosition(scene_frame, w.StartX, w.StartY + 500, w.StartZ - 500);
  w.MyCamera.LookAt(w.fVorlet, scene_frame, scene::D3DRMCONSTRAIN_Z);
  w.fRoll.DeleteVisual(w.mVorlet);
  w.Tessor1.Render();
  w.fRoll.AddVisual(w.mVorlet);
  const int mx = behind.width / 2;
  const int my = behind.height / 2;
  EXPECT_FALSE(testing::Near(testing::At(behind, mx, my), testing::At(shown, mx, my), 24))
      << "the ball is not in the middle of the view from behind it: "
      << testing::Describe(testing::At(behind, mx, my));

  backend.ShowCursor(true);  // the set-up hid it; the other tests of this program want it back
}

}  // namespace
}  // namespace orbelon
