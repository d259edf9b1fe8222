// Message boxes: how they close, lay out their text and icon, and keep their blanks; the report
// of a failure that reaches the top; and timers, which tick no faster than every 15 ms and count
// from their form's load.

#include "platform/error.h"
#include "platform/runtime/message_box.h"
#include "runtime_fixture.h"

namespace orbelon::testing {
namespace {

using Modal = RuntimeTest;
using platform::MessageBoxForm;

TEST_F(Modal, BoxClosesOnEnterSpaceEscOrAClickOnOk) {
  for (int key : {13, 32, 27, 0}) {  // 0: a click on OK
    const uint32_t opened = backend.Now();
    backend.on_box = [&](const scripted::BoxRecord&) {
      // Keys that close nothing first, and a click beside the button.
      backend.After(10, [&] {
        backend.AnswerOpenBox('a');
        backend.AnswerOpenBox(9);
        backend.ClickAt(*backend.OpenBox(), 1, 1);
      });
      backend.After(50, [&] {
        if (key == 0) {
          backend.Click(*backend.OpenBox(), backend.OpenBox()->OKButton);
        } else {
          backend.AnswerOpenBox(key);
        }
      });
    };
    runtime.MsgBox("text", platform::vbOKOnly, "Title");
    EXPECT_EQ(backend.Now(), opened + 50) << "key " << key << " (0: a click) closed no box";
  }
}

TEST_F(Modal, BoxLaysOutItsTextAndStopIconInsideAndKeepsItsBlanks) {
  EXPECT_FALSE(MessageBoxForm(runtime, "No sound.", platform::vbOKOnly, "Error").HasStopIcon());
  MessageBoxForm box(runtime, std::string(200, 'x') + " end\nsecond line", platform::vbCritical,
                     "Error:");
  EXPECT_TRUE(box.HasStopIcon()) << "style 16 shows the stop icon";
  for (const platform::Control* control : box.Controls()) {
    const platform::Rect r = control->Bounds();
    EXPECT_LE(r.left + r.width, box.ClientWidth()) << control->Name() << " sticks out";
    EXPECT_LE(r.top + r.height, box.ClientHeight()) << control->Name() << " sticks out";
  }
  EXPECT_LE(box.ClientWidth() / platform::kTwipsPerPixel, 600) << "long lines must wrap";

  const auto text = [&](const std::string& prompt) {
    return MessageBoxForm(runtime, prompt, platform::vbOKOnly, "Sorry:").Message.Caption();
  };
  EXPECT_EQ(text("0 :  G A M E   O V E R ! !"), "0 :  G A M E   O V E R ! !")
      << "runs of blanks are part of the text";
  EXPECT_EQ(text("   indented\r\n  second  line  "), "   indented\n  second  line  ")
      << "blanks at the ends of lines stay where no line is broken";

  const std::string word(50, 'x');
  EXPECT_EQ(text(word + "  a   b    c"), word + "  a\nb    c")
      << "the blanks where the line breaks give way to the break, and only those";
  EXPECT_EQ(text(std::string(56, 'y') + "   "), std::string(56, 'y'))
      << "blanks at a break at the very end leave no empty line";
  EXPECT_EQ(text(std::string(60, 'z')), std::string(56, 'z') + "\nzzzz")
      << "a word longer than a line is cut";
}

// A modal form belongs to the form showing beneath it as it opens, found after its load and tied
// before its show; that form gets the keyboard back when it closes, unless it is gone by then.
TEST_F(Modal, AModalFormBelongsToTheWindowBeneathItAndHandsItTheKeyboardBack) {
  const auto focused = [&] {
    std::vector<std::string> names;
    for (const scripted::WindowRecord& record : backend.keyboard) {
      names.push_back(record.form);
    }
    return names;
  };
  const auto shown_over = [&](const std::string& form) {
    std::string owner = "(not shown)";
    for (const scripted::WindowRecord& record : backend.windows) {
      if (record.form == form && record.what == "show") {
        owner = record.owner;
      }
    }
    return owner;
  };
  runtime.MsgBox("before any window", platform::vbOKOnly, "Alone");
  EXPECT_TRUE(backend.boxes.back().owner.empty() && backend.keyboard.empty());

  TestForm bottom(runtime, "frmBottom");
  TestForm middle(runtime, "frmMiddle");
  bottom.Show();
  backend.After(100, [&] { runtime.MsgBox("box", platform::vbOKOnly, "Over"); });
  backend.After(500, [&] { middle.Unload(); });
  middle.ShowModal();
  EXPECT_EQ(shown_over("frmMiddle"), "frmBottom");
  EXPECT_EQ(backend.boxes.back().owner, "frmMiddle") << "the topmost window, not the first";
  EXPECT_EQ(focused(), (std::vector<std::string>{"frmMiddle", "frmBottom"}));

  // Its load hides the only window showing: it stands alone.
  TestForm hider(runtime, "frmHider");
  hider.on_load = [&] { bottom.Hide(); };
  backend.After(100, [&] { hider.Unload(); });
  hider.ShowModal();
  EXPECT_EQ(shown_over("frmHider"), "");
  EXPECT_EQ(focused().size(), 2u) << "the keyboard went to a window that nobody sees";

  // Its owner hidden meanwhile: the keyboard goes nowhere.
  TestForm dropped(runtime, "frmDropped");
  bottom.Show();
  backend.After(100, [&] { bottom.Hide(); });
  backend.After(200, [&] { dropped.Hide(); });
  dropped.ShowModal();
  EXPECT_EQ(shown_over("frmDropped"), "frmBottom");
  EXPECT_EQ(focused().size(), 2u) << "the keyboard went to a hidden window";
}

using Timers = RuntimeTest;

TEST_F(Timers, ShortIntervalsTickEvery15Ms) {
  TestForm form(runtime, "frmA");
  CountingTimer fast(form, 1);
  CountingTimer zero(form, 0);
  runtime.PaceUntil(100);  // nothing ticks before its form is loaded, and the count starts then
  form.Show();
  runtime.PaceUntil(251);
  EXPECT_TRUE(fast.ticks.size() == 10 && fast.ticks[0] == 115) << "1 ms ticks every 15 ms";
  EXPECT_TRUE(zero.ticks.empty()) << "an interval of 0 never ticks";
}

// (Without a display the line stands alone: checked on the real program.)
TEST_F(Modal, AFailureThatReachesTheTopIsWrittenOutAndShownInTheStopBox) {
  ::testing::internal::CaptureStderr();
  runtime.ReportFatal("Cannot load mesh file \"/opt/orbelon/vorlet.dax\": the file is empty");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "orbelon: Cannot load mesh file \"/opt/orbelon/vorlet.dax\": the file is empty\n");
  ASSERT_EQ(backend.boxes.size(), 1u);
  EXPECT_TRUE(backend.boxes[0].title == "Orbelon" && backend.boxes[0].style == 16);  // a stop box
}

}  // namespace
}  // namespace orbelon::testing
