// The canvas as OpenGL draws it: colours, depth, which way is up and right, textures with and
// without decal transparency, the background, the canvas's place in its window; and level 1 as
// the real renderer draws it, from the set-up and from behind the ball, saved for a person.

#include <SDL.h>
#include <gtest/gtest.h>
#include <stb_image_write.h>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/frm_vorlet.h"
#include "platform/canvas/tessor.h"
#include "platform/runtime/runtime.h"
#include "sdl_fixture.h"
#include "startup/program.h"

namespace orbelon::testing {
namespace {

// Files of the running test alone: ctest runs the tests of this program side by side.
std::string WorkFile(const std::string& name) {
  std::filesystem::path folder = std::filesystem::path(ORBELON_TEST_OUTPUT) / "sdl_scene" /
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::filesystem::create_directories(folder);
  return (folder / name).string();
}

// A unit square facing the camera, with u running 0 to 1 from left to right.
std::string SquareFile() {
  const std::string path = WorkFile("square.dax");
  std::ofstream(path) << "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 1\nvt 1 1\nvt 1 0\nvt 0 0\n"
                         "vn 0 0 -1\nf 1/1/1 2/2/1 3/3/1 4/4/1\n";
  return path;
}

// 16 x 2 texels: black on the left half, white on the right.
std::string BlackWhiteTexture() {
  std::string path = WorkFile("black_white.png");
  std::vector<uint8_t> texels;
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 16; ++x) {
      uint8_t v = x < 8 ? 0 : 255;
      texels.insert(texels.end(), {v, v, v, 255});
    }
  }
  stbi_write_png(path.c_str(), 16, 2, 4, texels.data(), 16 * 4);
  return path;
}

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGround{0, 128, 0};

class CanvasForm : public PlainForm {
 public:
  // The canvas is 200 x 150 pixels, 10 pixels in from the form's top-left corner and 20 above
  // its bottom, so that a canvas turned upside down in its window shows.
  CanvasForm() : PlainForm("CanvasForm", 220, 180) { SetBackColor(platform::RGB(0, 128, 0)); }
  platform::Tessor canvas{*this, "Tessor1", Twips(10, 10, 200, 150)};
};

// The camera stands at the origin looking along +z. At depth 10 the view spans x from -5 to 5
// across 200 pixels and y from -3.75 to 3.75 across 150.
class SceneOnCanvas : public ::testing::Test {
 protected:
  void SetUp() override {
    form.canvas.StartCanvas();
    scene = form.canvas.SceneFrame();
    root = &form.canvas.D3DRM();
    scene.SetSceneBackgroundRGB(0, 0, 1);
  }

  // A rectangle facing the camera at depth z.
  scene::MeshBuilder AddQuad(float left, float bottom, float right, float top, float z) {
    scene::MeshBuilder mesh = root->CreateMeshBuilder();
    mesh.LoadFromFile(SquareFile());
    mesh.ScaleMesh(right - left, top - bottom, 1);
    mesh.Translate(left, bottom, z);
    root->CreateFrame(scene).AddVisual(mesh);
    return mesh;
  }

  CanvasForm form;
  scene::Frame scene;
  scene::Root* root = nullptr;
};

TEST_F(SceneOnCanvas, ColoursDepthAndOrientation) {
  // Nearer and drawn first: the depth test, not the order, puts it in front of the red one.
  AddQuad(-1.5f, -0.25f, -1.0f, 0.25f, 5).SetColorRGB(0, 1, 0);
  AddQuad(-4, -1, -1, 1, 10).SetColorRGB(1, 0, 0);
  AddQuad(-4, 2, -1, 3, 10).SetColorRGB(1, 1, 0);
  form.canvas.Render();
  sdl::Pixels pixels = Backend().ReadCanvasPixels(form.canvas);
  SavePng(pixels, "sdl_canvas_colours.png");
  ASSERT_EQ(pixels.width, 200);
  ASSERT_EQ(pixels.height, 150);

  // Lit by 0.4 ambient and 0.8 directional light at an angle: between dim and full.
  EXPECT_TRUE(ColourAt(pixels, 30, 75, {185, 0, 0}, 65)) << "the red quad on the left (x < 0)";
  EXPECT_TRUE(ColourAt(pixels, 50, 25, {185, 185, 0}, 65)) << "the yellow quad at the top (y > 0)";
  EXPECT_TRUE(ColourAt(pixels, 50, 75, {0, 185, 0}, 65)) << "the nearer green quad in front";
  for (auto [x, y] : {std::pair{2, 2}, std::pair{170, 75}, std::pair{50, 125}}) {
    EXPECT_TRUE(ColourAt(pixels, x, y, kBlue)) << "only the background on the right and below";
  }
  scene.SetSceneBackgroundRGB(0, 1, 0);
  form.canvas.Render();
  EXPECT_TRUE(ColourAt(Backend().ReadCanvasPixels(form.canvas), 170, 75, {0, 255, 0}))
      << "a new background colour shows in the next frame";
}

