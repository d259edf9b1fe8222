// SDL's events as the runtime receives them, and waiting for them without spinning.

#include <sys/resource.h>

#include <SDL.h>

#include "sdl_fixture.h"

namespace orbelon::testing {
namespace {

using platform::EventType;
using platform::InputEvent;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class EventsOfAWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    id = Backend().NativeWindowId(form.WindowId());
    Drain();
  }

  // Whatever the window system sent on its own (exposure, focus) is not part of a test.
  void Drain() {
    InputEvent ignored;
    while (Backend().PollEvent(ignored)) {
    }
  }

  void Key(SDL_Keycode key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.windowID = id;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
  }
  void Text(const char* text) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    event.text.windowID = id;
    SDL_strlcpy(event.text.text, text, sizeof event.text.text);
    SDL_PushEvent(&event);
  }
  void Button(uint8_t button, int x, int y, bool down = true) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = id;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
  }
  void WindowEvent(SDL_WindowEventID what) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = id;
    event.window.event = static_cast<uint8_t>(what);
    SDL_PushEvent(&event);
  }

  std::vector<InputEvent> Received() {
    std::vector<InputEvent> events;
    InputEvent event;
    while (Backend().PollEvent(event)) {
      events.push_back(event);
    }
    return events;
  }

  PlainForm form{"EventForm", 120, 80};
  uint32_t id = 0;
};

TEST_F(EventsOfAWindow, KeysButtonsAndQuitInOrder) {
  Key(SDLK_ESCAPE);
  Key(SDLK_a);  // its character comes as text
  Text("aB");
  Key(SDLK_RETURN);
  Key(SDLK_KP_ENTER);
  Key(SDLK_TAB);
  Key(SDLK_BACKSPACE);
  Text(" 7");
  Text("\xc3\xa9\xe2\x82\xac");  // e acute is a one-byte code; the euro sign is not
  Button(SDL_BUTTON_LEFT, 12, 34);
  Button(SDL_BUTTON_MIDDLE, 1, 1);
  Button(SDL_BUTTON_MIDDLE, 1, 1, false);
  Button(SDL_BUTTON_LEFT, 13, 35, false);
  Button(SDL_BUTTON_RIGHT, 5, 6);
  WindowEvent(SDL_WINDOWEVENT_ENTER);
  WindowEvent(SDL_WINDOWEVENT_LEAVE);
  WindowEvent(SDL_WINDOWEVENT_CLOSE);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);

  std::vector<InputEvent> events = Received();
  std::vector<int> keys;
  for (const InputEvent& event : events) {
    if (event.type == EventType::KeyPress) {
      EXPECT_EQ(event.window, form.WindowId()) << "key " << event.key << " to its window";
      keys.push_back(event.key);
    }
  }
  EXPECT_EQ(keys, (std::vector<int>{27, 'a', 'B', 13, 13, 9, 8, ' ', '7', 0xe9}))
      << "each key once, as its character code";

  ASSERT_EQ(events.size(), keys.size() + 4)
      << "the left press and release, the right press and the quit, nothing else";
  const InputEvent& left = events[keys.size()];
  EXPECT_EQ(left.type, EventType::MouseDown);
  EXPECT_EQ(left.window, form.WindowId());
  EXPECT_EQ(left.button, 1);
  EXPECT_EQ(left.x, 12);
  EXPECT_EQ(left.y, 34);
  const InputEvent& release = events[keys.size() + 1];
  EXPECT_EQ(release.type, EventType::MouseUp) << "a release comes after its press";
  EXPECT_EQ(release.window, form.WindowId());
  EXPECT_EQ(release.button, 1);
  EXPECT_EQ(release.x, 13);
  EXPECT_EQ(release.y, 35);
  const InputEvent& right = events[keys.size() + 2];
  EXPECT_EQ(right.type, EventType::MouseDown);
  EXPECT_EQ(right.button, 2) << "SDL's right button is the game's button 2";
  EXPECT_EQ(right.x, 5);
  EXPECT_EQ(events.back().type, EventType::Quit);
}

