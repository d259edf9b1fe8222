#pragma once

// The game on the scripted platform, as the game tests drive it: a scripted backend, a runtime
// whose program folder holds the generated data files, and the program with its windows.
//
//   Game game;
//   game.backend.At(500, [&] { seen = game.Vorlet().Lives; });
//   game.StopAt(1000);
//   EXPECT_TRUE(game.Play().stopped);
//
// Play() shows the play window as "Begin" does: its load runs the whole game, so a run ends only
// when a scripted action throws StopGame, the game ends the process, or something fails.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "platform/error.h"
#include "platform/runtime/runtime.h"
#include "platform/scene/draw_list.h"
#include "platform/scene/scene.h"
#include "platform/scene/scene_objects.h"
#include "platform/scripted/scripted_backend.h"
#include "screens/frm_order.h"
#include "startup/frm_start.h"
#include "startup/program.h"

namespace orbelon::gametest {

using scene::Frame;
using scene::Vector;

// Thrown from a scripted action (or a render hook) to end a run.
struct StopGame {};

// The scripted backend with a look at every canvas render (the hook gets its number: 1 for the
// first, right after Level1; in play the canvas renders once a pass, after the scene's tick), a
// record of where the sound system was bound, and display queries that fail when asked to.
class WatchedBackend : public scripted::ScriptedBackend {
 public:
  std::function<void(int render)> on_render;
  std::pair<int, int> sound_binding{0, 0};  // window, level
  int failing_display_queries = 0;

  void RenderCanvas(const platform::Tessor& canvas) override {
    ScriptedBackend::RenderCanvas(canvas);
    if (on_render) {
      on_render(canvas_renders);
    }
  }
  int DisplayBitsPerPixel() override {
    const int bits = ScriptedBackend::DisplayBitsPerPixel();
    if (failing_display_queries-- > 0) {
      throw platform::PlatformError("the display cannot be asked");
    }
    return bits;
  }
  std::unique_ptr<platform::SoundSystem> CreateSoundSystem() override {
    struct Bound : platform::SoundSystem {
      std::unique_ptr<platform::SoundSystem> system;
      std::pair<int, int>* binding;
      void SetCooperativeLevel(int window, int level) override {
        system->SetCooperativeLevel(window, level);
        *binding = {window, level};
      }
      std::shared_ptr<platform::SoundBuffer> CreateSoundBufferFromFile(
          const std::string& path) override {
        return system->CreateSoundBufferFromFile(path);
      }
    };
    auto bound = std::make_unique<Bound>();
    bound->system = ScriptedBackend::CreateSoundSystem();
    bound->binding = &sound_binding;
    return bound;
  }
};

struct GameOptions {
  std::string folder = ORBELON_GAME_DIR;
  std::string command_line;
  // Runs the start-up, which sets up the sound system and loads the 13 buffers; false runs the
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
      // The start-up as it runs before "Begin": the sound system bound to the start window, the
      // 13 buffers loaded, the intro played; then the start window stays loaded, hidden.
      program.StartWindow().Show();
      program.StartWindow().Hide();
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

  // A click of a button (1 left, 2 right) on the canvas.
  void Press(int button) { backend.ClickAt(Vorlet(), 200, 200, button); }
  // How often the buffer loaded from the file was played (or stopped, loaded).
  int Calls(const std::string& file, const std::string& what = "play") const {
    return static_cast<int>(std::count_if(
        backend.sound_calls.begin(), backend.sound_calls.end(),
        [&](const scripted::SoundCall& call) { return call.file == file && call.call == what; }));
  }