// Over a background image whose left half is black and right half white: a red quad on the left,
// and on the right the black-and-white texture with decal transparency (top) and without (below).
TEST_F(SceneOnCanvas, DecalsBackgroundImageAndTheCanvasInItsWindow) {
  const std::string file = BlackWhiteTexture();
  scene.SetSceneBackgroundImage(root->LoadTexture(file));
  AddQuad(-4, -1, -1, 1, 10).SetColorRGB(1, 0, 0);
  scene::Texture see_through = root->LoadTexture(file);
  see_through.SetDecalTransparency(1);
  see_through.SetDecalTransparentColor(0);
  AddQuad(1, 0.5f, 4, 2, 10).SetTexture(see_through);
  AddQuad(1, -2, 4, -0.5f, 10).SetTexture(root->LoadTexture(file));
  form.Show();
  form.canvas.Render();
  sdl::Pixels canvas = Backend().ReadCanvasPixels(form.canvas);
  SavePng(canvas, "sdl_canvas_textures.png");

  EXPECT_TRUE(ColourAt(canvas, 0, 0, kBlack)) << "the image's left half, unblended with its right";
  EXPECT_TRUE(ColourAt(canvas, 199, 149, kWhite)) << "its right half, down to the bottom";
  EXPECT_GT(At(canvas, 30, 75).r, 150) << "the scene in front of the image";
  // The quads span columns 120 to 180: black texels on the left, white on the right.
  EXPECT_TRUE(ColourAt(canvas, 135, 50, kWhite)) << "black texels of a decal show what is behind";
  EXPECT_TRUE(ColourAt(canvas, 135, 100, kBlack)) << "without decal transparency black is drawn";
  const Rgb white = At(canvas, 165, 100);
  EXPECT_TRUE(white.r > 120 && white.r < 240 && Near(white, Rgb{white.r, white.r, white.r}, 4))
      << "white texels are drawn lit: " << white;
  EXPECT_TRUE(ColourAt(canvas, 165, 50, white)) << "and the same on the decal";

  sdl::Pixels window = Backend().ReadWindowPixels(form);
  SavePng(window, "sdl_canvas_window.png");
  ASSERT_EQ(window.width, 220);
  EXPECT_TRUE(ColourAt(window, 5, 5, kGround, 0)) << "the form's ground around the canvas";
  EXPECT_TRUE(ColourAt(window, 215, 175, kGround, 0));
  EXPECT_TRUE(ColourAt(window, 5, 85, kGround, 0)) << "left of the canvas";
  EXPECT_TRUE(ColourAt(window, 215, 85, kGround, 0)) << "right of it";
  EXPECT_TRUE(ColourAt(window, 10, 10, kBlack)) << "the canvas's first pixel at (10, 10)";
  EXPECT_TRUE(ColourAt(window, 209, 159, kWhite)) << "and its last at (209, 159)";
  for (int x : {40, 60}) {
    EXPECT_TRUE(ColourAt(window, x + 10, 85, At(canvas, x, 75), 0)) << "not the canvas's pixel";
  }

  see_through.SetDecalTransparency(0);
  form.canvas.Render();
  canvas = Backend().ReadCanvasPixels(form.canvas);
  EXPECT_TRUE(ColourAt(canvas, 135, 50, kBlack))
      << "switched off later, the same texture draws its black again";
  EXPECT_TRUE(ColourAt(canvas, 165, 50, white)) << "and its white, filtered as any texture";
}

// Pass after pass, a window sends the screen only its canvas; what else changed must still show.
TEST_F(SceneOnCanvas, TheWindowFollowsItsCanvasAndItsFormPassAfterPass) {
  AddQuad(-4, -1, -1, 1, 10).SetColorRGB(1, 0, 0);
  form.Show();
  form.canvas.Render();
  Backend().Present(form);
  scene.SetSceneBackgroundRGB(1, 1, 0);
  form.canvas.Render();
  Backend().Present(form);
  sdl::Pixels window = Backend().ReadWindowPixels(form);
  EXPECT_TRUE(ColourAt(window, 180, 85, {255, 255, 0})) << "the canvas of the latest pass";
  EXPECT_TRUE(ColourAt(window, 5, 5, kGround, 0)) << "the form around it, drawn before";

  form.SetBackColor(platform::RGB(128, 0, 128));
  form.canvas.Render();
  Backend().Present(form);
  window = Backend().ReadWindowPixels(form);
  for (auto [x, y] : {std::pair{5, 5}, std::pair{215, 175}, std::pair{5, 85}, std::pair{215, 85}}) {
    EXPECT_TRUE(ColourAt(window, x, y, {128, 0, 128}, 0)) << "the form's new colour";
  }
  EXPECT_TRUE(ColourAt(window, 180, 85, {255, 255, 0})) << "and the canvas over it";
}

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
}  // namespace orbelon::testing
