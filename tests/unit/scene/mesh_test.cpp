// Meshes: what a mesh file gives, and that a bad one fails naming the file and leaves the mesh as
// it was; what the game does to its meshes after loading them, and what the renderer reads back:
// scale and translation, colours, wraps, textures, materials, versions and the viewport.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>

#include "platform/error.h"
#include "platform/scene/draw_list.h"
#include "platform/scene/scene.h"

namespace orbelon::scene {
namespace {

using platform::PlatformError;

// Files of the running test alone, in this build's output folder: tests run side by side.
struct Folder {
  std::string path = std::string(ORBELON_TEST_OUTPUT) + "/scene_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name();
  Folder() { std::filesystem::create_directories(path); }
  std::string Path() const { return path; }
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(path + "/" + name, std::ios::binary) << text;
    return path + "/" + name;
  }
};

// A cube of half size 1, each face a quad with its outward normal, wound outward.
constexpr const char* kCube =
    "v -1 -1 -1\nv 1 -1 -1\nv 1 1 -1\nv -1 1 -1\nv -1 -1 1\nv 1 -1 1\nv 1 1 1\nv -1 1 1\n"
    "vn 1 0 0\nvn -1 0 0\nvn 0 1 0\nvn 0 -1 0\nvn 0 0 1\nvn 0 0 -1\n"
    "f 2//1 3//1 7//1 6//1\nf 1//2 5//2 8//2 4//2\nf 4//3 8//3 7//3 3//3\n"
    "f 1//4 2//4 6//4 5//4\nf 5//5 6//5 7//5 8//5\nf 1//6 4//6 3//6 2//6\n";
// An octahedron without normals, wound outward.
constexpr const char* kOctahedron =
    "v 1 0 0\nv -1 0 0\nv 0 1 0\nv 0 -1 0\nv 0 0 1\nv 0 0 -1\n"
    "f 1 3 5\nf 1 6 3\nf 1 5 4\nf 1 4 6\nf 2 5 3\nf 2 3 6\nf 2 4 5\nf 2 6 4\n";

class MeshTest : public ::testing::Test {
 protected:
  // One triangle, at the three corners given.
  MeshBuilder Triangle(glm::vec3 a, glm::vec3 b, glm::vec3 c) {
    std::ostringstream text;
    text.precision(9);
    for (const glm::vec3& p : {a, b, c})
      text << "v " << p.x << ' ' << p.y << ' ' << p.z << '\n';
    MeshBuilder mesh = root.CreateMeshBuilder();
    mesh.LoadFromFile(folder.Write("t" + std::to_string(++files) + ".dax", text.str() + "f 1 2 3"));
    return mesh;
  }
  DrawItem Item(const MeshBuilder& mesh) {
    Frame frame = root.CreateFrame(Frame());
    frame.AddVisual(mesh);
    return CollectScene(frame).items.at(0);
  }

