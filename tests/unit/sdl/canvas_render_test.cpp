// The canvas as OpenGL draws it: colours, depth, which way is up and right, textures with and
// without decal transparency, the background, and the canvas's place in its window.

#include <filesystem>
#include <fstream>
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

// A rectangle facing the camera at depth z, with u running 0 to 1 from left to right.
std::string QuadFile(const std::string& name, float left, float bottom, float right, float top,
                     float z) {
  std::string path = WorkFile(name);
  std::ofstream out(path);
  out << "v " << left << ' ' << bottom << ' ' << z << "\nv " << right << ' ' << bottom << ' ' << z
      << "\nv " << right << ' ' << top << ' ' << z << "\nv " << left << ' ' << top << ' ' << z
      << "\nvt 0 1\nvt 1 1\nvt 1 0\nvt 0 0\nvn 0 0 -1\n"
      << "f 1/1/1 2/2/1 3/3/1 4/4/1\n";
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

class CanvasForm : public PlainForm {
 public:
  // The canvas is 200 x 150 pixels, 10 pixels in from the form's top-left corner.
  CanvasForm() : PlainForm("CanvasForm", 220, 170) { SetBackColor(platform::RGB(0, 128, 0)); }
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

  scene::MeshBuilder AddQuad(const std::string& name, float left, float bottom, float right,
                             float top, float z) {
    scene::MeshBuilder mesh = root->CreateMeshBuilder();
    mesh.LoadFromFile(QuadFile(name + ".dax", left, bottom, right, top, z));
    scene::Frame frame = root->CreateFrame(scene);
    frame.AddVisual(mesh);
    return mesh;
  }

  CanvasForm form;
  scene::Frame scene;
  scene::Root* root = nullptr;
};

TEST_F(SceneOnCanvas, ColoursDepthAndOrientation) {
  // Nearer and drawn first: the depth test, not the order, puts it in front of the red one.
  AddQuad("green", -1.5f, -0.25f, -1.0f, 0.25f, 5).SetColorRGB(0, 1, 0);
  AddQuad("red", -4, -1, -1, 1, 10).SetColorRGB(1, 0, 0);
  AddQuad("yellow", -4, 2, -1, 3, 10).SetColorRGB(1, 1, 0);
  form.canvas.Render();
  sdl::Pixels pixels = Backend().ReadCanvasPixels(form.canvas);
  SavePng(pixels, "sdl_canvas_colours.png");
  ASSERT_EQ(pixels.width, 200);
  ASSERT_EQ(pixels.height, 150);

  EXPECT_TRUE(Near(At(pixels, 2, 2), Rgb{0, 0, 255})) << "the background colour";
  Rgb red = At(pixels, 30, 75);
  EXPECT_TRUE(red.r > 150 && red.g < 30 && red.b < 30)
      << "the red quad on the left (x < 0 is left), got " << Describe(red);
  EXPECT_TRUE(Near(At(pixels, 170, 75), Rgb{0, 0, 255}))
      << "nothing on the right, got " << Describe(At(pixels, 170, 75));
  Rgb yellow = At(pixels, 50, 25);
  EXPECT_TRUE(yellow.r > 150 && yellow.g > 150 && yellow.b < 30)
      << "the yellow quad at the top (y > 0 is up), got " << Describe(yellow);
  EXPECT_TRUE(Near(At(pixels, 50, 125), Rgb{0, 0, 255})) << "nothing at the bottom";
  Rgb green = At(pixels, 50, 75);
  EXPECT_TRUE(green.g > 150 && green.r < 30)
      << "the nearer green quad in front of the red one, got " << Describe(green);
  // Lit by 0.4 ambient and 0.8 directional light at an angle: between dim and full.
  EXPECT_GT(red.r, 120);
  EXPECT_LT(red.r, 250);
}

TEST_F(SceneOnCanvas, DecalTransparencyOnlyWhereSwitchedOn) {
  std::string file = BlackWhiteTexture();
  scene::Texture see_through = root->LoadTexture(file);
  see_through.SetDecalTransparency(1);
  see_through.SetDecalTransparentColor(0);
  scene::Texture solid = root->LoadTexture(file);
  AddQuad("decal", 1, 0.5f, 4, 2, 10).SetTexture(see_through);
  AddQuad("solid", 1, -2, 4, -0.5f, 10).SetTexture(solid);
  form.canvas.Render();
  sdl::Pixels pixels = Backend().ReadCanvasPixels(form.canvas);
  SavePng(pixels, "sdl_canvas_decal.png");

  // Top quad (columns 120 to 180, rows 35 to 65): black texels on the left, white on the right.
  EXPECT_TRUE(Near(At(pixels, 135, 50), Rgb{0, 0, 255}))
      << "black texels of a decal texture let the background through, got "
      << Describe(At(pixels, 135, 50));
  Rgb white = At(pixels, 165, 50);
  EXPECT_TRUE(white.r > 120 && Near(white, Rgb{white.r, white.r, white.r}, 4))
      << "its white texels are drawn, lit: " << Describe(white);
  EXPECT_TRUE(Near(At(pixels, 135, 100), Rgb{0, 0, 0}))
      << "without decal transparency black is drawn, got " << Describe(At(pixels, 135, 100));
  EXPECT_TRUE(Near(At(pixels, 165, 100), white)) << "and white the same as above";

  // Switched off later, the same texture draws its black again.
  see_through.SetDecalTransparency(0);
  form.canvas.Render();
  pixels = Backend().ReadCanvasPixels(form.canvas);
  EXPECT_TRUE(Near(At(pixels, 135, 50), Rgb{0, 0, 0})) << Describe(At(pixels, 135, 50));
}

TEST_F(SceneOnCanvas, BackgroundImageFillsTheViewAndCanvasSitsInItsWindow) {
  scene.SetSceneBackgroundImage(root->LoadTexture(BlackWhiteTexture()));
  AddQuad("red", -4, -1, -1, 1, 10).SetColorRGB(1, 0, 0);
  form.Show();
  form.canvas.Render();
  sdl::Pixels canvas = Backend().ReadCanvasPixels(form.canvas);
  EXPECT_TRUE(Near(At(canvas, 0, 0), Rgb{0, 0, 0}))
      << "left half of the stretched image, not blended with the far edge: "
      << Describe(At(canvas, 0, 0));
  EXPECT_TRUE(Near(At(canvas, 199, 149), Rgb{255, 255, 255})) << "right half, down to the bottom";
  EXPECT_TRUE(At(canvas, 30, 75).r > 150) << "the scene in front of the image";

  sdl::Pixels window = Backend().ReadWindowPixels(form);
  SavePng(window, "sdl_canvas_window.png");
  ASSERT_EQ(window.width, 220);
  EXPECT_TRUE(Near(At(window, 5, 5), Rgb{0, 128, 0}, 0)) << "the form's ground around the canvas";
  EXPECT_TRUE(Near(At(window, 10, 10), Rgb{0, 0, 0})) << "the canvas's first pixel at (10, 10)";
  EXPECT_TRUE(Near(At(window, 209, 159), Rgb{255, 255, 255})) << "and its last at (209, 159)";
  EXPECT_TRUE(Near(At(window, 215, 165), Rgb{0, 128, 0}, 0));
  for (int x : {40, 60}) {
    Rgb on_window = At(window, x + 10, 85);
    EXPECT_TRUE(Near(on_window, At(canvas, x, 75), 0))
        << "the window shows the canvas pixel for pixel at " << x << ": " << Describe(on_window);
  }
}

TEST(CanvasDisplay, ReportsHighColour) {
  EXPECT_EQ(Backend().DisplayBitsPerPixel(), 16) << "an RGB565 target can be made with Mesa";
}

}  // namespace
}  // namespace orbelon::testing
