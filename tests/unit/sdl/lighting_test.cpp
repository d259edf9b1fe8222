// The light of the scene as the real renderer works it out: each corner lit with its own normal
// turned into world space, from the side the camera sees, the colours blended across the face;
// the material's highlight at the corners, and none where the material has none.

#include <gtest/gtest.h>

#include <algorithm>
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

struct LitForm : PlainForm {
  LitForm() : PlainForm("LitForm", 200, 150) { canvas.StartCanvas(); }
  platform::Tessor canvas{*this, "Tessor1", Twips(0, 0, 200, 150)};
};

// A grey rectangle at depth 10, seen by the camera at the origin (the 200 x 150 pixels span x from
// -5 to 5 and y from 3.75 down to -3.75), with a normal of its own at each corner (left-bottom,
// right-bottom, right-top, left-top) in world space. Its frame is turned a quarter about z, so
// the file holds everything turned the other way: a world point (x, y, z) is (y, -x, z) there.
scene::MeshBuilder AddQuad(LitForm& form, glm::vec4 sides, const glm::vec3 (&normals)[4]) {
  // Of the running test alone: ctest runs the tests of this program side by side.
  const std::string path = std::string(ORBELON_TEST_OUTPUT) + "/lit_quad_" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dax";
  std::ofstream out(path);
  for (auto [x, y] : {std::pair{sides[0], sides[1]}, std::pair{sides[2], sides[1]},
                      std::pair{sides[2], sides[3]}, std::pair{sides[0], sides[3]}}) {
    out << "v " << y << ' ' << -x << " 10\n";
  }
  for (const glm::vec3& n : normals) {
    out << "vn " << n.y << ' ' << -n.x << ' ' << n.z << '\n';
  }
  out << "f 1//1 2//2 3//3 4//4\n";
  out.close();
  scene::Root& root = form.canvas.D3DRM();
  scene::MeshBuilder mesh = root.CreateMeshBuilder();
  mesh.LoadFromFile(path);
  mesh.SetColorRGB(0.25f, 0.25f, 0.25f);
  scene::Frame frame = root.CreateFrame(form.canvas.SceneFrame());
  frame.AddRotation(1, 0, 0, 1, glm::half_pi<float>());
  frame.AddVisual(mesh);
  return mesh;
}

const sdl::Lights kLights;
const glm::vec3 kToLight = -kLights.direction;

// The grey of the quads' colour under a light of that strength, in every channel.
Rgb Grey(float light) {
  const int grey = static_cast<int>(std::min(0.25f * light, 1.0f) * 255);
  return Rgb{grey, grey, grey};
}

TEST(Lighting, EachCornerLitAndTheLightSpreadAcrossTheFace) {
  LitForm form;
  // Left: a normal facing away from the camera, lit as the side the camera sees, which faces the
  // light square on. Right: a normal facing the camera that turns from the light.
  const glm::vec3 shaded(0, -0.6f, -0.8f);
  ASSERT_LT(glm::dot(shaded, kToLight), 0);
  AddQuad(form, {-4, -3, 4, 3}, {-kToLight, shaded, shaded, -kToLight})
      .SetColorRGB(0.5f, 0.5f, 0.5f);
  form.canvas.Render();
  const sdl::Pixels pixels = Backend().ReadCanvasPixels(form.canvas);
  SavePng(pixels, "sdl_lighting_spread.png");
  // From x = -4 to 4 the light goes straight from bright to dim (lit per pixel, the middle would
  // be 15 steps brighter).
  for (int x : {25, 60, 100, 140, 175}) {
    const float t = (static_cast<float>(x) / 20 - 1) / 8;
    const float light = kLights.ambient + kLights.diffuse * (1 - t);
    EXPECT_TRUE(ColourAt(pixels, x, 75, Grey(2 * light), 6)) << "column " << x;
  }
}

TEST(Lighting, HighlightsAtTheCornersOfShinyMaterialsOnly) {
  LitForm form;
  scene::Root& root = form.canvas.D3DRM();
  // Every corner's normal halfway between the light and the eye as seen from the quad's middle:
  // the brightest highlight there is, where the material has one.
  auto halfway = [](float x, float y) {
    return glm::normalize(kToLight + glm::normalize(-glm::vec3(x, y, 10)));
  };
  auto lit = [&](float x, float y) {
    return Grey(kLights.ambient + kLights.diffuse * glm::dot(halfway(x, y), kToLight));
  };
  auto quad = [&](float x, float y, float half_w, float half_h) {
    const glm::vec3 h = halfway(x, y);
    return AddQuad(form, {x - half_w, y - half_h, x + half_w, y + half_h}, {h, h, h, h});
  };
  quad(-3, -2.5f, 0.25f, 0.25f).SetMaterial(root.CreateMaterial(8));
  quad(0, -2.5f, 0.25f, 0.25f).SetMaterial(root.CreateMaterial(0));
  quad(3, -2.5f, 0.25f, 0.25f);
  // The highlight in the middle and none at the corners: spread from the corners, it is missed,
  // as the API the game was written for missed it.
  quad(0, 1.25f, 4.5f, 2.25f).SetMaterial(root.CreateMaterial(200));
  form.canvas.Render();
  const sdl::Pixels pixels = Backend().ReadCanvasPixels(form.canvas);
  SavePng(pixels, "sdl_lighting_highlights.png");

  EXPECT_GT(At(pixels, 40, 125).r, lit(-3, -2.5f).r + 150) << "the shiny material's highlight";
  EXPECT_TRUE(ColourAt(pixels, 100, 125, lit(0, -2.5f), 6)) << "a material of power 0 has none";
  EXPECT_TRUE(ColourAt(pixels, 160, 125, lit(3, -2.5f), 6)) << "nor a mesh without material";
  EXPECT_TRUE(ColourAt(pixels, 100, 50, lit(0, 1.25f), 6)) << "a highlight between the corners";
}

}  // namespace
}  // namespace orbelon::testing
