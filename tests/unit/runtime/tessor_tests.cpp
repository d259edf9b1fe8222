// The canvas control: what exists before and after StartCanvas, Render and the mouse event.

#include <cmath>

#include "platform/canvas/tessor.h"
#include "platform/error.h"
#include "runtime_fixture.h"

namespace orbelon::testing {
namespace {

class Canvas : public RuntimeTest {
 protected:
  TestForm form{runtime, "frmVorlet"};
  platform::Tessor canvas{form, "Tessor1", {0, 360, 6495, 5175}};
};

TEST_F(Canvas, SceneFrameFirstTheRestAfterStartCanvas) {
  const scene::Frame scene_frame = canvas.SceneFrame();
  ASSERT_TRUE(scene_frame);
  EXPECT_THROW(canvas.D3DRM(), platform::PlatformError);
  EXPECT_THROW(canvas.CameraFrame(), platform::PlatformError);
  EXPECT_THROW(canvas.Viewport(), platform::PlatformError);
  EXPECT_THROW(canvas.Render(), platform::PlatformError);

  canvas.StartCanvas();
  EXPECT_TRUE(canvas.SceneFrame() == scene_frame) << "the same root frame before and after";
  EXPECT_TRUE(canvas.CameraFrame().GetParent() == scene_frame)
      << "the camera hangs under the scene frame";
  EXPECT_FLOAT_EQ(canvas.Viewport().GetField(), 0.5f);
  EXPECT_FLOAT_EQ(canvas.Viewport().GetFront(), 1.0f);
}

TEST_F(Canvas, RenderAdvancesTheSceneThenDrawsAndPresents) {
  canvas.StartCanvas();
  scene::Frame spinner = canvas.D3DRM().CreateFrame(canvas.SceneFrame());
  spinner.SetRotation(canvas.SceneFrame(), 0, 1, 0, 0.1f);
  form.Show();
  const int presents = backend.presents;

  canvas.Render();
  canvas.Render();
  scene::Vector dir;
  scene::Vector up;
  spinner.GetOrientation(canvas.SceneFrame(), dir, up);
  EXPECT_NEAR(dir.x, std::sin(0.2f), 1e-5) << "each Render turns a spin once";
  EXPECT_NEAR(dir.z, std::cos(0.2f), 1e-5);
  EXPECT_EQ(backend.canvas_renders, 2);
  EXPECT_EQ(backend.presents, presents + 2) << "each Render shows the window at once";
}

TEST_F(Canvas, MouseButtonsRaiseTheCanvasEventOnThePress) {
  std::vector<int> buttons;
  canvas.MouseButton = [&](int16_t button, int16_t, float, float) { buttons.push_back(button); };
  form.Show();
  backend.PressButtonAt(form, 100, 100, 1);
  runtime.DoEvents();
  EXPECT_EQ(buttons, (std::vector<int>{1})) << "the canvas's event comes with the press";
  backend.ReleaseButtonAt(form, 100, 100, 1);
  backend.ClickAt(form, 100, 100, 2);
  backend.ClickAt(form, 100, 10, 1);  // above the canvas
  runtime.DoEvents();
  EXPECT_EQ(buttons, (std::vector<int>{1, 2})) << "and never with the release";
  EXPECT_EQ(form.clicks, 1) << "the canvas takes its own clicks";
}

}  // namespace
}  // namespace orbelon::testing