  Folder folder;
  int files = 0;
  Root root{nullptr};
};

TEST_F(MeshTest, ReadsFacesNormalsAndTextureCoordinates) {
  MeshBuilder cube = root.CreateMeshBuilder();
  // The game writes its paths with a backslash before the file name.
  folder.Write("cube.dax", kCube);
  cube.LoadFromFile(folder.Path() + "\\cube.dax");
  MeshView view = Item(cube).mesh;
  EXPECT_EQ(view.indices->size(), 36u) << "six quads make twelve triangles";
  EXPECT_EQ(view.positions->size(), 24u) << "a corner with its own normal per face";
  for (size_t i = 0; i < view.positions->size(); ++i) {
    const glm::vec3 p = (*view.positions)[i], n = (*view.normals)[i];
    EXPECT_TRUE(std::abs(glm::length(n) - 1) < 1e-6f && glm::dot(n, p) > 0 &&
                (*view.uvs)[i] == glm::vec2(0))
        << "the file's unit normals point out of the cube; no texture coordinates give (0, 0)";
  }
  // Every triangle faces outward by its winding.
  for (size_t i = 0; i < view.indices->size(); i += 3) {
    const glm::vec3 a = (*view.positions)[(*view.indices)[i]];
    const glm::vec3 b = (*view.positions)[(*view.indices)[i + 1]];
    const glm::vec3 c = (*view.positions)[(*view.indices)[i + 2]];
    EXPECT_GT(glm::dot(glm::cross(b - a, c - a), a + b + c), 0) << "triangle " << i / 3;
  }

  cube.LoadFromFile(folder.Write("ball.dax", kOctahedron));
  view = Item(cube).mesh;
  EXPECT_EQ(view.positions->size(), 6u) << "without normals the file's vertices are shared";
  for (size_t i = 0; i < view.positions->size(); ++i) {
    EXPECT_GT(glm::dot((*view.normals)[i], (*view.positions)[i]), 0.999f)
        << "made normals point out of the octahedron";
  }

  cube.LoadFromFile(
      folder.Write("uv.dax",
                   "mtllib /nowhere/looks.mtl\r\no part\r\ng side\r\ns off\r\nusemtl grey\r\n"
                   "v 0 0 0\r\nv 1 0 0\r\nv 1 0 1\r\nvt 0.25 0.5 0\r\nvt 1 1\r\n# corner\r\n"
                   "f -3/1 -2/2 -1/2\r\n"));
  view = Item(cube).mesh;
  EXPECT_EQ((*view.uvs)[0], glm::vec2(0.25f, 0.5f))
      << "texture coordinates, CRLF, relative indices, the statements we pass over";
}

TEST_F(MeshTest, BadFilesFailNamingTheFile) {
  MeshBuilder mesh = root.CreateMeshBuilder();
  mesh.LoadFromFile(folder.Write("good.dax", kCube));

  const std::string cube = kCube;
  const struct {
    const char* name;
    std::string text;
    const char* what;
  } cases[] = {
      {"empty.dax", "", "an empty file"},
      {"blank.dax", "\n  \n# nothing\n", "a file with no faces"},
      {"cut.dax", cube.substr(0, cube.rfind('/') + 1), "a file cut in its last face"},
      {"lost.dax", "v 0 0 0\nv 1 0 0\nf 1 2 3\n", "a face whose vertex was cut off"},
      {"short.dax", "v 0 0\nv 1 0 0\nv 1 0 1\nf 1 2 3\n", "a vertex with two numbers"},
      {"binary.dax", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "a picture"},
      {"nan.dax", "v nan 0 0\nv 1 0 0\nv 1 0 1\nf 1 2 3\n", "NaN"},
      {"huge.dax", "v 2e6 0 0\nv 1 0 0\nv 1 0 1\nf 1 2 3\n", "an absurd coordinate"},
      {"zero.dax", "v 0 0 0\nv 1 0 0\nv 1 0 1\nf 0 1 2\n", "index 0"},
      {"normal.dax", "v 0 0 0\nv 1 0 0\nv 1 0 1\nf 1//4 2//4 3//4\n", "a missing normal"},
  };
  for (const auto& bad : cases) {
    const std::string path = folder.Write(bad.name, bad.text);
    try {
      mesh.LoadFromFile(path);
      ADD_FAILURE() << bad.what << " was read as a mesh";
    } catch (const PlatformError& error) {
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos)
          << bad.what << ": the message does not name the file: " << error.what();
    }
  }
  EXPECT_THROW(mesh.LoadFromFile(folder.Path() + "/missing.dax"), PlatformError);
  EXPECT_THROW(mesh.LoadFromFile(folder.Path()), PlatformError) << "a folder";
  EXPECT_EQ(Item(mesh).mesh.indices->size(), 36u) << "a failed load leaves the mesh as it was";
}

