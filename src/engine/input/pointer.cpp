// The board tilt: the pointer is held at a fixed point of the screen, and each pass turns the
// board by how far the player has moved it since the last pass.

#include <string>

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "platform/checked.h"
#include "startup/program.h"

namespace orbelon::input {

namespace {

// The centre point in the 0-65535 space of the primary screen.
constexpr int kCentreNormalised = 30000;

}  // namespace

void Module1::CenterMouse() {
  program_.runtime.GetBackend().MoveMouseAbsolute(kCentreNormalised, kCentreNormalised);
}

void Module1::InitMouse() {
  CenterMouse();
  CursorPos = program_.runtime.GetBackend().GetCursorPos();
  // Where the pointer really landed is the centre, so an unmoved pointer measures exactly 0.
  CenterX = platform::CheckedNarrow<int16_t>(CursorPos.x);
  CenterY = platform::CheckedNarrow<int16_t>(CursorPos.y);
}

}  // namespace orbelon::input

namespace orbelon::engine {

namespace {

constexpr double kPixelsPerRadian = 400;

// A Long difference divided in double precision and kept as a Single.
float TiltAngle(int16_t centre, int32_t position) {
  const int32_t offset = platform::LongAdd(centre, -int64_t{position});
  return static_cast<float>(offset / kPixelsPerRadian);
}

}  // namespace

void frmVorlet::CheckMouse() {
  module1.CursorPos = program.runtime.GetBackend().GetCursorPos();
  const platform::PointL cursor = module1.CursorPos;
  Text12.SetText(std::to_string(cursor.y));
  if (Locked) {
    return;
  }
  Text1.SetText(std::to_string(cursor.x));
  Text2.SetText(std::to_string(cursor.y));
  const float a = TiltAngle(module1.CenterX, cursor.x);
  const float b = TiltAngle(module1.CenterY, cursor.y);
  fBase.AddRotation(scene::D3DRMCOMBINE_BEFORE, 0, 0, 1, a);
  fBase.AddRotation(scene::D3DRMCOMBINE_BEFORE, 1, 0, 0, b);
}

}  // namespace orbelon::engine
