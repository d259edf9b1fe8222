// The light of the scene as the real renderer works it out: each corner lit with its own normal
// turned into world space, from the side the camera sees, the colours blended across the face;
// the material's highlight at the corners, and none where the material has none.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include <glm/glm.hpp>
#include <glm/gtc/constants.hpp>

#include "platform/canvas/tessor.h"
#include "platform/sdl/canvas_renderer.h"
#include "sdl_fixture.h"

namespace orbelon::testing {
namespace {

// The camera stands at the origin looking along +z; at depth 10 the 200 x 150 pixels span x from
// -5 to 5 and y from 3.75 (top row) to -3.75.
class LitCanvas : public ::testing::Test {
 protected:
  struct Form : PlainForm {
    Form() : PlainForm("LitForm", 200, 150) {}
    platform::Tessor canvas{*this, "Tessor1", Twips(0, 0, 200, 150)};
  };

  void SetUp() override {
    form.canvas.StartCanvas();
    scene = form.canvas.SceneFrame();
    root = &form.canvas.D3DRM();
    scene.SetSceneBackgroundRGB(0, 0, 1);
  }

  // A rectangle at depth 10 with a normal of its own at each corner (left-bottom, right-bottom,
  // right-top, left-top), given in world space; the frame it hangs in is turned a quarter about
  // z, so that the file holds them turned the other way.
  scene::MeshBuilder AddQuad(float left, float bottom, float right, float top,
                             const glm::vec3 (&normals)[4]) {
    const std::filesystem::path folder =
        std::filesystem::path(ORBELON_TEST_OUTPUT) / "sdl_lighting" /
        ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::create_directories(folder);
    const std::string path = (folder / ("quad" + std::to_string(++quads) + ".dax")).string();
    // About z by a quarter, a world point (x, y, z) is the local point (y, -x, z).
    auto local = [](glm::vec3 p) { return glm::vec3(p.y, -p.x, p.z); };
    const glm::vec3 corners[4] = {
        {left, bottom, 10}, {right, bottom, 10}, {right, top, 10}, {left, top, 10}};
    std::ofstream out(path);
    for (const glm::vec3& corner : corners) {
      const glm::vec3 p = local(corner);
      out << "v " << p.x << ' ' << p.y << ' ' << p.z << '\n';
    }
    for (const glm::vec3& normal : normals) {
      const glm::vec3 n = local(normal);
      out << "vn " << n.x << ' ' << n.y << ' ' << n.z << '\n';
    }
    out << "f 1//1 2//2 3//3 4//4\n";
    out.close();
    scene::MeshBuilder mesh = root->CreateMeshBuilder();
    mesh.LoadFromFile(path);
    scene::Frame frame = root->CreateFrame(scene);
    frame.AddRotation(1, 0, 0, 1, glm::half_pi<float>());
    frame.AddVisual(mesh);
    return mesh;
  }

  sdl::Pixels Draw(const char* picture) {
    form.canvas.Render();
    sdl::Pixels pixels = Backend().ReadCanvasPixels(form.canvas);
    SavePng(pixels, picture);
    return pixels;
  }

  // The grey a colour component c takes under a light of the given strength, as a byte.
  static int Grey(float c, float light) {
    return static_cast<int>(std::min(c * light, 1.0f) * 255);
  }

  Form form;
  scene::Frame scene;
  scene::Root* root = nullptr;
  int quads = 0;
  const sdl::Lights lights;
  const glm::vec3 to_light = -lights.direction;
};

TEST_F(LitCanvas, EachCornerLitAndTheLightSpreadAcrossTheFace) {
  // Left: a normal facing away from the camera, lit as the side the camera sees, which faces the
  // light square on. Right: a normal facing the camera that turns from the light.
  const glm::vec3 away = -to_light;
  const glm::vec3 shaded(0, -0.6f, -0.8f);
  ASSERT_LT(glm::dot(shaded, to_light), 0);
  AddQuad(-4, -3, 4, 3, {away, shaded, shaded, away}).SetColorRGB(0.5f, 0.5f, 0.5f);
  const sdl::Pixels pixels = Draw("sdl_lighting_spread.png");

  const float bright = lights.ambient + lights.diffuse;
  const float dim = lights.ambient;
  // Across x from -4 to 4 the light goes straight from bright to dim, whatever the normal
  // halfway would have given (lit per pixel, the middle would be 15 steps brighter).
  for (int x : {25, 60, 100, 140, 175}) {
    const float t = (static_cast<float>(x) / 20 - 1) / 8;
    const int grey = Grey(0.5f, bright + (dim - bright) * t);
    EXPECT_TRUE(ColourAt(pixels, x, 75, {grey, grey, grey}, 6)) << "column " << x;
  }
}

TEST_F(LitCanvas, HighlightsAtTheCornersOfShinyMaterialsOnly) {
  // Every corner's normal halfway between the light and the eye as seen from the quad's middle:
  // the brightest highlight there is, where the material has one.
  auto halfway = [this](glm::vec2 middle) {
    return glm::normalize(to_light + glm::normalize(-glm::vec3(middle, 10)));
  };
  auto small_quad = [&](float x, float y) {
    const glm::vec3 h = halfway({x, y});
    scene::MeshBuilder mesh = AddQuad(x - 0.25f, y - 0.25f, x + 0.25f, y + 0.25f, {h, h, h, h});
    mesh.SetColorRGB(0.25f, 0.25f, 0.25f);
    return mesh;
  };
  small_quad(-3, -2.5f).SetMaterial(root->CreateMaterial(8));
  small_quad(0, -2.5f).SetMaterial(root->CreateMaterial(0));
  small_quad(3, -2.5f);
  // A wide one with the highlight in its middle and none at its corners: spread from the
  // corners, it is missed, as the API the game was written for missed it.
  const glm::vec3 h = halfway({0, 1.25f});
  scene::MeshBuilder wide = AddQuad(-4.5f, -1, 4.5f, 3.5f, {h, h, h, h});
  wide.SetColorRGB(0.25f, 0.25f, 0.25f);
  wide.SetMaterial(root->CreateMaterial(200));
  const sdl::Pixels pixels = Draw("sdl_lighting_highlights.png");

  auto unlit_by_highlight = [&](float x, float y) {
    const int grey =
        Grey(0.25f, lights.ambient + lights.diffuse * glm::dot(halfway({x, y}), to_light));
    return Rgb{grey, grey, grey};
  };
  EXPECT_GT(At(pixels, 40, 125).r, unlit_by_highlight(-3, -2.5f).r + 150)
      << "the shiny material's highlight";
  EXPECT_TRUE(ColourAt(pixels, 100, 125, unlit_by_highlight(0, -2.5f), 6))
      << "a material of power 0 has none";
  EXPECT_TRUE(ColourAt(pixels, 160, 125, unlit_by_highlight(3, -2.5f), 6))
      << "nor has a mesh without a material";
  EXPECT_TRUE(ColourAt(pixels, 100, 50, unlit_by_highlight(0, 1.25f), 6))
      << "a highlight between the corners";
}

}  // namespace
}  // namespace orbelon::testing
