// Sound buffers on SDL2_mixer and the pointer with its show count and relative mode.

#include <filesystem>

#include <SDL.h>
#include <SDL_mixer.h>

#include "sdl_fixture.h"
#include "unit/runtime/test_files.h"

namespace orbelon::testing {
namespace {

// A 16-bit mono wave at 22050 Hz that plays for the given milliseconds.
std::string WaveFile(const std::string& name, uint32_t milliseconds) {
  const std::filesystem::path folder = std::filesystem::path(ORBELON_TEST_OUTPUT) / "sdl_sound";
  std::filesystem::create_directories(folder);
  WriteFile((folder / name).string(), MakeWave(1, 16, 22050, 22050 * milliseconds / 1000));
  return (folder / name).string();
}

TEST(Sound, BuffersPlayOnceLoopAndStop) {
  auto system = Backend().CreateSoundSystem();
  system->SetCooperativeLevel(0, 2);
  auto once = system->CreateSoundBufferFromFile(WaveFile("short.daw", 100));
  auto loop = system->CreateSoundBufferFromFile(WaveFile("loop.daw", 100));
  EXPECT_EQ(Mix_Playing(-1), 0);

  once->Play(0);
  loop->Play(1);
  EXPECT_EQ(Mix_Playing(-1), 2) << "each buffer on a channel of its own";
  loop->Play(1);
  loop->Play(0);
  EXPECT_EQ(Mix_Playing(-1), 2) << "Play on a playing buffer leaves it playing";
  SDL_Delay(400);
  EXPECT_EQ(Mix_Playing(-1), 1) << "the once-played buffer has ended, the loop goes on";
  loop->Stop();
  EXPECT_EQ(Mix_Playing(-1), 0) << "Stop halts it";
  once->Play(0);
  EXPECT_EQ(Mix_Playing(-1), 1) << "a finished buffer plays again";
  once->Stop();

  const std::string damaged = WaveFile("damaged.daw", 10);
  std::filesystem::resize_file(damaged, 30);
  for (const std::string& path : {damaged + ".none", damaged}) {
    try {
      system->CreateSoundBufferFromFile(path);
      ADD_FAILURE() << path << " loaded";
    } catch (const platform::PlatformError& error) {
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
  }
}

TEST(Pointer, ShowCountAbsoluteMovesAndRelativeMotion) {
  if (!HasXDisplay()) {
    GTEST_SKIP() << "the offscreen driver has no pointer";
  }
  PlainForm form("PointerForm", 100, 100);
  form.Show();
  SDL_Rect screen{};
  ASSERT_EQ(SDL_GetDisplayBounds(0, &screen), 0);
  auto& backend = Backend();

  backend.MoveMouseAbsolute(0, 65535);
  EXPECT_EQ(backend.GetCursorPos().x, 0);
  EXPECT_EQ(backend.GetCursorPos().y, screen.h - 1) << "the space spans the screen, 65536 steps";

  EXPECT_EQ(backend.ShowCursor(false), -1);
  EXPECT_EQ(backend.ShowCursor(false), -2);
  EXPECT_EQ(backend.ShowCursor(true), -1) << "still hidden below 0";
  backend.MoveMouseAbsolute(30000, 30000);
  const platform::PointL centre = backend.GetCursorPos();
  EXPECT_EQ(centre.x, static_cast<int>(30000LL * screen.w / 65536));
  EXPECT_EQ(centre.y, static_cast<int>(30000LL * screen.h / 65536));

  // Motion while hidden adds to the pointer exactly, as relative mode reports it.
  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.xrel = 40;
  motion.motion.yrel = -20;
  SDL_PushEvent(&motion);
  const platform::PointL moved = backend.GetCursorPos();
  EXPECT_EQ(moved.x - centre.x, 40);
  EXPECT_EQ(moved.y - centre.y, -20);
  motion.motion.xrel = -1000000;
  SDL_PushEvent(&motion);
  EXPECT_EQ(backend.GetCursorPos().x, 0) << "it stops at the screen's edge";

  backend.MoveMouseAbsolute(30000, 30000);
  EXPECT_EQ(backend.ShowCursor(true), 0) << "shown again at 0";
  const platform::PointL real = backend.GetCursorPos();
  EXPECT_EQ(real.x, centre.x) << "the real pointer stands where ours did";
  EXPECT_EQ(real.y, centre.y);
}

}  // namespace
}  // namespace orbelon::testing
