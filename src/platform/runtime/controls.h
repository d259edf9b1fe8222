#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/runtime/picture.h"

namespace orbelon::platform {

class Form;

// A colour value with red in the lowest byte, green in the next and blue in the third.
constexpr uint32_t RGB(int r, int g, int b) {
  return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16;
}

// Left, top, width, height in twips (15 to a pixel).
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

constexpr int kTwipsPerPixel = 15;

struct Font {
  std::string name = "MS Sans Serif";
  float size = 8.25f;  // points, at 96 dots per inch
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

enum class Alignment { Left, Right, Center };

// A control on a form. Controls are members of their form's class and register themselves with
// it on construction, in declaration order; every change of a property marks the form for a
// repaint at the next event processing.
class Control {
 public:
  Control(Form& form, std::string name, Rect bounds);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Form& Parent() const { return form_; }
  Rect Bounds() const { return bounds_; }
  void SetBounds(Rect bounds);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  int TabIndex() const { return tab_index_; }
  void SetTabIndex(int index) { tab_index_ = index; }
  // Whether the control takes the keyboard focus (a visible command button).
  virtual bool CanFocus() const { return false; }
  // A mouse button pressed over the control, at pixels relative to its top-left corner. Returns
  // true when the control takes the press (the form then runs no click of its own).
  virtual bool MouseDown(int button, int x, int y) {
    (void)button, (void)x, (void)y;
    return false;
  }
  // The release of a press this control took; `over` tells whether it came over the control.
  virtual void MouseUp(int button, bool over) { (void)button, (void)over; }

 protected:
  void Changed();

 private:
  Form& form_;
  std::string name_;
  Rect bounds_;
  bool visible_ = true;
  int tab_index_ = 0;
};

class Label : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  uint32_t ForeColor() const { return fore_color_; }
  void SetForeColor(uint32_t color);
  const Font& GetFont() const { return font_; }
  void SetFont(Font font);
  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  // Transparent labels let the form's picture show through; opaque ones fill with BackColor.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  uint32_t BackColor() const { return back_color_; }
  void SetBackColor(uint32_t color);
  // Repaints the form at once, without waiting for event processing.
  void Refresh();

 private:
  std::string caption_;
  uint32_t fore_color_ = 0;
  Font font_;
  Alignment alignment_ = Alignment::Left;
  bool transparent_ = true;
  uint32_t back_color_ = RGB(0, 0, 0);
};

class TextBox : public Control {
 public:
  using Control::Control;
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  uint32_t BackColor() const { return back_color_; }
  void SetBackColor(uint32_t color);

 private:
  std::string text_;
  uint32_t back_color_ = RGB(255, 255, 255);
};

class Image : public Control {
 public:
  using Control::Control;
  const Picture& GetPicture() const { return picture_; }
  void SetPicture(Picture picture);
  bool Border() const { return border_; }
  void SetBorder(bool border);

 private:
  Picture picture_;
  bool border_ = false;
};

class CommandButton : public Control {
 public:
  using Control::Control;
  bool CanFocus() const override { return Visible(); }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  const Font& GetFont() const { return font_; }
  void SetFont(Font font);
  // The default button is pressed by Enter wherever the focus is.
  bool Default() const { return default_; }
  void SetDefault(bool is_default) { default_ = is_default; }
  void SetFocus();
  // What a click, or Enter or Space on the focused button, runs.
  std::function<void()> Click;
  // Runs Click, as a press by the player does.
  void Press();
  // The left button's press gives the button the focus, and its release over the button clicks
  // it; the presses of every button are taken.
  bool MouseDown(int button, int x, int y) override;
  void MouseUp(int button, bool over) override;

 private:
  std::string caption_;
  Font font_;
  bool default_ = false;
};

// Ticks only inside event processing (DoEvents, a modal wait, a pacing wait), never in parallel,
// and only while its form is loaded. An interval below 15 ms ticks every 15 ms; interval 0 never
// ticks. The next tick is due one interval after the timer was enabled, its interval changed,
// its form loaded, or it last ticked; a late timer ticks once and is then due one interval later.
class Timer : public Control {
 public:
  Timer(Form& form, std::string name, uint32_t interval_ms, bool enabled);
  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t interval_ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  std::function<void()> OnTimer;

  // Used by the runtime.
  uint32_t Due() const { return due_; }
  // The interval as the timer keeps it: at least 15 ms.
  uint32_t Period() const;
  void Restart();
  bool firing = false;

 private:
  uint32_t interval_;
  bool enabled_;
  uint32_t due_ = 0;
};

}  // namespace orbelon::platform