TEST_F(EventsOfAWindow, WaitingBlocksUntilTheTimeOrAnEvent) {
  double cpu = CpuSeconds();
  uint32_t start = Backend().TimeGetTime();
  Backend().WaitEvent(120);
  uint32_t waited = Backend().TimeGetTime() - start;
  double used = CpuSeconds() - cpu;
  if (waited < 120u) {
    for (const InputEvent& e : Received()) {
      ADD_FAILURE() << "type " << static_cast<int>(e.type) << " key " << e.key << " button "
                    << e.button << " at " << e.x << "," << e.y;
    }
  }
  EXPECT_GE(waited, 120u) << "never returns before its time with nothing to do";
  EXPECT_LT(waited, 300u);
  EXPECT_LT(used, 0.03) << "the wait must block, not spin: " << used << " s of CPU";

  // Events the runtime does not see do not end the wait.
  WindowEvent(SDL_WINDOWEVENT_ENTER);
  start = Backend().TimeGetTime();
  Backend().WaitEvent(60);
  EXPECT_GE(Backend().TimeGetTime() - start, 60u);

  Key(SDLK_ESCAPE);
  start = Backend().TimeGetTime();
  Backend().WaitEvent(5000);
  EXPECT_LT(Backend().TimeGetTime() - start, 100u) << "a pending key ends the wait at once";
  std::vector<InputEvent> events = Received();
  ASSERT_EQ(events.size(), 1u) << "and stays queued for PollEvent";
  EXPECT_EQ(events[0].key, 27);
}

TEST(Devices, ClockKeyboardAndFolder) {
  Backend();
  uint32_t before = static_cast<uint32_t>(SDL_GetTicks64());
  uint32_t now = Backend().TimeGetTime();
  EXPECT_LE(now - before, 5u) << "the millisecond clock is SDL's";
  time_t wall = time(nullptr);
  tm local{};
  localtime_r(&wall, &local);
  int second = Backend().WallSecond();
  EXPECT_TRUE(second == local.tm_sec || second == (local.tm_sec + 1) % 60) << second;

  EXPECT_THROW(Backend().CreateKeyboardDevice("GUID_SysMouse"), platform::PlatformError);
  auto keyboard = Backend().CreateKeyboardDevice("GUID_SysKeyboard");
  std::array<uint8_t, 256> state{};
  EXPECT_THROW(keyboard->GetDeviceStateKeyboard(state), platform::PlatformError)
      << "a keyboard that was not acquired cannot be read";
  keyboard->SetCommonDataFormat(1);
  keyboard->SetCooperativeLevel(0, 10);
  keyboard->Acquire();
  state.fill(0x55);
  keyboard->GetDeviceStateKeyboard(state);
  for (uint8_t key : state) {
    EXPECT_TRUE(key == 0 || key == 0x80);
  }

  std::string folder = sdl::SdlBackend::ProgramFolder();
  EXPECT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '/');
  char self[4096] = {};
  ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
  EXPECT_EQ(folder + "/sdl_tests", std::string(self)) << "the folder of the program";
}

TEST(Devices, NoDisplayIsAClearFailure) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
        try {
          sdl::SdlBackend::Create();
        } catch (const platform::PlatformError& error) {
          fprintf(stderr, "%s\n", error.what());
          exit(3);
        }
        exit(0);
      },
      ::testing::ExitedWithCode(3), "cannot open a display: ");
  // SDL would draw off screen where nobody sees it; only a test may ask for that.
  EXPECT_EXIT(
      {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("SDL_VIDEODRIVER");
        try {
          sdl::SdlBackend::Create();
        } catch (const platform::PlatformError& error) {
          fprintf(stderr, "%s\n", error.what());
          exit(3);
        }
        exit(0);
      },
      ::testing::ExitedWithCode(3), "cannot open a display: no X11 or Wayland display");
}

}  // namespace
}  // namespace orbelon::testing
