#include "platform/runtime/form.h"

#include <algorithm>
#include <utility>

#include "platform/runtime/runtime.h"

namespace orbelon::platform {

namespace {

constexpr int kEnter = 13;
constexpr int kSpace = 32;
constexpr int kTab = 9;

CommandButton* AsButton(Control* control) {
  auto* button = dynamic_cast<CommandButton*>(control);
  return button != nullptr && button->CanFocus() ? button : nullptr;
}

}  // namespace

Form::Form(Runtime& runtime, std::string name) : runtime_(runtime), name_(std::move(name)) {
  runtime_.Attach(*this);
}

Form::~Form() {
  if (window_ != 0) {
    // A window that cannot be destroyed goes with the process; a destructor must not throw.
    try {
      runtime_.GetBackend().DestroyWindow(window_);
    } catch (...) {
    }
  }
  runtime_.Detach(*this);
}

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  MarkChanged();
}

Picture Form::Icon() const {
  return border_ == BorderStyle::None ? Picture() : runtime_.Icon();
}

void Form::SetClientSize(int width_twips, int height_twips) {
  client_width_ = width_twips;
  client_height_ = height_twips;
  MarkChanged();
}

void Form::SetBackColor(uint32_t color) {
  back_color_ = color;
  MarkChanged();
}

void Form::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  MarkChanged();
}

void Form::Load() {
  // Loaded before the handler runs: the play window's handler holds the whole game and never
  // returns, and everything it does must find its form loaded.
  loaded_ = true;
  dirty_ = true;
  window_ = runtime_.GetBackend().CreateWindow(*this);
  for (Control* control : controls_) {
    if (auto* timer = dynamic_cast<Timer*>(control); timer != nullptr && timer->Enabled()) {
      timer->Restart();
    }
  }
  Form_Load();
}

void Form::Show() {
  if (!loaded_) {
    Load();
    if (!loaded_) {
      return;  // its load handler unloaded it again
    }
  }
  if (!visible_) {
    visible_ = true;
    runtime_.Raise(*this);
    FocusFirst();
    runtime_.GetBackend().ShowWindow(window_, true);
    Repaint();
  }
}

void Form::ShowModal() {
  if (!loaded_) {
    Load();
    if (!loaded_) {
      return;
    }
  }
  if (!visible_) {
    // Found after the load, whose handler may hide a window (the closing window hides the play
    // window), and tied before the show, so that the window manager never stacks it beneath.
    owner_ = runtime_.WindowBeneath(*this);
    runtime_.GetBackend().SetWindowOwner(window_, owner_ != nullptr ? owner_->WindowId() : 0,
                                         IsMessageBox());
  }
  Show();
  if (!loaded_ || !visible_) {
    return;
  }
  runtime_.RunModal(*this);
  // Whoever closed it (a key, a click, the window manager), the window beneath takes the keys
  // again; without a window manager nobody else would hand them over.
  const Form* owner = std::exchange(owner_, nullptr);
  if (owner != nullptr && runtime_.IsShowing(owner)) {
    runtime_.GetBackend().FocusWindow(owner->WindowId());
  }
}

void Form::Hide() {
  ForgetPress();
  if (visible_) {
    visible_ = false;
    runtime_.GetBackend().ShowWindow(window_, false);
  }
}

void Form::Unload() {
  if (!loaded_ || unloading_) {
    return;
  }
  unloading_ = true;
  try {
    Form_Unload();
  } catch (...) {
    unloading_ = false;
    throw;
  }
  unloading_ = false;
  Hide();
  loaded_ = false;
  focused_ = nullptr;
  const int window = window_;
  window_ = 0;
  runtime_.GetBackend().DestroyWindow(window);
}

void Form::SetFocusedControl(Control* control) {
  if (focused_ != control) {
    focused_ = control;
    MarkChanged();
  }
}

void Form::Repaint() {
  if (loaded_ && visible_) {
    dirty_ = false;
    runtime_.GetBackend().Present(*this);
  }
}

void Form::AddControl(Control& control) {
  controls_.push_back(&control);
}