  // --- Reading the scene ----------------------------------------------------------------
  Frame SceneFrame() { return Vorlet().Tessor1.SceneFrame(); }
  static Vector PositionOf(const Frame& frame, const Frame& ref) {
    Vector position;
    frame.GetPosition(ref, position);
    return position;
  }
  // The frame's z axis (dir) and y axis (up) in ref's coordinates.
  static std::pair<Vector, Vector> AxesOf(const Frame& frame, const Frame& ref) {
    Vector dir, up;
    frame.GetOrientation(ref, dir, up);
    return {dir, up};
  }
  // The angle of the frame's z axis about ref's y axis.
  static float TurnAboutY(const Frame& frame, const Frame& ref) {
    const Vector dir = AxesOf(frame, ref).first;
    return std::atan2(dir.x, dir.z);
  }
  // The visuals hanging on the frame itself; none on a released frame.
  static size_t VisualsOn(const Frame& frame) { return frame ? frame.Node()->visuals.size() : 0; }

  // The nearest visual under the level root that a ray meets (origin and direction in ref's
  // coordinates), as the floor picks see it: its name and the point met, in ref's coordinates;
  // no name and the origin when it meets nothing.
  struct Hit {
    std::string name;
    Vector point;
  };
  Hit PickFirst(const Frame& ref, Vector origin, Vector direction = {0, -1, 0}) {
    const scene::PickArray picks = Vorlet().fBase.RayPick(
        ref, scene::Ray{direction, origin}, scene::D3DRMRAYPICK_IGNOREFURTHERPRIMITIVES);
    scene::PickDesc desc;
    return picks.GetSize() == 0 ? Hit{"", origin}
                                : Hit{picks.GetPickVisual(0, desc).GetName(), desc.dvPosition};
  }

