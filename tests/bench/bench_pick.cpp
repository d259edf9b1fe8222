// The cost of picks: one downward pick against boards of growing size (the triangle tree should
// keep it near logarithmic), and a pass of the game: a tick of the spins, the tilt, and the five
// picks of the ball motion and the floor triggers in a scene of about twenty frames.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "bench/test_meshes.h"
#include "platform/scene/scene.h"

namespace {

using namespace orbelon::scene;
using orbelon::testing::TempFolder;

MeshBuilder LoadMesh(Root& root, const TempFolder& folder, const std::string& name,
                     const std::string& text) {
  MeshBuilder mesh = root.CreateMeshBuilder();
  mesh.LoadFromFile(folder.Write(name + ".dax", text));
  mesh.SetName(name);
  return mesh;
}

std::vector<Ray> DownwardRays(float half, int count) {
  std::mt19937 random(3);
  std::uniform_real_distribution<float> spread(-half, half);
  std::vector<Ray> rays;
  for (int i = 0; i < count; ++i)
    rays.push_back({{0, -1, 0}, {spread(random), 50, spread(random)}});
  return rays;
}

// Cells per side: 2 * cells * cells triangles (about 1k, 20k and 200k).
void BM_PickOneBoard(benchmark::State& state) {
  const int cells = static_cast<int>(state.range(0));
  TempFolder folder;
  Root root(nullptr);
  Frame scene = root.CreateFrame(Frame());
  Frame base = root.CreateFrame(scene);
  base.AddVisual(LoadMesh(root, folder, "base", orbelon::testing::WavyBoardText(400, cells)));
  base.AddRotation(D3DRMCOMBINE_BEFORE, 0, 0, 1, 0.05f);
  const auto rays = DownwardRays(380, 1024);
  base.RayPick(scene, rays[0], 2);  // builds the tree
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(base.RayPick(scene, rays[next++ % rays.size()], 2).GetSize());
  }
  state.counters["triangles"] = 2.0 * cells * cells;
}
BENCHMARK(BM_PickOneBoard)->Arg(22)->Arg(100)->Arg(316)->Unit(benchmark::kMicrosecond);

void BM_GamePass(benchmark::State& state) {
  TempFolder folder;
  Root root(nullptr);
  Frame scene = root.CreateFrame(Frame());
  Frame base = root.CreateFrame(scene);
  base.AddVisual(LoadMesh(root, folder, "base", orbelon::testing::WavyBoardText(800, 100)));
  const MeshBuilder meshes[] = {
      LoadMesh(root, folder, "cube", orbelon::testing::CubeText(5, true)),
      LoadMesh(root, folder, "ball", orbelon::testing::SphereText(8, 12)),
      LoadMesh(root, folder, "pad", orbelon::testing::WavyBoardText(10, 6)),
  };
  Frame ball = root.CreateFrame(base);
  ball.SetPosition(scene, 0, 15, 0);
  root.CreateFrame(ball).AddVisual(meshes[1]);
  for (int i = 0; i < 20; ++i) {
    Frame frame = root.CreateFrame(base);
    frame.SetPosition(base, static_cast<float>(i % 5) * 300 - 600, 10,
                      static_cast<float>(i / 5) * 300 - 450);
    frame.SetRotation(base, 0, 1, 0, 0.1f);
    for (const auto& mesh : meshes)
      frame.AddVisual(mesh);
  }
  for (auto _ : state) {
    Root::Tick(scene);
    base.AddRotation(D3DRMCOMBINE_BEFORE, 0, 0, 1, 1e-4f);
    Vector p;
    ball.GetPosition(scene, p);
    int found = 0;
    for (const auto& [dx, dz] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {0, 0}}) {
      const Ray ray{{0, -1, 0}, {p.x + static_cast<float>(dx), p.y, p.z + static_cast<float>(dz)}};
      found += base.RayPick(scene, ray, 2).GetSize();
    }
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_GamePass)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
