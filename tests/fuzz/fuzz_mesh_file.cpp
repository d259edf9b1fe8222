// Mesh files of any content: a load either gives a mesh that picks work on, or fails cleanly.

#include "fuzz_input.h"
#include "platform/error.h"
#include "platform/scene/scene.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orbelon::scene;
  Root root(nullptr);
  MeshBuilder mesh = root.CreateMeshBuilder();
  try {
    mesh.LoadFromFile(FuzzFile(data, size, ".dax"));
  } catch (const orbelon::platform::PlatformError&) {
    return 0;
  }
  // What loaded must be usable: scaled, wrapped and picked from a few sides.
  Frame scene = root.CreateFrame(Frame());
  scene.AddVisual(mesh);
  mesh.ScaleMesh(2, 0.5f, 1);
  root.CreateWrap(D3DRMWRAP_SPHERE, scene, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 1, 1).Apply(mesh);
  for (const Ray& ray : {Ray{{0, -1, 0}, {0.1f, 100, 0.2f}}, Ray{{1, 0.1f, 0}, {-100, 0, 0}},
                         Ray{{0, 0, 1}, {0, 0, 0}}}) {
    const PickArray picks = scene.RayPick(scene, ray, 0);
    PickDesc desc;
    for (int i = 0; i < picks.GetSize(); ++i)
      picks.GetPickVisual(i, desc);
  }
  return 0;
}

std::vector<std::vector<uint8_t>> FuzzSeeds() {
  return {
      Bytes("v 0 0 0\nv 1 0 0\nv 1 0 1\nv 0 0 1\nvt 0 0\nvt 1 0\nvt 1 1\nvn 0 1 0\n"
            "f 1/1/1 4/2/1 3/3/1\nf 1/1/1 3/3/1 2/2/1\n"),
      Bytes("# a tetrahedron\no tetra\nv 0 1 0\nv -1 -1 1\nv 1 -1 1\nv 0 -1 -1\n"
            "f 1 2 3\nf 1 3 4\nf 1 4 2\nf 2 4 3\n"),
      Bytes("v 0 0 0\r\nv 2 0 0\r\nv 2 1 0\r\nv 1 2 0\r\nv 0 1 0\r\nf -5 -4 -3 -2 -1\r\n"),
  };
}
