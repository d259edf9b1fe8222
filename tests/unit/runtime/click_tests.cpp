// Clicks: a press and a release over the same thing. The press gives a button the focus; the
// release clicks whatever took the press, and only when it comes over it.

#include <utility>

#include "runtime_fixture.h"

namespace orbelon::testing {
namespace {

using Clicks = RuntimeTest;

// Two buttons of a 300 x 200 pixel window: "Quit" at 100-199 x 100-129, "Continue" below it at
// 100-199 x 150-179.
class PausedForm : public TestForm {
 public:
  explicit PausedForm(platform::Runtime& runtime) : TestForm(runtime, "frmPaused") {}
  CountingButton quit{*this, "Command1", {1500, 1500, 1500, 450}, 0};
  CountingButton go_on{*this, "Command2", {1500, 2250, 1500, 450}, 1};
};

TEST_F(Clicks, AButtonOrTheFormClicksOnTheReleaseOverItself) {
  PausedForm form(runtime);
  form.Show();

  backend.PressButtonAt(form, 150, 165);
  runtime.DoEvents();
  EXPECT_EQ(form.FocusedControl(), &form.go_on.button) << "the press gives the button the focus";
  EXPECT_EQ(form.go_on.clicks, 0) << "a button must not click before the release";
  backend.ReleaseButtonAt(form, 190, 175);
  backend.PressButtonAt(form, 20, 20);
  runtime.DoEvents();
  EXPECT_EQ(form.go_on.clicks, 1) << "a release anywhere over the same button clicks it";
  EXPECT_EQ(form.clicks, 0) << "the form must not click before the release";
  backend.ReleaseButtonAt(form, 25, 30);
  runtime.DoEvents();
  EXPECT_EQ(form.clicks, 1);

  // The button's press released on the form, on the other button, out of the window; the form's
  // press released on a button (inside the form) and out of the window.
  for (auto [x, y] : {std::pair{150, 40}, std::pair{150, 115}, std::pair{400, 165}}) {
    backend.PressButtonAt(form, 150, 165);
    backend.ReleaseButtonAt(form, x, y);
  }
  for (auto [x, y] : {std::pair{150, 115}, std::pair{350, 20}}) {
    backend.PressButtonAt(form, 20, 20);
    backend.ReleaseButtonAt(form, x, y);
  }
  runtime.DoEvents();
  EXPECT_EQ(form.go_on.clicks, 1) << "a release off the pressed button clicks nothing";
  EXPECT_EQ(form.quit.clicks, 0) << "a release over another button does not click that one";
  EXPECT_EQ(form.clicks, 2) << "the form clicks for its own press released inside it, only";
}

TEST_F(Clicks, OtherButtonsAndLostReleases) {
  PausedForm form(runtime);
  form.Show();

  // The right button pressed and released while the left is down changes nothing.
  backend.PressButtonAt(form, 150, 165);
  backend.PressButtonAt(form, 150, 115, 2);
  backend.ReleaseButtonAt(form, 150, 115, 2);
  backend.ReleaseButtonAt(form, 150, 165);
  runtime.DoEvents();
  EXPECT_EQ(form.go_on.clicks, 1) << "the left button's click survives a right click meanwhile";
  EXPECT_EQ(form.quit.clicks, 0);

  // A release that went to another window never comes: the next press starts afresh.
  backend.PressButtonAt(form, 150, 165);
  backend.PressButtonAt(form, 150, 115);
  backend.ReleaseButtonAt(form, 150, 115);
  runtime.DoEvents();
  EXPECT_EQ(form.quit.clicks, 1) << "a press whose release was lost must not swallow the next";
  EXPECT_EQ(form.go_on.clicks, 1);

  backend.PressButtonAt(form, 150, 165);
  runtime.DoEvents();
  form.Hide();
  form.Show();
  backend.ReleaseButtonAt(form, 150, 165);
  runtime.DoEvents();
  EXPECT_EQ(form.go_on.clicks, 1) << "a window hidden between press and release must forget it";

  // A button whose click closes the window: the window is gone after the release, not before.
  form.go_on.button.Click = [&] { form.Unload(); };
  backend.PressButtonAt(form, 150, 165);
  runtime.DoEvents();
  EXPECT_TRUE(form.IsVisible()) << "the window closed on the press";
  backend.ReleaseButtonAt(form, 150, 165);
  runtime.DoEvents();
  EXPECT_FALSE(form.IsLoaded()) << "the window stayed open after the click";
}

}  // namespace
}  // namespace orbelon::testing
