// The canvas as OpenGL draws it: colours, depth, which way is up and right, textures with and
// without decal transparency, the background, and the canvas's place in its window.

#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include <stb_image_write.h>

#include "platform/canvas/tessor.h"
#include "sdl_fixture.h"

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

TEST(CanvasDisplay, ReportsHighColour) {
  EXPECT_EQ(Backend().DisplayBitsPerPixel(), 16) << "an RGB565 target can be made with Mesa";
}

}  // namespace
}  // namespace orbelon::testing
