#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/runtime/controls.h"
#include "platform/runtime/picture.h"

namespace orbelon::platform {

class Runtime;

enum class BorderStyle {
  None,         // no border and no title bar
  FixedSingle,  // a title bar, not resizable, no minimise or maximise button
  FixedDialog,  // the same, as a dialog
};

// A top-level window of the game: one class per window, its controls as members, one handler per
// event. The client area is in twips and the window opens centred on the screen.
class Form {
 public:
  Form(Runtime& runtime, std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Runtime& GetRuntime() const { return runtime_; }
  const std::string& Name() const { return name_; }

  // Design properties.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  BorderStyle Border() const { return border_; }
  void SetBorder(BorderStyle border) { border_ = border; }
  // The icon of the title bar: the program's, on every window that has a title bar.
  Picture Icon() const;
  int ClientWidth() const { return client_width_; }    // twips
  int ClientHeight() const { return client_height_; }  // twips
  void SetClientSize(int width_twips, int height_twips);
  uint32_t BackColor() const { return back_color_; }
  void SetBackColor(uint32_t color);
  // Drawn unscaled from the client area's top-left corner and cut at its edges.
  const Picture& GetPicture() const { return picture_; }
  void SetPicture(Picture picture);
  // With key preview the form's key handler sees every key before the focused control.
  bool KeyPreview() const { return key_preview_; }
  void SetKeyPreview(bool on) { key_preview_ = on; }

  // Life cycle. Show and ShowModal load the form first when it is not loaded (running Form_Load,
  // which may not return; the form counts as loaded while it runs). ShowModal returns when the
  // form is unloaded or hidden. Unload runs Form_Unload, then hides and destroys the window.
  // A form shown modally belongs to the window showing beneath it as it opens (none when no
  // other window shows): it stands above that window, and that window gets the keyboard back
  // when it closes.
  void Show();
  void ShowModal();
  void Hide();
  void Unload();
  bool IsLoaded() const { return loaded_; }
  bool IsVisible() const { return visible_; }
  // Message boxes are typed as dialogs for the window manager.
  virtual bool IsMessageBox() const { return false; }

  // Event handlers.
  virtual void Form_Load() {}
  virtual void Form_KeyPress(int16_t& key_ascii) { (void)key_ascii; }
  virtual void Form_Click() {}
  virtual void Form_Unload() {}
  // The close box of the title bar. Each window with a title bar says what it means there; a
  // window that says nothing stays open.
  virtual void Form_CloseRequest() {}

  // Controls in the order they were made; the focused one takes Enter and Space.
  const std::vector<Control*>& Controls() const { return controls_; }
  Control* FocusedControl() const { return focused_; }
  void SetFocusedControl(Control* control);

  // Used by the runtime and the backends.
  int WindowId() const { return window_; }
  bool NeedsRepaint() const { return dirty_; }
  void MarkChanged() { dirty_ = true; }
  void Repaint();  // presents the form now, when it is visible
  // The control under a point in client pixels, the one made last when several overlap.
  Control* ControlAt(int x_pixels, int y_pixels) const;
  void AddControl(Control& control);
  // Dispatch of a key press or a mouse button from the window system. A press goes to the control
  // under it at once; the click comes with the release, to whatever took the press.
  void HandleKey(int key);
  void HandleMouseDown(int button, int x_pixels, int y_pixels);
  void HandleMouseUp(int button, int x_pixels, int y_pixels);

 private:
  void Load();
  void FocusFirst();
  void MoveFocus();
  void ForgetPress();

  Runtime& runtime_;
  std::string name_;
  std::string caption_;
  BorderStyle border_ = BorderStyle::FixedSingle;
  int client_width_ = 0;
  int client_height_ = 0;
  uint32_t back_color_ = RGB(0, 0, 0);
  Picture picture_;
  bool key_preview_ = false;
  bool loaded_ = false;
  bool unloading_ = false;
  bool visible_ = false;
  bool dirty_ = true;
  int window_ = 0;
  Form* owner_ = nullptr;  // while shown modally: the window it belongs to
  std::vector<Control*> controls_;
  Control* focused_ = nullptr;
  // The press that waits for its release: its button (0: none) and the control that took it
  // (nullptr: the form itself).
  int held_button_ = 0;
  Control* held_control_ = nullptr;
};

}  // namespace orbelon::platform
