// The keyboard device, polled every pass though nothing reads it, the play window's key handler,
// whose only working key is Esc, and its close box.

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "platform/error.h"
#include "screens/frm_paused.h"
#include "startup/program.h"

namespace orbelon::input {

namespace {

constexpr int kKeyboardFormat = 1;           // the standard keyboard data format
constexpr int kBackgroundNonExclusive = 10;  // background (8) plus non-exclusive (2)
constexpr int16_t kFirstPolledKey = 1;
constexpr int16_t kLastPolledKey = 211;

}  // namespace

void Module1::InitInput() {
  // The start-up normally made the root object already.
  if (!DxRoot) {
    DxRoot = true;
  }
  KeyDevice = program_.runtime.GetBackend().CreateKeyboardDevice("GUID_SysKeyboard");
  KeyDevice->SetCommonDataFormat(kKeyboardFormat);
  KeyDevice->SetCooperativeLevel(program_.PlayWindow().WindowId(), kBackgroundNonExclusive);
  KeyDevice->Acquire();
}

void Module1::CheckKeys() {
  if (!KeyDevice) {
    throw platform::PlatformError("CheckKeys: the keyboard device is Nothing");
  }
  KeyDevice->GetDeviceStateKeyboard(KeyState);
  // The poll walks the keys and acts on none of them: what the keyboard does in the game comes
  // only from the key handler.
  for (KeyIndex = kFirstPolledKey; KeyIndex <= kLastPolledKey; ++KeyIndex) {
    [[maybe_unused]] const uint8_t state = KeyState.at(static_cast<size_t>(KeyIndex));
  }
  engine::frmVorlet& play = program_.PlayWindow();
  scene::Vector dropped;
  play.fVorlet.GetPosition(play.Tessor1.SceneFrame(), dropped);
  play.MyCamera.GetPosition(play.Tessor1.SceneFrame(), dropped);
}

}  // namespace orbelon::input

namespace orbelon::engine {

namespace {

constexpr int16_t kEsc = 27;
constexpr int16_t kDigitOne = '1';
constexpr int16_t kDigitNine = '9';

}  // namespace

void frmVorlet::Form_KeyPress(int16_t& KeyAscii) {
  if (KeyAscii == kEsc) {
    program.runtime.GetBackend().ShowCursor(true);
    Timer1.SetEnabled(false);
    // The frame loop stands still in here until the pause window closes; its "Continue" hides
    // the pointer again and its "Quit Orbelon" never comes back.
    program.PauseWindow().ShowModal();
    Timer1.SetEnabled(true);
    // The pointer's trip to "Continue" is no tilt: the board goes on as it stood.
    module1.CenterMouse();
  } else if (KeyAscii >= kDigitOne && KeyAscii <= kDigitNine) {
    // A speed choice that nothing reads any more.
    SpeedSetting = static_cast<int16_t>(10 - (KeyAscii - '0'));
  }
}

// A player who closes the play window means to leave: the road of the pause window's "Quit
// Orbelon", with the pointer shown for the closing window as Esc would have shown it.
void frmVorlet::Form_CloseRequest() {
  program.runtime.GetBackend().ShowCursor(true);
  program.PauseWindow().Command1_Click();
}

void frmVorlet::Tessor1_EmptyHandler(int32_t value) {
  (void)value;
}

}  // namespace orbelon::engine
