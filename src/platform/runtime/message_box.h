#pragma once

#include <string>

#include "platform/runtime/controls.h"
#include "platform/runtime/form.h"

namespace orbelon::platform {

// The runtime's own modal message box: the prompt, an OK button that is the default and has the
// focus, and for style 16 the stop icon. Enter, Space, Esc, a click on OK or the close box of its
// title bar closes it.
class MessageBoxForm : public Form {
 public:
  MessageBoxForm(Runtime& runtime, std::string prompt, int style, std::string title);

  const std::string& Prompt() const { return prompt_; }
  const std::string& Title() const { return title_; }
  int Style() const { return style_; }
  bool HasStopIcon() const { return Icon.Visible(); }
  bool IsMessageBox() const override { return true; }

  void Form_KeyPress(int16_t& key_ascii) override;
  void Form_CloseRequest() override { OKButton.Press(); }

  Image Icon;
  Label Message;
  CommandButton OKButton;

 private:
  std::string prompt_;
  std::string title_;
  int style_;
};

// The stop icon: a red disc with a white cross, on the box's own ground colour.
Picture StopIconPicture(uint32_t ground);

}  // namespace orbelon::platform