  // How the renderer sees one mesh (its vertices, colour, texture, material): hung alone on a
  // frame of its own, outside the game's scene. The view holds while the mesh lives.
  scene::MeshView ViewOf(const scene::MeshBuilder& mesh) {
    Frame holder = Vorlet().Tessor1.D3DRM().CreateFrame(Frame());
    holder.AddVisual(mesh);
    const scene::SceneView view = scene::CollectScene(holder);
    return view.items.empty() ? scene::MeshView() : view.items.front().mesh;
  }
};

// What the game showed when a box opened.
struct BoxSeen {
  scripted::BoxRecord box;
  int lives = 0;
  int icons = 0;
  bool clock_shown = false;
  std::set<std::string> loops;
  int32_t score = 0;
};

// Every box is closed with Enter after a while (100 ms, as a player does); after the last box of
// the game ("Order:" or the game over) the closing window is closed with Enter too.
inline void AnswerEveryBox(Game& game, std::vector<BoxSeen>& seen, uint32_t after_ms = 100) {
  game.backend.on_box = [&game, &seen, after_ms](const scripted::BoxRecord& box) {
    engine::frmVorlet& w = game.Vorlet();
    seen.push_back({box, w.Lives, w.Image1.Visible() + w.Image2.Visible() + w.Image3.Visible(),
                    w.Label1.Visible(), game.backend.PlayingLoops(), w.Score});
    game.backend.After(after_ms, [&game] { game.backend.AnswerOpenBox(); });
    if (box.title == "Order:" || box.prompt.find("G A M E") != std::string::npos) {
      game.backend.After(after_ms + 300,
                         [&game] { game.backend.PressKey(game.program.ClosingWindow(), 13); });
    }
  };
}

// The ball set down on the due checkpoint's disc, where the next pass's look under it finds it.
inline void PutBallOnDisc(engine::frmVorlet& w) {
  const Vector& pod = w.PodPos[static_cast<size_t>(w.CurrentPod)];
  w.fVorlet.SetPosition(w.fBase, pod.x, w.StartY, pod.z);
}

// As if every checkpoint but the last had been reached.
inline void BallOnLastDisc(engine::frmVorlet& w) {
  w.CurrentPod = w.Pods;
  const Vector& pod = w.PodPos[static_cast<size_t>(w.Pods)];
  w.fDisc.SetPosition(w.fBase, pod.x, pod.y, pod.z);
  PutBallOnDisc(w);
}

// Whether two points lie within the tolerance on every axis; the message shows both.
inline ::testing::AssertionResult Near(const Vector& have, const Vector& want, float tolerance) {
  if (std::abs(have.x - want.x) <= tolerance && std::abs(have.y - want.y) <= tolerance &&
      std::abs(have.z - want.z) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "(" << have.x << ", " << have.y << ", " << have.z << ") is not (" << want.x << ", "
         << want.y << ", " << want.z << ")";
}

// The cosine of the angle between the frame's z axis and the way to the point of the scene.
inline float AimCosine(Game& game, const Frame& frame, const Vector& to) {
  const Vector dir = Game::AxesOf(frame, game.SceneFrame()).first;
  const Vector from = Game::PositionOf(frame, game.SceneFrame());
  const glm::vec3 way(to.x - from.x, to.y - from.y, to.z - from.z);
  return glm::dot(glm::vec3(dir.x, dir.y, dir.z), way) / glm::length(way);
}

// The camera stands 500 above and 500 behind the ball's place in the scene, and looks at it.
inline ::testing::AssertionResult CameraBehind(Game& game, const Vector& ball) {
  if (AimCosine(game, game.Vorlet().MyCamera, ball) < 0.999999f) {
    return ::testing::AssertionFailure() << "the camera looks away from the ball";
  }
  return Near(Game::PositionOf(game.Vorlet().MyCamera, game.SceneFrame()),
              {ball.x, ball.y + 500, ball.z - 500}, 1e-3f);
}

// The pointer at the centre, (30000, 30000) of the 0-65535 space of the scripted 1024 x 768
// screen.
inline bool PointerCentred(Game& game) {
  const platform::PointL pointer = game.backend.GetCursorPos();
  return pointer.x == 468 && pointer.y == 351;
}

// What the look under the ball (from 7 units above its centre, straight down) finds at a place
// of the level root, with the ball set there at its start height; "" for nothing.
struct Place {
  float x, z;
  const char* found;
};

// The level as it stands, unturned: the ball rests on the board at its start, each place finds
// what it should, the four slope probes (1 unit to each side of the ball's centre, at its
// height) find floor below the ball wherever the ball can roll, and every checkpoint's disc is
// found first where it stands.
inline void CheckBoard(Game& game, const std::vector<Place>& places) {
  engine::frmVorlet& w = game.Vorlet();
  const Frame scene = game.SceneFrame();
  const float y = w.StartY;
  const auto probes_find_floor = [&](float x, float z, const std::string& where) {
    for (const Vector& p : {Vector{x - 1, y, z}, {x + 1, y, z}, {x, y, z - 1}, {x, y, z + 1}}) {
      const Game::Hit hit = game.PickFirst(scene, p);
      EXPECT_TRUE(hit.name != "" && hit.name != "vorlet" && hit.point.y < y)
          << where << ": the probe at " << p.x << ", " << p.z << " met \"" << hit.name << "\"";
    }
  };
  const auto& ball = *game.ViewOf(w.mVorlet).positions;
  const auto [lowest, highest] = std::minmax_element(
      ball.begin(), ball.end(), [](const glm::vec3& a, const glm::vec3& b) { return a.y < b.y; });
  EXPECT_NEAR(y + lowest->y, game.PickFirst(scene, {w.StartX, y + 7, w.StartZ}).point.y, 1.0f)
      << "the ball's bottom against the board's top at the start";
  EXPECT_GT(highest->y, 7) << "the picks from 7 above the centre must start inside the ball";

  w.fArrow.SetPosition(w.MyCamera, 8, -7, 20);  // in play the arrow hangs before the camera
  w.fDisc.SetPosition(w.fBase, 0, -1000, 0);
  for (const Place& p : places) {
    const std::string where = std::to_string(p.x) + ", " + std::to_string(p.z);
    w.fVorlet.SetPosition(w.fBase, p.x, y, p.z);
    EXPECT_EQ(game.PickFirst(scene, {p.x, y + 7, p.z}).name, p.found) << "at " << where;
    if (p.found != std::string("") && p.found != std::string("PILL")) {
      probes_find_floor(p.x, p.z, where);
    }
  }
  // A pill may lie on a checkpoint; it is taken before the disc gets there.
  w.fPill.DeleteVisual(w.mPill);
  for (int row = 0; row <= w.Pods; ++row) {
    const Vector& pod = w.PodPos[static_cast<size_t>(row)];
    w.fDisc.SetPosition(w.fBase, pod.x, pod.y, pod.z);
    w.fVorlet.SetPosition(w.fBase, pod.x, y, pod.z);
    EXPECT_EQ(game.PickFirst(scene, {pod.x, y + 7, pod.z}).name, "Bonus") << "checkpoint " << row;
    probes_find_floor(pod.x, pod.z, "checkpoint " + std::to_string(row));
  }
}

// --- The program from its first window ------------------------------------------------

constexpr const char* kSoundTitle = "Error initializing Direct Sound.";
constexpr const char* kSoundText =
    "Orbelon will run without sound.  Please make sure that you have the latest DirectX7 Drivers "
    "installed.";
constexpr const char* kDisplayText =
    "Orbelon was designed to run in High Color (16 bit).  Please check your display settings.";

constexpr int kEnter = 13;
constexpr int kEsc = 27;
constexpr int kSpace = 32;
constexpr int kTab = 9;

// The program started with a command line: the bank is left empty for the start-up to fill.
inline GameOptions StartOptions(std::string command_line, std::string folder = ORBELON_GAME_DIR) {
  return {.folder = std::move(folder), .command_line = std::move(command_line), .sound = false};
}

// Runs the program from its start window until the script stops it or it ends.
inline RunEnd RunProgram(Game& game) {
  return game.Run([&] { game.program.Run(); });
}

// The sound calls as "load intro.daw", "play intro.daw 0", "stop theme.daw".
inline std::vector<std::string> SoundLog(const scripted::ScriptedBackend& backend) {
  std::vector<std::string> log;
  for (const scripted::SoundCall& call : backend.sound_calls) {
    log.push_back(call.call + " " + call.file +
                  (call.call == "play" ? " " + std::to_string(call.flags) : ""));
  }
  return log;
}

inline std::vector<std::string> BoxTitles(const scripted::ScriptedBackend& backend) {
  std::vector<std::string> titles;
  for (const scripted::BoxRecord& box : backend.boxes) {
    titles.push_back(box.title);
  }
  return titles;
}

// How often a window was shown ("show"), hidden ("hide") or destroyed ("destroy").
inline int WindowEvents(const scripted::ScriptedBackend& backend, const std::string& form,
                        const std::string& what) {
  int count = 0;
  for (const scripted::WindowRecord& record : backend.windows) {
    count += record.form == form && record.what == what;
  }
  return count;
}

// The forms given the keyboard back as boxes and modal windows closed, in order.
inline std::vector<std::string> KeyboardHandovers(const scripted::ScriptedBackend& backend) {
  std::vector<std::string> forms;
  for (const scripted::WindowRecord& record : backend.keyboard) {
    forms.push_back(record.form);
  }
  return forms;
}

// The form that a form was tied to the last time it showed: empty for none.
inline std::string ShownOver(const scripted::ScriptedBackend& backend, const std::string& form) {
  std::string owner = "(never shown)";
  for (const scripted::WindowRecord& record : backend.windows) {
    if (record.form == form && record.what == "show") {
      owner = record.owner;
    }
  }
  return owner;
}

// The program's folder with every file but one, linked rather than copied. Named after the
// process, as tests run side by side.
class FolderWithout {
 public:
  explicit FolderWithout(const std::string& missing)
      : path_(std::filesystem::temp_directory_path() /
              ("orbelon-without-" + std::to_string(getpid()) + "-" + missing)) {
    std::filesystem::create_directories(path_);
    for (const auto& entry : std::filesystem::directory_iterator(ORBELON_GAME_DIR)) {
      if (entry.path().filename() != missing) {
        std::filesystem::create_symlink(entry.path(), path_ / entry.path().filename());
      }
    }
  }
  ~FolderWithout() { std::filesystem::remove_all(path_); }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace orbelon::gametest
