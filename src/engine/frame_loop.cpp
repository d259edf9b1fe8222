// The play window's load: the game's set-up, then the frame loop for the rest of the program's
// life. Nothing here handles a failure: one that reaches the loop ends the program.

#include <cstdint>

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "levels/level_data.h"
#include "platform/runtime/runtime.h"
#include "startup/program.h"

namespace orbelon::engine {

namespace {

constexpr uint32_t kPassMs = 30;

void SetUp(frmVorlet& w) {
  platform::Runtime& runtime = w.program.runtime;
  input::Module1& module1 = w.module1;

  w.UFOActive = true;
  w.Ant = true;
  w.ParticlesOn = false;
  w.IsShot = false;
  w.RageSpin = 0.002f;
  w.BeamOn = false;
  w.Pill = false;
  w.Tessor1.SetStartSetting(30);
  w.SpinRim = false;
  w.ColDir = 0.05f;
  module1.ArrowGlow = 0;
  module1.GlowSpare = 0;
  module1.CurrentLevel = 1;
  w.Lives = 4;
  w.FallStep = 0;
  w.Locked = false;
  // Level 2 sets its own start point when it is built.
  const scene::Vector& start = levels::Level1Data().start;
  w.StartY = start.y;
  w.StartX = start.x;
  w.StartZ = start.z;
  w.Score = 0;
  module1.AppPath = runtime.AppPath();

  runtime.GetBackend().ShowCursor(false);
  w.Tessor1.SceneFrame().SetSceneBackgroundRGB(0, 0, 0);
  w.Tessor1.StartCanvas();
  w.Level1();
  w.Tessor1.Render();
  module1.InitInput();
  w.CurrentPod = 0;
  // The first life: returns once the player has closed its "Ready:" box.
  w.Reset();
  w.MyCon = true;
  module1.CenterMouse();
  w.TimeLeft = 31;
  module1.InitMouse();
}

void RunPass(frmVorlet& w) {
  platform::Runtime& runtime = w.program.runtime;
  input::Module1& module1 = w.module1;

  // Unsigned, so the sum wraps with the clock; the runtime compares across the wrap.
  const uint32_t deadline = runtime.TimeGetTime() + kPassMs;
  w.CanFall = true;
  if (!w.Ant) {
    w.AdjustAnt();
  }
  if (w.Timer3.Enabled()) {
    w.RageSpin = static_cast<float>(static_cast<double>(w.RageSpin) * 1.05);
    w.fRage.SetRotation(w.fBase, 0, 1, 0, w.RageSpin);
  }
  module1.CheckKeys();
  w.CheckMouse();
  w.UpsideDown();
  module1.CenterMouse();
  w.Gravity();
  w.Tessor1.Update();
  if (w.ParticlesOn) {
    w.MoveParticle();
  }
  if (w.UFOActive) {
    w.MoveUFO();
  }
  w.SetDirection();
  w.MoveCam();
  w.Tessor1.Render();
  // The ball rolls only in passes where SetDirection turns it again.
  w.fRoll.SetRotation(w.fVorlet, 0, 0, 0, 0);
  w.Show();
  // Once a pass even when the pass is late, so a slow machine still sees its input.
  runtime.DoEvents();
  w.CheckScore();
  w.ChangeArrow();
  runtime.PaceUntil(deadline);
}

}  // namespace

void frmVorlet::Form_Load() {
  SetUp(*this);
  while (MyCon) {
    RunPass(*this);
  }
}

}  // namespace orbelon::engine
