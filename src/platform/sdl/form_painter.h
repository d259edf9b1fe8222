#pragma once

#include <string>

#include "platform/sdl/font_library.h"
#include "platform/sdl/surface_drawing.h"
#include "platform/sdl/text_drawing.h"

namespace orbelon::platform {
class Form;
class Label;
class TextBox;
class Image;
class CommandButton;
}  // namespace orbelon::platform

namespace orbelon::sdl {

// Paints a form's client area in software: the back colour, the picture from the top-left
// corner, then the visible controls in the order they were made. The canvas is not painted
// here: its image goes over this one when the window is drawn.
class FormPainter {
 public:
  explicit FormPainter(FontLibrary& fonts) : fonts_(fonts) {}

  SurfacePtr Compose(const platform::Form& form);

 private:
  void Paint(SDL_Surface* surface, const platform::Label& label);
  void Paint(SDL_Surface* surface, const platform::TextBox& box);
  void Paint(SDL_Surface* surface, const platform::Image& image);
  void Paint(SDL_Surface* surface, const platform::CommandButton& button, bool focused,
             bool any_button_focused);

  FontLibrary& fonts_;
};

// Everything that Compose reads of a form, as text: while it stays the same, so does the picture.
std::string FormSignature(const platform::Form& form);

// A form's client size in pixels (at least 1 x 1).
SDL_Rect ClientRect(const platform::Form& form);
// A control's rectangle in client pixels.
SDL_Rect PixelRect(const platform::Rect& twips);

}  // namespace orbelon::sdl
