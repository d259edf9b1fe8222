// Forms: loading, showing, focus, and the way keys and clicks reach controls. A click is a press
// and a release over the same thing: the press gives a button the focus, the release clicks
// whatever took the press, and only when it comes over it.

#include <utility>

#include "platform/error.h"
#include "runtime_fixture.h"

namespace orbelon::testing {
namespace {

using Forms = RuntimeTest;

TEST_F(Forms, FocusTabOrderAndTheDefaultButton) {
  TestForm form(runtime, "frmOrder");
  CountingButton hint(form, "Command1", {0, 600, 1500, 450}, 0);
  CountingButton exit(form, "OKButton", {0, 0, 1500, 450}, 1);
  CountingButton hidden(form, "Command2", {0, 1200, 1500, 450}, -1);
  hidden.button.SetVisible(false);
  exit.button.SetDefault(true);
  form.Show();

  EXPECT_EQ(form.FocusedControl(), &hint.button) << "focus goes to the lowest visible tab index";
  backend.PressKey(form, 13);
  runtime.DoEvents();
  EXPECT_EQ(hint.clicks, 1) << "Enter presses the focused button before the default one";

  for (int key : {9, 32, 9, 32}) {
    backend.PressKey(form, key);
  }
  runtime.DoEvents();
  EXPECT_EQ(exit.clicks, 1) << "Tab moves on to the next button, Space presses it";
  EXPECT_EQ(hint.clicks, 2) << "Tab wraps round to the first, skipping the hidden one";
  EXPECT_EQ(hidden.clicks, 0);

  exit.button.SetFocus();
  form.Hide();
  form.Show();
  EXPECT_EQ(form.FocusedControl(), &exit.button) << "a form shown again keeps its focus";
  form.Unload();
  form.Show();
  EXPECT_EQ(form.FocusedControl(), &hint.button) << "a form loaded afresh starts at the first";

  form.SetFocusedControl(nullptr);
  backend.PressKey(form, 13);
  runtime.DoEvents();
  EXPECT_EQ(exit.clicks, 2) << "with nothing focused Enter presses the default button";
}

TEST_F(Forms, MouseDownGoesToTheTopmostControlElseTheForm) {
  TestForm form(runtime, "frmStart");
  CountingButton under(form, "Under", {1500, 1500, 1500, 1500}, 0);
  CountingButton over(form, "Over", {2250, 2250, 1500, 1500}, 1);
  platform::Label label(form, "Label1", {0, 0, 1500, 1500});
  form.Show();

  backend.ClickAt(form, 175, 175);  // where both buttons lie
  runtime.DoEvents();
  EXPECT_EQ(form.FocusedControl(), &over.button) << "a clicked button takes the focus";
  backend.ClickAt(form, 110, 110);  // only the lower one
  backend.ClickAt(form, 50, 50);    // a label takes no click
  backend.ClickAt(form, 290, 190);  // nothing there
  backend.ClickAt(form, 110, 110, 2);
  backend.ClickAt(form, 290, 190, 2);
  runtime.DoEvents();
  EXPECT_EQ(over.clicks, 1) << "the control made later lies on top";
  EXPECT_EQ(under.clicks, 1) << "only the left button clicks";
  EXPECT_EQ(form.clicks, 2) << "left clicks that no control takes are the form's";

  over.button.SetVisible(false);
  backend.ClickAt(form, 175, 175);
  runtime.DoEvents();
  EXPECT_EQ(under.clicks, 2) << "a hidden control takes no click";
}

TEST_F(Forms, LoadHandlerThatNeverReturnsCountsAsLoadedAndEndUnwindsIt) {
  TestForm play(runtime, "frmVorlet");
  CountingButton quit(play, "Command1", {0, 0, 1500, 450}, 0);
  quit.button.Click = [&] { runtime.End(3); };
  int passes = 0;
  bool loaded_inside = false;
  play.on_load = [&] {
    loaded_inside = play.IsLoaded();
    for (;;) {  // the game's frame loop
      play.Show();
      ++passes;
      runtime.DoEvents();
      runtime.PaceUntil(runtime.TimeGetTime() + 30);
    }
  };
  backend.At(300, [&] { backend.Click(play, quit.button); });
  try {
    play.Show();
    FAIL() << "End must unwind out of the load handler";
  } catch (const platform::ProcessExit& exit) {
    EXPECT_EQ(exit.status, 3);
  }
  EXPECT_TRUE(loaded_inside) << "the form must count as loaded while its load handler runs";
  EXPECT_EQ(passes, 11);
  EXPECT_EQ(backend.windows.size(), 2u) << "a show every pass reaches the window only once";
  EXPECT_EQ(backend.presents, 1) << "a window that never changes is painted once, when shown";
}

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
