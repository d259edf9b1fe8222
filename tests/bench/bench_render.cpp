// Drawing one frame of the canvas, 433 x 345 pixels as in the play window, with a textured
// board of 50k triangles seen from the game's camera position; the time includes reading the
// frame back, so that the GPU (llvmpipe on CI) has finished it.

#include <benchmark/benchmark.h>
#include <stb_image_write.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/canvas/tessor.h"
#include "platform/runtime/form.h"
#include "platform/runtime/runtime.h"
#include "platform/sdl/sdl_backend.h"

namespace {

using namespace orbelon;

constexpr int kTwips = platform::kTwipsPerPixel;

// A wavy board of cells x cells quads, two triangles each, 1000 units across.
std::string BoardFile(const std::filesystem::path& folder, int cells) {
  std::string path = (folder / "board.dax").string();
  std::ofstream out(path);
  for (int z = 0; z <= cells; ++z) {
    for (int x = 0; x <= cells; ++x) {
      double px = x * 1000.0 / cells - 500;
      double pz = z * 1000.0 / cells - 500;
      out << "v " << px << ' ' << 10 * std::sin(px / 40) * std::cos(pz / 40) << ' ' << pz << '\n';
      out << "vt " << x * 8.0 / cells << ' ' << z * 8.0 / cells << '\n';
    }
  }
  for (int z = 0; z < cells; ++z) {
    for (int x = 0; x < cells; ++x) {
      int a = z * (cells + 1) + x + 1;
      int b = a + 1;
      int c = a + cells + 1;
      int d = c + 1;
      out << "f " << a << '/' << a << ' ' << c << '/' << c << ' ' << b << '/' << b << '\n';
      out << "f " << b << '/' << b << ' ' << c << '/' << c << ' ' << d << '/' << d << '\n';
    }
  }
  return path;
}

std::string TextureFile(const std::filesystem::path& folder) {
  std::string path = (folder / "board.png").string();
  std::vector<uint8_t> texels;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      uint8_t v = static_cast<uint8_t>((x / 8 + y / 8) % 2 ? 200 : 60);
      texels.insert(texels.end(), {v, static_cast<uint8_t>(v / 2), 40, 255});
    }
  }
  stbi_write_png(path.c_str(), 64, 64, 4, texels.data(), 64 * 4);
  return path;
}

class CanvasForm : public platform::Form {
 public:
  explicit CanvasForm(platform::Runtime& runtime) : Form(runtime, "BenchForm") {
    SetClientSize(6450, 6825);
  }
  platform::Tessor canvas{*this, "Tessor1", {0, 360, 6495, 5175}};
};

void DrawFrame(benchmark::State& state) {
  if (const char* display = std::getenv("DISPLAY"); display == nullptr || *display == '\0') {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
  }
  auto backend = sdl::SdlBackend::Create();
  platform::Runtime runtime(*backend, sdl::SdlBackend::ProgramFolder(), "");
  CanvasForm form(runtime);
  form.canvas.StartCanvas();
  scene::Root& root = form.canvas.D3DRM();
  scene::Frame scene = form.canvas.SceneFrame();
  scene.SetSceneBackgroundRGB(0, 0, 0.2f);
  form.canvas.Viewport().SetBack(10000);

  std::filesystem::path folder = std::filesystem::temp_directory_path() / "orbelon_bench_render";
  std::filesystem::create_directories(folder);
  scene::MeshBuilder board = root.CreateMeshBuilder();
  board.LoadFromFile(BoardFile(folder, 158));
  board.SetTexture(root.LoadTexture(TextureFile(folder)));
  scene::Frame base = root.CreateFrame(scene);
  base.AddVisual(board);
  scene::Frame camera = form.canvas.CameraFrame();
  camera.SetPosition(scene, 0, 500, -500);
  camera.SetOrientation(scene, 0, -1, 1, 0, 1, 0);

  backend->RenderCanvas(form.canvas);  // the first frame sends the mesh to the GPU
  for (auto _ : state) {
    backend->RenderCanvas(form.canvas);
    benchmark::DoNotOptimize(backend->ReadCanvasPixels(form.canvas));
  }
  state.counters["triangles"] = 158.0 * 158.0 * 2;
}

BENCHMARK(DrawFrame)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
