// The start-up: everything the program sets up before the start window is first shown.

#include <cstdint>
#include <string>

#include "platform/checked.h"
#include "platform/error.h"
#include "platform/files/data_manifest.h"
#include "startup/frm_start.h"
#include "startup/program.h"

namespace orbelon::startup {

namespace {

constexpr int DSSCL_PRIORITY = 2;

struct BankFile {
  Sound sound;
  const char* file;
};

// Load order; "tele.daw" goes into three buffers so that the three teleport sounds can overlap.
constexpr BankFile kBankFiles[kSoundCount] = {
    {Sound::sIntro, "\\intro.daw"}, {Sound::sTheme, "\\theme.daw"}, {Sound::sChip, "\\chip.daw"},
    {Sound::sMsgb, "\\msgb.daw"},   {Sound::sFall, "\\fall.daw"},   {Sound::sWin, "\\win.daw"},
    {Sound::sBird, "\\bird.daw"},   {Sound::sPill, "\\pill.daw"},   {Sound::sRage, "\\rage.daw"},
    {Sound::sTele1, "\\tele.daw"},  {Sound::sTele2, "\\tele.daw"},  {Sound::sTele3, "\\tele.daw"},
    {Sound::sLaser, "\\laser.daw"},
};

bool IsSoundFile(const std::string& name) {
  return name.ends_with(".daw");
}

}  // namespace

void frmStart::Form_Load() {
  input::Module1& m = program_.module1;
  platform::Runtime& runtime = program_.runtime;
  platform::Backend& backend = runtime.GetBackend();

  m.AppPath = runtime.AppPath();
  m.SoundOff = false;

  // A broken install is named now, before play, rather than ending a game when the file is first
  // used. A picture, mesh or texture that fails ends the program here; a sound file is checked
  // with the bank below, where a failure means a silent game.
  const platform::DataManifest data_files(m.AppPath);
  for (const std::string& name : data_files.Names()) {
    if (!IsSoundFile(name)) {
      data_files.Check(name);
    }
  }

  // A failing display query or box throws on; the refusal ends the process.
  const auto display_test = [&] {
    m.DxRoot = true;
    const int16_t bits = platform::CheckedNarrow<int16_t>(backend.DisplayBitsPerPixel());
    if (bits != 16) {
      runtime.MsgBox(
          "Orbelon was designed to run in High Color (16 bit).  Please check your display "
          "settings.",
          platform::vbCritical, "Error:");
      runtime.End(0);
    }
  };

  if (runtime.Command() != "nosound") {
    // Any sound failure from here on means one message and a silent game; the handler is
    // entered once, so a failure after it (the second display test) is not caught again.
    try {
      m.DxRoot = true;
      m.bank.SetSystem(backend.CreateSoundSystem());
      display_test();
      platform::SoundSystem* system = m.bank.System();
      if (system == nullptr) {
        throw platform::PlatformError("Nothing: no sound system");
      }
      system->SetCooperativeLevel(WindowId(), DSSCL_PRIORITY);
      for (const BankFile& entry : kBankFiles) {
        m.bank.Load(entry.sound, m.AppPath + entry.file);
      }
      // The bank takes a sound cut short at the end of a frame, and the second level's music is
      // read only at the level change: both are found here.
      for (const std::string& name : data_files.Names()) {
        if (IsSoundFile(name)) {
          data_files.Check(name);
        }
      }
      m.bank.Play(Sound::sIntro, 0);
      return;
    } catch (const platform::PlatformError& error) {
      runtime.Warn(std::string("running without sound: ") + error.what());
    } catch (const platform::OverflowError& error) {
      runtime.Warn(std::string("running without sound: ") + error.what());
    }
  }

  m.SoundOff = true;
  runtime.MsgBox(
      "Orbelon will run without sound.  Please make sure that you have the latest DirectX7 "
      "Drivers installed.",
      platform::vbOKOnly, "Error initializing Direct Sound.");
  display_test();
}

}  // namespace orbelon::startup