// A form keeps its focus while it is hidden; a form shown afresh (or whose focused control has
// gone) starts on its first control in the tab order.
void Form::FocusFirst() {
  if (focused_ != nullptr && focused_->CanFocus()) {
    return;
  }
  Control* first = nullptr;
  for (Control* control : controls_) {
    if (control->CanFocus() && (first == nullptr || control->TabIndex() < first->TabIndex())) {
      first = control;
    }
  }
  SetFocusedControl(first);
}

void Form::MoveFocus() {
  std::vector<Control*> order;
  std::copy_if(controls_.begin(), controls_.end(), std::back_inserter(order),
               [](Control* control) { return control->CanFocus(); });
  if (order.empty()) {
    return;
  }
  std::stable_sort(order.begin(), order.end(),
                   [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
  auto at = std::find(order.begin(), order.end(), focused_);
  SetFocusedControl(at == order.end() || at + 1 == order.end() ? order.front() : *(at + 1));
}

void Form::HandleKey(int key) {
  auto key_ascii = static_cast<int16_t>(key);
  Control* focused = focused_ != nullptr && focused_->CanFocus() ? focused_ : nullptr;
  // The form hears a key first with key preview on, and also when nothing on it can take one.
  if (key_preview_ || focused == nullptr) {
    Form_KeyPress(key_ascii);
    if (key_ascii == 0 || !loaded_) {
      return;
    }
    focused = focused_ != nullptr && focused_->CanFocus() ? focused_ : nullptr;
  }
  if (key_ascii == kEnter) {
    CommandButton* button = AsButton(focused);
    if (button == nullptr) {
      for (Control* control : controls_) {
        auto* candidate = dynamic_cast<CommandButton*>(control);
        if (candidate != nullptr && candidate->Default() && candidate->Visible()) {
          button = candidate;
          break;
        }
      }
    }
    if (button != nullptr) {
      button->Press();
    }
  } else if (key_ascii == kSpace) {
    if (CommandButton* button = AsButton(focused)) {
      button->Press();
    }
  } else if (key_ascii == kTab) {
    MoveFocus();
  }
}

Control* Form::ControlAt(int x_pixels, int y_pixels) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* control = *it;
    const Rect r = control->Bounds();
    const int left = r.left / kTwipsPerPixel;
    const int top = r.top / kTwipsPerPixel;
    if (control->Visible() && x_pixels >= left && y_pixels >= top &&
        x_pixels < left + r.width / kTwipsPerPixel && y_pixels < top + r.height / kTwipsPerPixel) {
      return control;
    }
  }
  return nullptr;
}

void Form::ForgetPress() {
  held_button_ = 0;
  held_control_ = nullptr;
}

void Form::HandleMouseDown(int button, int x_pixels, int y_pixels) {
  Control* control = ControlAt(x_pixels, y_pixels);
  bool taken = false;
  if (control != nullptr) {
    const Rect r = control->Bounds();
    taken = control->MouseDown(button, x_pixels - r.left / kTwipsPerPixel,
                               y_pixels - r.top / kTwipsPerPixel);
  }
  // The press's handler may have closed the window: its release will not come here.
  if (!loaded_ || !visible_) {
    return;
  }
  // While one button is down the others click nothing. A press of the held button means its
  // release went elsewhere (a modal window took it): the new press starts afresh.
  if (held_button_ == 0 || held_button_ == button) {
    held_button_ = button;
    held_control_ = taken ? control : nullptr;
  }
}

void Form::HandleMouseUp(int button, int x_pixels, int y_pixels) {
  if (button != held_button_) {
    return;
  }
  Control* control = held_control_;
  ForgetPress();
  if (control != nullptr) {
    control->MouseUp(button, ControlAt(x_pixels, y_pixels) == control);
    return;
  }
  // A form's click is the left button's, as the right button clicks nothing.
  const bool inside = x_pixels >= 0 && y_pixels >= 0 && x_pixels < client_width_ / kTwipsPerPixel &&
                      y_pixels < client_height_ / kTwipsPerPixel;
  if (button == 1 && inside) {
    Form_Click();
  }
}

}  // namespace orbelon::platform
