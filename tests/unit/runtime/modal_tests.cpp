// Modal windows and message boxes: only the top one takes input, timers go on.

#include "platform/error.h"
#include "platform/runtime/message_box.h"
#include "runtime_fixture.h"

namespace orbelon::testing {
namespace {

using Modal = RuntimeTest;
using platform::MessageBoxForm;

constexpr platform::Rect kButtonRect{150, 150, 1500, 450};

TEST_F(Modal, BoxKeepsInputFromOtherWindowsWhileTimersGoOn) {
  TestForm play(runtime, "frmPlay");
  play.SetKeyPreview(true);
  CountingButton button(play, "Command1", kButtonRect, 0);
  CountingTimer clock(play, 100);
  play.Show();
  backend.show_count = -1;  // the pointer is hidden during play

  backend.AnswerBoxes(13, 1000);
  backend.At(200, [&] {
    backend.PressKey(play, 27);
    backend.Click(play, button.button);
    backend.ClickAt(play, 250, 150);
  });
  EXPECT_EQ(runtime.MsgBox("Good Luck!!", platform::vbOKOnly, "Ready:"), 1);

  EXPECT_EQ(backend.Now(), 1000u) << "the box closes when it is answered";
  EXPECT_TRUE(play.keys.empty()) << "a key reached the window under the box";
  EXPECT_EQ(button.clicks, 0) << "a click reached a button under the box";
  EXPECT_EQ(play.clicks, 0) << "a click reached the window under the box";
  EXPECT_EQ(clock.ticks.size(), 10u) << "the window's timer must tick all through the box";

  ASSERT_EQ(backend.boxes.size(), 1u);
  const scripted::BoxRecord& box = backend.boxes[0];
  EXPECT_EQ(box.title, "Ready:");
  EXPECT_EQ(box.prompt, "Good Luck!!");
  EXPECT_EQ(box.style, 0);
  EXPECT_EQ(box.time, 0u);
  EXPECT_EQ(box.show_count, -1);
  EXPECT_EQ(backend.OpenBox(), nullptr);

  // Input reaches the window again once the box is gone.
  backend.PressKey(play, 27);
  runtime.DoEvents();
  EXPECT_EQ(play.keys, std::vector<int>{27});
}

TEST_F(Modal, NestedModalWindowsTakeInputTopFirst) {
  TestForm outer(runtime, "frmPaused");
  TestForm inner(runtime, "frmOrder");
  TestForm play(runtime, "frmPlay");
  CountingButton open_inner(outer, "Command1", kButtonRect, 0);
  open_inner.button.Click = [&] { inner.ShowModal(); };
  outer.SetKeyPreview(true);
  play.Show();

  std::vector<std::string> log;
  backend.At(100, [&] { backend.Click(outer, open_inner.button); });
  backend.At(200, [&] {
    backend.PressKey(outer, 'o');
    backend.PressKey(play, 'p');
    backend.PressKey(inner, 'i');
  });
  backend.At(300, [&] {
    log.push_back(inner.IsLoaded() ? "inner open" : "inner closed");
    inner.Unload();
  });
  backend.At(400, [&] {
    backend.PressKey(play, 'p');
    backend.PressKey(outer, 'o');
  });
  backend.At(500, [&] { outer.Unload(); });
  outer.ShowModal();

  EXPECT_EQ(log, std::vector<std::string>{"inner open"});
  EXPECT_EQ(inner.keys, std::vector<int>{'i'}) << "only the top modal window takes keys";
  EXPECT_EQ(outer.keys, std::vector<int>{'o'}) << "the outer one again once the inner closed";
  EXPECT_TRUE(play.keys.empty()) << "the window under both never takes a key";
  EXPECT_EQ(backend.Now(), 500u);
  EXPECT_EQ(runtime.ModalForm(), nullptr);
}

TEST_F(Modal, BoxClosesOnEnterSpaceEscOrClickOnOk) {
  struct Answer {
    std::string name;
    std::function<void()> answer;
  };
  const std::vector<Answer> answers = {
      {"Enter", [&] { backend.AnswerOpenBox(13); }},
      {"Space", [&] { backend.AnswerOpenBox(32); }},
      {"Esc", [&] { backend.AnswerOpenBox(27); }},
      {"click on OK",
       [&] {
         const MessageBoxForm* box = backend.OpenBox();
         backend.Click(*box, box->OKButton);
       }},
  };
  for (const Answer& answer : answers) {
    const uint32_t opened = backend.Now();
    backend.on_box = [&](const scripted::BoxRecord&) {
      // Keys that close nothing first, and a click beside the button.
      backend.After(10, [&] {
        backend.AnswerOpenBox('a');
        backend.AnswerOpenBox(9);
        const MessageBoxForm* box = backend.OpenBox();
        backend.ClickAt(*box, 1, 1);
      });
      backend.After(50, answer.answer);
    };
    runtime.MsgBox("text", platform::vbOKOnly, "Title");
    EXPECT_EQ(backend.Now(), opened + 50) << answer.name << " did not close the box in time";
  }
}

TEST_F(Modal, BoxLayoutAndStopIcon) {
  MessageBoxForm plain(runtime, "Orbelon will run without sound.", platform::vbOKOnly, "Error");
  MessageBoxForm stop(runtime, std::string(200, 'x') + " end\nsecond line", platform::vbCritical,
                      "Error:");
  EXPECT_FALSE(plain.HasStopIcon());
  ASSERT_TRUE(stop.HasStopIcon());

  const platform::PictureData& icon = *stop.Icon.GetPicture();
  const auto pixel = [&](int x, int y) {
    const uint8_t* p = &icon.rgba[static_cast<size_t>(y * icon.width + x) * 4];
    return platform::RGB(p[0], p[1], p[2]);
  };
  EXPECT_EQ(pixel(icon.width / 2, icon.height / 2), platform::RGB(255, 255, 255)) << "white X";
  EXPECT_EQ(pixel(icon.width / 2, 3), platform::RGB(204, 0, 0)) << "red disc";
  EXPECT_EQ(pixel(0, 0), stop.BackColor()) << "the corners show the box's ground";

  // Every control lies inside the client area, and long lines are wrapped.
  for (const MessageBoxForm* box : {&plain, &stop}) {
    for (const platform::Control* control : box->Controls()) {
      const platform::Rect r = control->Bounds();
      EXPECT_LE(r.left + r.width, box->ClientWidth()) << control->Name();
      EXPECT_LE(r.top + r.height, box->ClientHeight()) << control->Name();
    }
  }
  EXPECT_LE(stop.ClientWidth() / platform::kTwipsPerPixel, 600);
  EXPECT_NE(stop.Message.Caption().find("x\nx"), std::string::npos) << "a long word is broken";
}

TEST_F(Modal, BoxTextKeepsItsBlanksAndBreaksOnlyBetweenWords) {
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

class FailingWindows : public scripted::ScriptedBackend {
 public:
  int CreateWindow(const platform::Form& form) override {
    (void)form;
    throw platform::PlatformError("no display");
  }
};

TEST(ReportFatal, WritesTheMessageAndShowsTheBox) {
  scripted::ScriptedBackend backend;
  platform::Runtime runtime(backend, "/opt/orbelon", "");
  ::testing::internal::CaptureStderr();
  runtime.ReportFatal("Cannot load mesh file \"/opt/orbelon/vorlet.dax\": the file is empty");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "orbelon: Cannot load mesh file \"/opt/orbelon/vorlet.dax\": the file is empty\n");
  ASSERT_EQ(backend.boxes.size(), 1u);
  EXPECT_EQ(backend.boxes[0].title, "Orbelon");
  EXPECT_EQ(backend.boxes[0].style, platform::vbCritical);

  FailingWindows no_display;
  platform::Runtime headless(no_display, "/opt/orbelon", "");
  ::testing::internal::CaptureStderr();
  EXPECT_NO_THROW(headless.ReportFatal("broken"));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "orbelon: broken\n");
}

}  // namespace
}  // namespace orbelon::testing
