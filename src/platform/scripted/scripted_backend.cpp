#include "platform/scripted/scripted_backend.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/error.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/form.h"
#include "platform/runtime/message_box.h"

namespace orbelon::scripted {

using platform::EventType;
using platform::InputEvent;

namespace {

// How far past `now` a moment lies, read across the clock's 32-bit wrap.
int32_t Ahead(uint32_t time, uint32_t now) {
  return static_cast<int32_t>(time - now);
}

}  // namespace

ScriptedBackend::ScriptedBackend() = default;

ScriptedBackend::~ScriptedBackend() = default;

void ScriptedBackend::At(uint32_t time_ms, std::function<void()> action) {
  schedule_.push_back(Scheduled{time_ms, order_++, std::move(action)});
}

void ScriptedBackend::After(uint32_t delay_ms, std::function<void()> action) {
  At(now_ + delay_ms, std::move(action));
}

void ScriptedBackend::PressKey(const Form& form, int key) {
  pending_.push_back(InputEvent{EventType::KeyPress, form.WindowId(), key, 0, 0, 0});
}

void ScriptedBackend::Click(const Form& form, const Control& control, int button) {
  const platform::Rect r = control.Bounds();
  ClickAt(form, (r.left + r.width / 2) / platform::kTwipsPerPixel,
          (r.top + r.height / 2) / platform::kTwipsPerPixel, button);
}

void ScriptedBackend::ClickAt(const Form& form, int x_pixels, int y_pixels, int button) {
  PressButtonAt(form, x_pixels, y_pixels, button);
  ReleaseButtonAt(form, x_pixels, y_pixels, button);
}

void ScriptedBackend::PressButtonAt(const Form& form, int x_pixels, int y_pixels, int button) {
  pending_.push_back(
      InputEvent{EventType::MouseDown, form.WindowId(), 0, button, x_pixels, y_pixels});
}

void ScriptedBackend::ReleaseButtonAt(const Form& form, int x_pixels, int y_pixels, int button) {
  pending_.push_back(
      InputEvent{EventType::MouseUp, form.WindowId(), 0, button, x_pixels, y_pixels});
}

void ScriptedBackend::PostQuit() {
  pending_.push_back(InputEvent{EventType::Quit, 0, 0, 0, 0, 0});
}

void ScriptedBackend::RequestClose(const Form& form) {
  pending_.push_back(InputEvent{EventType::Close, form.WindowId(), 0, 0, 0, 0});
}

void ScriptedBackend::MovePointer(int dx, int dy) {
  pointer_.x += dx;
  pointer_.y += dy;
}

void ScriptedBackend::SetPointer(int x, int y) {
  pointer_ = platform::PointL{x, y};
}

void ScriptedBackend::AnswerBoxes(int key, uint32_t delay_ms) {
  box_key_ = key;
  box_delay_ = delay_ms;
}

const platform::MessageBoxForm* ScriptedBackend::OpenBox() const {
  if (open_boxes_.empty()) {
    return nullptr;
  }
  return dynamic_cast<const platform::MessageBoxForm*>(FormOf(open_boxes_.back()));
}

void ScriptedBackend::AnswerOpenBox(int key) {
  if (open_boxes_.empty()) {
    throw std::logic_error("AnswerOpenBox: no message box is open");
  }
  pending_.push_back(InputEvent{EventType::KeyPress, open_boxes_.back(), key, 0, 0, 0});
}

const Form* ScriptedBackend::FormOf(int window) const {
  const auto it = forms_.find(window);
  return it == forms_.end() ? nullptr : it->second;
}

bool ScriptedBackend::HasDue() const {
  return std::any_of(schedule_.begin(), schedule_.end(),
                     [&](const Scheduled& s) { return Ahead(s.time, now_) <= 0; });
}

bool ScriptedBackend::RunDue() {
  auto earliest = schedule_.end();
  for (auto it = schedule_.begin(); it != schedule_.end(); ++it) {
    if (Ahead(it->time, now_) <= 0 &&
        (earliest == schedule_.end() || Ahead(it->time, earliest->time) < 0 ||
         (it->time == earliest->time && it->order < earliest->order))) {
      earliest = it;
    }
  }
  if (earliest == schedule_.end()) {
    return false;
  }
  // Off the schedule before it runs: the action may process events, and so come back here.
  const std::function<void()> action = std::move(earliest->action);
  schedule_.erase(earliest);
  action();
  return true;
}

// One action at a time, and the input it gives before the next, so that a script reads in the
// order things happen.
bool ScriptedBackend::PollEvent(InputEvent& event) {
  for (;;) {
    if (!pending_.empty()) {
      event = pending_.front();
      pending_.erase(pending_.begin());
      return true;
    }
    if (!RunDue()) {
      return false;
    }
  }
}

void ScriptedBackend::WaitEvent(uint32_t timeout_ms) {
  if (!pending_.empty() || HasDue()) {
    return;
  }
  uint32_t step = timeout_ms;
  for (const Scheduled& s : schedule_) {
    step = std::min(step, static_cast<uint32_t>(Ahead(s.time, now_)));
  }
  now_ += step;
  elapsed_ += step;
  if (elapsed_ > time_limit_ms) {
    throw ScriptTimeout("the script ran past its time limit of " + std::to_string(time_limit_ms) +
                        " ms (the clock reads " + std::to_string(now_) + ")");
  }
}

int ScriptedBackend::WallSecond() {
  return static_cast<int>((static_cast<int64_t>(wall_second_at_zero) + now_ / 1000) % 60);
}

int ScriptedBackend::CreateWindow(const Form& form) {
  const int window = next_window_++;
  forms_[window] = &form;
  if (dynamic_cast<const platform::MessageBoxForm*>(&form) == nullptr) {
    windows.push_back(WindowRecord{form.Name(), "create", now_, ""});
  }
  return window;
}

void ScriptedBackend::DestroyWindow(int window) {
  const Form* form = FormOf(window);
  if (form == nullptr) {
    throw platform::PlatformError("DestroyWindow: no window " + std::to_string(window));
  }
  if (dynamic_cast<const platform::MessageBoxForm*>(form) == nullptr) {
    windows.push_back(WindowRecord{form->Name(), "destroy", now_, ""});
  }
  std::erase(open_boxes_, window);
  forms_.erase(window);
  owners_.erase(window);
}

void ScriptedBackend::SetWindowOwner(int window, int owner, bool message_box) {
  const Form* form = FormOf(window);
  if (form == nullptr || (owner != 0 && FormOf(owner) == nullptr)) {
    throw platform::PlatformError("SetWindowOwner: no window " +
                                  std::to_string(form == nullptr ? window : owner));
  }
  if (message_box != (dynamic_cast<const platform::MessageBoxForm*>(form) != nullptr)) {
    throw std::logic_error("SetWindowOwner: " + form->Name() + " is marked as a box wrongly");
  }
  owners_[window] = owner;
}

void ScriptedBackend::FocusWindow(int window) {
  const Form* form = FormOf(window);
  if (form == nullptr) {
    throw platform::PlatformError("FocusWindow: no window " + std::to_string(window));
  }
  keyboard.push_back(WindowRecord{form->Name(), "focus", now_, ""});
}

std::string ScriptedBackend::OwnerName(int window) const {
  const auto it = owners_.find(window);
  const Form* owner = it == owners_.end() ? nullptr : FormOf(it->second);
  return owner == nullptr ? "" : owner->Name();
}

void ScriptedBackend::ShowWindow(int window, bool visible) {
  const Form* form = FormOf(window);
  if (form == nullptr) {
    throw platform::PlatformError("ShowWindow: no window " + std::to_string(window));
  }
  if (const auto* box = dynamic_cast<const platform::MessageBoxForm*>(form)) {
    if (visible) {
      BoxOpened(*box, window);
    } else {
      std::erase(open_boxes_, window);
    }
    return;
  }
  windows.push_back(WindowRecord{form->Name(), visible ? "show" : "hide", now_,
                                 visible ? OwnerName(window) : ""});
}

void ScriptedBackend::BoxOpened(const platform::MessageBoxForm& box, int window) {
  const BoxRecord record{box.Title(), box.Prompt(), box.Style(),
                         now_,        show_count,   OwnerName(window)};
  boxes.push_back(record);
  open_boxes_.push_back(window);
  if (on_box) {
    on_box(record);
    return;
  }
  const int key = box_key_;
  After(box_delay_, [this, window, key] {
    pending_.push_back(InputEvent{EventType::KeyPress, window, key, 0, 0, 0});
  });
}

void ScriptedBackend::Present(const Form& form) {
  (void)form;
  ++presents;
}

void ScriptedBackend::RenderCanvas(const platform::Tessor& canvas) {
  (void)canvas;
  ++canvas_renders;
}

// As the system maps the absolute space onto the primary screen: truncated.
void ScriptedBackend::MoveMouseAbsolute(int x, int y) {
  pointer_.x = static_cast<int32_t>(int64_t{x} * screen_width / 65536);
  pointer_.y = static_cast<int32_t>(int64_t{y} * screen_height / 65536);
}

platform::PointL ScriptedBackend::GetCursorPos() {
  return pointer_;
}

int ScriptedBackend::ShowCursor(bool show) {
  show_count += show ? 1 : -1;
  return show_count;
}

}  // namespace orbelon::scripted
