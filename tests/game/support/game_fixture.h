#pragma once

// The game on the scripted platform, as the game tests drive it: a scripted backend, a runtime
// whose program folder holds the generated data files, and the program with its windows.
//
//   gametest::Game game;
//   game.backend.At(500, [&] { seen = game.Vorlet().Lives; });
//   game.StopAt(1000);
//   EXPECT_TRUE(game.Play().stopped);
//
// Play() shows the play window as "Begin" does: its load runs the whole game, so a run ends only
// when a scripted action throws StopGame, the game ends the process, or something fails.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "platform/error.h"
#include "platform/runtime/picture.h"
#include "platform/runtime/runtime.h"
#include "platform/scene/draw_list.h"
#include "platform/scene/scene.h"
#include "platform/scripted/scripted_backend.h"
#include "startup/program.h"
#include "startup/sound_bank.h"

namespace orbelon::gametest {

// Thrown from a scripted action (or a render hook) to end a run.
struct StopGame {};

// The scripted backend with a look at every canvas render: after the render is counted, the
// hook gets its number (1 for the first, right after Level1). In play the canvas renders once a
// pass, after the scene has advanced its tick.
class WatchedBackend : public scripted::ScriptedBackend {
 public:
  std::function<void(int render)> on_render;

  void RenderCanvas(const platform::Tessor& canvas) override {
    ScriptedBackend::RenderCanvas(canvas);
    if (on_render) {
      on_render(canvas_renders);
    }
  }
};

struct GameOptions {
  std::string folder = ORBELON_GAME_DIR;
  std::string command_line;
  // Sets up the sound system and loads the 13 buffers as the start-up does; false runs the
  // game in silent mode.
  bool sound = true;
};

// How a run ended.
struct RunEnd {
  bool stopped = false;            // a StopGame from the script
  std::optional<int> exit_status;  // the game ended the process
};

class Game {
 public:
  explicit Game(GameOptions options = {})
      : runtime(backend, options.folder, options.command_line), program(runtime) {
    input::Module1& globals = program.module1;
    globals.AppPath = runtime.AppPath();
    globals.DxRoot = true;
    globals.SoundOff = !options.sound;
    if (options.sound) {
      LoadSounds();
    }
  }

  WatchedBackend backend;
  platform::Runtime runtime;
  startup::Program program;

  engine::frmVorlet& Vorlet() { return program.PlayWindow(); }
  input::Module1& Globals() { return program.module1; }

  // Runs an entry point of the program until the script stops it or the game ends the process.
  // Any other failure propagates.
  RunEnd Run(const std::function<void()>& entry) {
    RunEnd end;
    try {
      entry();
    } catch (const StopGame&) {
      end.stopped = true;
    } catch (const platform::ProcessExit& exit) {
      end.exit_status = exit.status;
    }
    return end;
  }
  // Starts play directly, as the start window's "Begin" does.
  RunEnd Play() {
    return Run([this] { program.PlayWindow().Show(); });
  }

  void StopAt(uint32_t time_ms) {
    backend.At(time_ms, [] { throw StopGame{}; });
  }
  // A game whose play window has just built level 1: stopped at its first render.
  static std::unique_ptr<Game> AfterLevel1() {
    auto game = std::make_unique<Game>();
    game->backend.on_render = [](int) { throw StopGame{}; };
    EXPECT_TRUE(game->Play().stopped);
    game->backend.on_render = nullptr;
    return game;
  }

  // --- Reading the scene ----------------------------------------------------------------
  scene::Frame SceneFrame() { return Vorlet().Tessor1.SceneFrame(); }
  static scene::Vector PositionOf(const scene::Frame& frame, const scene::Frame& ref) {
    scene::Vector position;
    frame.GetPosition(ref, position);
    return position;
  }
  // The frame's z axis (dir) and y axis (up) in ref's coordinates.
  static std::pair<scene::Vector, scene::Vector> AxesOf(const scene::Frame& frame,
                                                        const scene::Frame& ref) {
    scene::Vector dir, up;
    frame.GetOrientation(ref, dir, up);
    return {dir, up};
  }
  // The angle of the frame's z axis about ref's y axis.
  static float TurnAboutY(const scene::Frame& frame, const scene::Frame& ref) {
    const scene::Vector dir = AxesOf(frame, ref).first;
    return std::atan2(dir.x, dir.z);
  }
  // The nearest visual under the level root that a ray meets (origin and direction in ref's
  // coordinates), as the floor picks see it: its name and the point met, in ref's coordinates.
  struct Hit {
    std::string name;
    scene::Vector point;
  };
  std::optional<Hit> PickFirst(const scene::Frame& ref, scene::Vector origin,
                               scene::Vector direction = {0, -1, 0}) {
    const scene::PickArray picks = Vorlet().fBase.RayPick(
        ref, scene::Ray{direction, origin}, scene::D3DRMRAYPICK_IGNOREFURTHERPRIMITIVES);
    if (picks.GetSize() == 0) {
      return std::nullopt;
    }
    scene::PickDesc desc;
    const scene::MeshBuilder visual = picks.GetPickVisual(0, desc);
    return Hit{visual.GetName(), desc.dvPosition};
  }

  // How the renderer sees one mesh (its vertices, colour, texture, material): hung alone on a
  // frame of its own, outside the game's scene. The view holds while the mesh lives.
  scene::MeshView ViewOf(const scene::MeshBuilder& mesh) {
    scene::Frame holder = Vorlet().Tessor1.D3DRM().CreateFrame(scene::Frame());
    holder.AddVisual(mesh);
    const scene::SceneView view = scene::CollectScene(holder);
    return view.items.empty() ? scene::MeshView() : view.items.front().mesh;
  }

 private:
  // The buffers of the sound bank in load order, from the program's folder; the three teleport
  // buffers share one file.
  void LoadSounds() {
    const char* files[] = {"intro", "theme", "chip", "msgb", "fall", "win",  "bird",
                           "pill",  "rage",  "tele", "tele", "tele", "laser"};
    startup::SoundBank& bank = program.module1.bank;
    bank.SetSystem(backend.CreateSoundSystem());
    for (int i = 0; i < startup::kSoundCount; ++i) {
      bank.Load(static_cast<startup::Sound>(i),
                platform::NativePath(runtime.AppPath() + "\\" + files[i] + ".daw"));
    }
  }
};

// Whether two points lie within the tolerance on every axis; the message shows both.
inline ::testing::AssertionResult Near(const scene::Vector& have, const scene::Vector& want,
                                       float tolerance) {
  if (std::abs(have.x - want.x) <= tolerance && std::abs(have.y - want.y) <= tolerance &&
      std::abs(have.z - want.z) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "(" << have.x << ", " << have.y << ", " << have.z << ") is not (" << want.x << ", "
         << want.y << ", " << want.z << ")";
}

}  // namespace orbelon::gametest
