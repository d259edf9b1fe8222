// SDL's events as the runtime receives them, sound buffers on SDL2_mixer and the program's folder,
// and the pointer with its show count and relative mode. (Waiting without spinning and the
// failure without a display are checked on the real program.)

#include <SDL.h>
#include <SDL_mixer.h>
#include <filesystem>

#include "sdl_fixture.h"
#include "unit/runtime/test_files.h"

namespace orbelon::testing {
namespace {

using platform::EventType;
using platform::InputEvent;

class EventsOfAWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    id = Backend().NativeWindowId(form.WindowId());
    Received();  // whatever the window system sent on its own (exposure, focus)
  }

  SDL_Event Event(uint32_t type) {
    SDL_Event event{};
    event.type = type;
    event.window.windowID = id;  // where every event of a window keeps its id
    return event;
  }
  void Key(SDL_Keycode key) {
    SDL_Event event = Event(SDL_KEYDOWN);
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
  }
  void Text(const char* text) {
    SDL_Event event = Event(SDL_TEXTINPUT);
    SDL_strlcpy(event.text.text, text, sizeof event.text.text);
    SDL_PushEvent(&event);
  }
  void Button(uint8_t button, int x, int y, bool down = true) {
    SDL_Event event = Event(down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP);
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
  }
  void Push(uint32_t type, SDL_WindowEventID what = SDL_WINDOWEVENT_NONE) {
    SDL_Event event = Event(type);
    event.window.event = static_cast<uint8_t>(what);
    SDL_PushEvent(&event);
  }

  // The events as text, "key 27" or "down 1 at 12,34".
  std::vector<std::string> Received() {
    std::vector<std::string> events;
    for (InputEvent e; Backend().PollEvent(e);) {
      const std::string at =
          std::to_string(e.button) + " at " + std::to_string(e.x) + "," + std::to_string(e.y);
      events.push_back(e.type == EventType::KeyPress    ? "key " + std::to_string(e.key)
                       : e.type == EventType::MouseDown ? "down " + at
                       : e.type == EventType::MouseUp   ? "up " + at
                       : e.type == EventType::Close     ? "close"
                                                        : "quit");
    }
    return events;
  }

  PlainForm form{"EventForm", 120, 80};
  uint32_t id = 0;
};

TEST_F(EventsOfAWindow, KeysButtonsCloseBoxAndQuitInOrder) {
  // Printable keys come as text: their key events give nothing.
  for (SDL_Keycode key :
       {SDLK_ESCAPE, SDLK_a, SDLK_RETURN, SDLK_KP_ENTER, SDLK_TAB, SDLK_BACKSPACE}) {
    Key(key);
  }
  // E acute is a one-byte code; the euro sign is not.
  for (const char* text : {"aB", " 7", "\xc3\xa9\xe2\x82\xac"}) {
    Text(text);
  }
  Button(SDL_BUTTON_LEFT, 12, 34);
  Button(SDL_BUTTON_MIDDLE, 1, 1);
  Button(SDL_BUTTON_MIDDLE, 1, 1, false);
  Button(SDL_BUTTON_LEFT, 13, 35, false);
  Button(SDL_BUTTON_RIGHT, 5, 6);
  for (auto what : {SDL_WINDOWEVENT_ENTER, SDL_WINDOWEVENT_LEAVE, SDL_WINDOWEVENT_CLOSE}) {
    Push(SDL_WINDOWEVENT, what);
  }
  Push(SDL_QUIT);

  EXPECT_EQ(Received(),
            (std::vector<std::string>{"key 27", "key 13", "key 13", "key 9", "key 8", "key 97",
                                      "key 66", "key 32", "key 55", "key 233", "down 1 at 12,34",
                                      "up 1 at 13,35", "down 2 at 5,6", "close", "quit"}))
      << "each key once as its character code, the left and right buttons (1 and 2), the close "
         "box, the quit";
}

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
  // The game's files are named from the program's folder, which has no '/' at its end.
  EXPECT_EQ(sdl::SdlBackend::ProgramFolder() + "/sdl_tests",
            std::filesystem::read_symlink("/proc/self/exe").string());
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
  EXPECT_EQ(std::pair(moved.x - centre.x, moved.y - centre.y), std::pair(40, -20));
  motion.motion.xrel = -1000000;
  SDL_PushEvent(&motion);
  EXPECT_EQ(backend.GetCursorPos().x, 0) << "it stops at the screen's edge";

  backend.MoveMouseAbsolute(30000, 30000);
  EXPECT_EQ(backend.ShowCursor(true), 0) << "shown again at 0";
  const platform::PointL real = backend.GetCursorPos();
  EXPECT_EQ(std::pair(real.x, real.y), std::pair(centre.x, centre.y)) << "the real one too";
}

}  // namespace
}  // namespace orbelon::testing