TEST_F(MeshTest, ScaleThenTranslateAndTheVersionsTheRendererCachesBy) {
  MeshBuilder mesh = Triangle({1, 1, 1}, {1, 1, 2}, {2, 1, 1});
  const uint64_t loaded = Item(mesh).mesh.version;
  mesh.ScaleMesh(1.12f, 1.15f, 1.12f);
  mesh.Translate(0, 0, 1);
  const MeshView view = Item(mesh).mesh;
  EXPECT_LT(glm::distance((*view.positions)[0], {1.12f, 1.15f, 2.12f}), 1e-6f)
      << "scaled, then moved by a translation that is not scaled";
  EXPECT_NEAR((*view.normals)[0].y, 1, 1e-6f) << "the normal still faces up";
  // A face at 45 degrees, stretched twice along y, leans toward z: its normal (0, 1, -1) goes to
  // (0, 1, -2) / sqrt(5), at right angles to the stretched face.
  MeshBuilder slope = Triangle({0, 0, 0}, {0, 1, 1}, {1, 0, 0});
  slope.ScaleMesh(1, 2, 1);
  EXPECT_LT(glm::distance((*Item(slope).mesh.normals)[0], glm::vec3(0, 1, -2) / std::sqrt(5.0f)),
            1e-6f);
  EXPECT_NE(view.version, loaded) << "a scaled mesh must be uploaded again";
}

TEST_F(MeshTest, TheFlatWrapOfTheGameMapsFromAboveAndSphereWrapsGoRound) {
  Frame base = root.CreateFrame(Frame());
  MeshBuilder board = Triangle({10, 3, 20}, {-40, 0, 5}, {0, 0, 0});
  const uint64_t before = Item(board).mesh.version;
  root.CreateWrap(D3DRMWRAP_FLAT, base, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0.5f, 0.25f).Apply(board);
  const MeshView view = Item(board).mesh;
  EXPECT_EQ((*view.uvs)[0], glm::vec2(10, 2.5f)) << "u = su * z, v = sv * x, height ignored";
  EXPECT_EQ((*view.uvs)[1], glm::vec2(2.5f, -10));
  EXPECT_NE(view.version, before) << "new texture coordinates must be uploaded";

  // Offsets are taken off; the wrap reads the vertices as they stand when it is applied.
  board.Translate(100, 0, 0);
  root.CreateWrap(D3DRMWRAP_FLAT, base, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 2, 1, 1).Apply(board);
  EXPECT_EQ((*Item(board).mesh.uvs)[2], glm::vec2(-1, 98));

  // Sphere wraps, the ball's with a zero direction among them.
  Frame frame = root.CreateFrame(Frame());
  MeshBuilder mesh = Triangle({0, 1, 0}, {0, -2, 0}, {0, 0, 3});
  root.CreateWrap(D3DRMWRAP_SPHERE, frame, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 2, 4).Apply(mesh);
  const auto& uvs = *Item(mesh).mesh.uvs;
  EXPECT_NEAR(uvs[0].x, 2 * 0.25f, 1e-6f) << "a quarter turn from x toward y";
  EXPECT_NEAR(uvs[0].y, 4 * 0.5f, 1e-6f) << "on the equator";
  EXPECT_NEAR(uvs[1].x, 2 * 0.75f, 1e-6f) << "angles run from 0 up to a whole turn";
  EXPECT_NEAR(uvs[2].y, 0, 1e-6f) << "on the pole along dir";

  // The ball's wrap: origin (1, 1, 1), dir (0, 0, 0) which becomes x, up (1, 1, 1).
  MeshBuilder ball = Triangle(
      {2, 1, 1}, {1, 1 + std::numbers::sqrt2_v<float> / 2, 1 + std::numbers::sqrt2_v<float> / 2},
      {1, 1, 1});
  root.CreateWrap(D3DRMWRAP_SPHERE, frame, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 3, 3).Apply(ball);
  const auto& ball_uvs = *Item(ball).mesh.uvs;
  EXPECT_NEAR(ball_uvs[0].y, 0, 1e-6f) << "+x is the pole";
  EXPECT_NEAR(ball_uvs[1].x, 3 * 0.25f, 1e-5f) << "the wrap's y is (0, 1, 1) normalised";
  EXPECT_NEAR(ball_uvs[1].y, 3 * 0.5f, 1e-5f);
  EXPECT_TRUE(std::isfinite(ball_uvs[2].x) && std::isfinite(ball_uvs[2].y))
      << "a vertex on the wrap's origin";
}

}  // namespace
}  // namespace orbelon::scene
