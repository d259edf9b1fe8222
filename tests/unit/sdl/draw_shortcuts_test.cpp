// What the renderer leaves out or works out once: meshes outside the view, and the light of flat
// faces taken from one corner instead of spread across them. A wrong answer either way changes the
// picture.

#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include "platform/sdl/canvas_renderer.h"
#include "platform/sdl/gpu_cache.h"
#include "platform/sdl/view_volume.h"

namespace orbelon::sdl {
namespace {

TEST(ViewVolume, MissesOnlyWhatLiesWhollyOutside) {
  // The camera at the origin looks along +z through 200 x 150 pixels: at depth 10 the view spans
  // x from -5 to 5 and y from -3.75 to 3.75; it starts at depth 1 and ends at 100.
  const ViewVolume seen(ViewProjection(glm::mat4(1.0f), {0.5f, 1.0f, 100.0f}, 200, 150));
  const glm::mat4 place(1.0f);
  struct Case {
    const char* what;
    glm::mat4 world;
    glm::vec3 center;
    float radius;
    bool missed;
  } cases[] = {
      {"in the middle", place, {0, 0, 10}, 1, false},
      {"across the right edge", place, {6, 0, 10}, 1.5f, false},
      {"right of the view", place, {8, 0, 10}, 1, true},
      {"left of it", place, {-8, 0, 10}, 1, true},
      {"above it", place, {0, 6, 10}, 1, true},
      {"below it", place, {0, -6, 10}, 1, true},
      {"behind the camera", place, {0, 0, -5}, 1, true},
      {"before the front", place, {0, 0, 0.2f}, 0.2f, true},
      {"beyond the back", place, {0, 0, 150}, 10, true},
      {"moved into view", glm::translate(place, {0, 0, 10}), {0, 0, 0}, 1, false},
      {"scaled up across the edge", glm::scale(place, {10, 10, 10}), {0.6f, 0, 1}, 0.2f, false},
      {"scaled up, still outside", glm::scale(place, {10, 10, 10}), {0.8f, 0, 1}, 0.1f, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(seen.Misses(c.world, c.center, c.radius), c.missed) << c.what;
  }
}

TEST(FlatFaces, OneNormalSquareOnEachTriangle) {
  // A square in the plane z = 0 of two triangles, and a sliver without area.
  const std::vector<glm::vec3> square{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 0, 0}};
  const std::vector<uint32_t> triangles{0, 1, 2, 0, 2, 3};
  const glm::vec3 front(0, 0, -1);
  const glm::vec3 back(0, 0, 1);
  const glm::vec3 slanted(0, 0.6f, -0.8f);
  const glm::vec3 none(0);
  struct Case {
    const char* what;
    std::vector<glm::vec3> normals;
    std::vector<uint32_t> triangles;
    bool flat;
  } cases[] = {
      {"facing the camera", {front, front, front, front, front}, triangles, true},
      {"facing away", {back, back, back, back, back}, triangles, true},
      {"one corner bent", {front, front, slanted, front, front}, triangles, false},
      {"the same normal, slanted", {slanted, slanted, slanted, slanted, slanted}, triangles, false},
      {"no normal", {none, none, none, none, none}, triangles, false},
      {"fewer normals than corners", {front, front, front}, triangles, false},
      {"a sliver with its own normal", {front, front, front, front, slanted}, {0, 1, 4}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FlatFaces(square, c.normals, c.triangles), c.flat) << c.what;
  }
}

}  // namespace
}  // namespace orbelon::sdl
