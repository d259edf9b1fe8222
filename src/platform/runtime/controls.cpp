#include "platform/runtime/controls.h"

#include <algorithm>
#include <utility>

#include "platform/runtime/form.h"
#include "platform/runtime/runtime.h"

namespace orbelon::platform {

namespace {

// The finest tick the game's platform gave a timer, whatever interval it asked for.
constexpr uint32_t kTimerResolutionMs = 15;

}  // namespace

Control::Control(Form& form, std::string name, Rect bounds)
    : form_(form), name_(std::move(name)), bounds_(bounds) {
  form_.AddControl(*this);
}

void Control::SetBounds(Rect bounds) {
  bounds_ = bounds;
  Changed();
}

void Control::SetVisible(bool visible) {
  if (visible_ != visible) {
    visible_ = visible;
    Changed();
  }
}

void Control::Changed() {
  form_.MarkChanged();
}

void Label::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed();
}

void Label::SetForeColor(uint32_t color) {
  fore_color_ = color;
  Changed();
}

void Label::SetFont(Font font) {
  font_ = std::move(font);
  Changed();
}

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Changed();
}

void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Changed();
}

void Label::SetBackColor(uint32_t color) {
  back_color_ = color;
  Changed();
}

void Label::Refresh() {
  Parent().Repaint();
}

void TextBox::SetText(std::string text) {
  text_ = std::move(text);
  Changed();
}

void TextBox::SetBackColor(uint32_t color) {
  back_color_ = color;
  Changed();
}

void Image::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  Changed();
}

void Image::SetBorder(bool border) {
  border_ = border;
  Changed();
}

void CommandButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed();
}

void CommandButton::SetFont(Font font) {
  font_ = std::move(font);
  Changed();
}

void CommandButton::SetFocus() {
  Parent().SetFocusedControl(this);
}

void CommandButton::Press() {
  if (Click) {
    // A copy: the handler may replace Click, or unload the form that holds this button.
    const std::function<void()> click = Click;
    click();
  }
}

bool CommandButton::MouseDown(int button, int x, int y) {
  (void)x, (void)y;
  if (button == 1) {
    SetFocus();
  }
  return true;
}

// A click is a press and a release over the same button: the player may still slide off it.
void CommandButton::MouseUp(int button, bool over) {
  if (button == 1 && over) {
    Press();
  }
}

Timer::Timer(Form& form, std::string name, uint32_t interval_ms, bool enabled)
    : Control(form, std::move(name), Rect{}), interval_(interval_ms), enabled_(enabled) {
  Restart();
}

void Timer::SetInterval(uint32_t interval_ms) {
  if (interval_ != interval_ms) {
    interval_ = interval_ms;
    Restart();
  }
}

// Enabling a timer that already runs leaves its count alone: only a stop and a start restart it.
void Timer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) {
    enabled_ = true;
    Restart();
  } else {
    enabled_ = enabled;
  }
}

uint32_t Timer::Period() const {
  return std::max(interval_, kTimerResolutionMs);
}

void Timer::Restart() {
  due_ = Parent().GetRuntime().TimeGetTime() + Period();
}

}  // namespace orbelon::platform
