// Loading mesh files: what a good file gives, and that a bad one fails naming the file and
// leaves the mesh as it was.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/error.h"
#include "platform/scene/draw_list.h"
#include "platform/scene/scene.h"
#include "unit/scene/test_meshes.h"

namespace orbelon::scene {
namespace {

using platform::PlatformError;
using testing::TempFolder;

class MeshFileTest : public ::testing::Test {
 protected:
  MeshView View(const MeshBuilder& mesh) {
    Frame frame = root.CreateFrame(Frame());
    frame.AddVisual(mesh);
    return CollectScene(frame).items.at(0).mesh;
  }

  TempFolder folder;
  Root root{nullptr};
};

TEST_F(MeshFileTest, ReadsFacesNormalsAndTextureCoordinates) {
  MeshBuilder cube = root.CreateMeshBuilder();
  // The game writes its paths with a backslash before the file name.
  folder.Write("cube.dax", testing::CubeText(2, true));
  cube.LoadFromFile(folder.Path() + "\\cube.dax");
  MeshView view = View(cube);
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

  cube.LoadFromFile(folder.Write("ball.dax", testing::SphereText(8, 10)));
  view = View(cube);
  EXPECT_EQ(view.positions->size(), 11u * 20) << "without normals the file's vertices are shared";
  for (size_t i = 0; i < view.positions->size(); ++i) {
    EXPECT_GT(glm::dot((*view.normals)[i], glm::normalize((*view.positions)[i])), 0.98f)
        << "made normals point out of the ball";
  }

  cube.LoadFromFile(
      folder.Write("uv.dax",
                   "mtllib /nowhere/looks.mtl\r\no part\r\ng side\r\ns off\r\nusemtl grey\r\n"
                   "v 0 0 0\r\nv 1 0 0\r\nv 1 0 1\r\nvt 0.25 0.5 0\r\nvt 1 1\r\n# corner\r\n"
                   "f -3/1 -2/2 -1/2\r\n"));
  view = View(cube);
  EXPECT_EQ((*view.uvs)[0], glm::vec2(0.25f, 0.5f))
      << "texture coordinates, CRLF, relative indices, the statements we pass over";
}

TEST_F(MeshFileTest, BadFilesFailNamingTheFile) {
  MeshBuilder mesh = root.CreateMeshBuilder();
  mesh.LoadFromFile(folder.Write("good.dax", testing::CubeText(1, true)));

  const std::string cube = testing::CubeText(1, true);
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
  EXPECT_EQ(View(mesh).indices->size(), 36u) << "a failed load leaves the mesh as it was";
}

}  // namespace
}  // namespace orbelon::scene
