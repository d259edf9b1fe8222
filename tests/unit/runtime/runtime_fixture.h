#pragma once

// A runtime on the scripted platform and a small form that records what reaches it.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime/controls.h"
#include "platform/runtime/form.h"
#include "platform/runtime/runtime.h"
#include "platform/scripted/scripted_backend.h"

namespace orbelon::testing {

class TestForm : public platform::Form {
 public:
  TestForm(platform::Runtime& runtime, std::string name) : Form(runtime, std::move(name)) {
    SetClientSize(300 * platform::kTwipsPerPixel, 200 * platform::kTwipsPerPixel);
  }

  void Form_Load() override {
    if (on_load) {
      on_load();
    }
  }
  void Form_Click() override { ++clicks; }

  std::function<void()> on_load;
  int clicks = 0;
};

// A counting timer of a form.
struct CountingTimer {
  CountingTimer(platform::Form& form, uint32_t interval, bool enabled = true)
      : timer(form, "Timer", interval, enabled) {
    timer.OnTimer = [this] { ticks.push_back(timer.Parent().GetRuntime().TimeGetTime()); };
  }
  platform::Timer timer;
  std::vector<uint32_t> ticks;
};

// A button that counts its clicks.
struct CountingButton {
  CountingButton(platform::Form& form, const std::string& name, platform::Rect bounds,
                 int tab_index)
      : button(form, name, bounds) {
    button.SetTabIndex(tab_index);
    button.Click = [this] { ++clicks; };
  }
  platform::CommandButton button;
  int clicks = 0;
};

// A folder of the running test alone, in this build's output folder: tests run side by side, and
// other builds run the same tests.
inline std::string OwnFolder() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string folder =
      std::string(ORBELON_TEST_OUTPUT) + "/" + test->test_suite_name() + "." + test->name();
  std::filesystem::create_directories(folder);
  return folder;
}

class RuntimeTest : public ::testing::Test {
 protected:
  scripted::ScriptedBackend backend;
  platform::Runtime runtime{backend, "/opt/orbelon", ""};
};

}  // namespace orbelon::testing
