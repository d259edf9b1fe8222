// A window that the game hides is hidden whatever the desktop has done with it. One that the
// window manager holds minimised is withdrawn, which SDL does only for a mapped window, and
// shows again as any window does; one that another program maps while it is hidden goes again.

#include <functional>

#include "sdl_fixture.h"
#include "x11_desktop.h"

namespace orbelon::testing {
namespace {

SDL_Window* NativeOf(const platform::Form& form) {
  return SDL_GetWindowFromID(Backend().NativeWindowId(form.WindowId()));
}

// Whether the condition comes true within two seconds while the program takes its events, as
// it does between passes.
bool Until(const std::function<bool()>& condition) {
  const Uint64 deadline = SDL_GetTicks64() + 2000;
  for (;;) {
    for (platform::InputEvent event; Backend().PollEvent(event);) {
    }
    if (condition()) {
      return true;
    }
    if (SDL_GetTicks64() >= deadline) {
      return false;
    }
    SDL_Delay(10);
  }
}

TEST(HiddenWindow, AMinimisedWindowIsWithdrawnAndShowsAgain) {
  PlainForm form("MinimisedForm", 120, 80);  // SDL first: the desktop asks it for its driver
  X11Desktop desktop;
  if (!desktop.Available()) {
    GTEST_SKIP() << "the offscreen driver has no window manager to hold a window";
  }
  form.Show();
  SDL_Window* window = NativeOf(form);
  ASSERT_TRUE(Until([&] { return desktop.Viewable(window); }));
  desktop.Minimise(window);
  ASSERT_TRUE(Until([&] { return (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) == 0; }))
      << "SDL never saw the window unmapped";

  form.Hide();
  EXPECT_TRUE(Until([&] { return desktop.Withdrawn(window); }))
      << "the minimised window stays with the window manager";

  // SDL may still count it minimised; it maps all the same.
  form.Show();
  EXPECT_TRUE(Until([&] { return desktop.Viewable(window); })) << "the window does not show again";
  EXPECT_NE(SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN, 0u);
  form.Hide();
  EXPECT_TRUE(Until([&] { return !desktop.Viewable(window); }));
}

TEST(HiddenWindow, OneThatAnotherProgramMapsGoesAgain) {
  PlainForm form("RaisedForm", 120, 80);  // SDL first: the desktop asks it for its driver
  X11Desktop desktop;
  if (!desktop.Available()) {
    GTEST_SKIP() << "the offscreen driver has no other programs";
  }
  form.Show();
  SDL_Window* window = NativeOf(form);
  ASSERT_TRUE(Until([&] { return desktop.Viewable(window); }));
  form.Hide();
  ASSERT_TRUE(Until([&] { return desktop.Withdrawn(window); }));

  desktop.Map(window);
  EXPECT_TRUE(Until([&] { return desktop.Withdrawn(window) && !desktop.Viewable(window); }))
      << "the hidden window stays on the screen";
  EXPECT_FALSE(form.IsVisible());

  // And the game's own show still works.
  form.Show();
  EXPECT_TRUE(Until([&] { return desktop.Viewable(window); }));
  form.Hide();
}

}  // namespace
}  // namespace orbelon::testing
