#pragma once

// The program from its first window, as the start-up tests drive it, and what they read back.

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/support/game_fixture.h"
#include "startup/frm_start.h"

namespace orbelon::startuptest {

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
inline gametest::GameOptions StartOptions(std::string command_line,
                                          std::string folder = ORBELON_GAME_DIR) {
  return gametest::GameOptions{
      .folder = std::move(folder), .command_line = std::move(command_line), .sound = false};
}

// Runs the program from its start window until the script stops it or it ends.
inline gametest::RunEnd RunProgram(gametest::Game& game) {
  return game.Run([&] { game.program.Run(); });
}

// The sound calls as "load intro.daw", "play intro.daw 0", "stop theme.daw".
inline std::vector<std::string> SoundLog(const scripted::ScriptedBackend& backend) {
  std::vector<std::string> log;
  for (const scripted::SoundCall& call : backend.sound_calls) {
    std::string line = call.call + " " + call.file;
    if (call.call == "play") {
      line += " " + std::to_string(call.flags);
    }
    log.push_back(line);
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

// How often a window was shown ("show") or hidden ("hide").
inline int WindowEvents(const scripted::ScriptedBackend& backend, const std::string& form,
                        const std::string& what) {
  int count = 0;
  for (const scripted::WindowRecord& record : backend.windows) {
    count += record.form == form && record.what == what ? 1 : 0;
  }
  return count;
}

// The program's folder with every file but one, linked rather than copied.
class FolderWithout {
 public:
  explicit FolderWithout(const std::string& missing) {
    static int count = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("orbelon-start-without-" + std::to_string(getpid()) + "-" + std::to_string(++count));
    std::filesystem::create_directories(path_);
    for (const auto& entry : std::filesystem::directory_iterator(ORBELON_GAME_DIR)) {
      if (entry.path().filename() != missing) {
        std::filesystem::create_symlink(entry.path(), path_ / entry.path().filename());
      }
    }
  }
  ~FolderWithout() { std::filesystem::remove_all(path_); }
  FolderWithout(const FolderWithout&) = delete;
  FolderWithout& operator=(const FolderWithout&) = delete;
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace orbelon::startuptest
