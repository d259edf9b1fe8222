#pragma once

#include <optional>
#include <string>
#include <vector>

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
  // Paints the area of a picture that Compose made of this form again, exactly as Compose
  // would paint it now; nothing outside the area changes.
  void Repaint(const platform::Form& form, SDL_Surface* picture, const SDL_Rect& area);

 private:
  void Paint(SDL_Surface* surface, const platform::Label& label);
  void Paint(SDL_Surface* surface, const platform::TextBox& box);
  void Paint(SDL_Surface* surface, const platform::Image& image);
  void Paint(SDL_Surface* surface, const platform::CommandButton& button, bool focused,
             bool any_button_focused);

  FontLibrary& fonts_;
};

// Everything that Compose reads of a form, as text: the form's own part, then each visible
// control's with the rectangle it paints in. While it stays the same, so does the picture.
struct FormLook {
  struct Part {
    const platform::Control* control = nullptr;
    SDL_Rect rect{};
    std::string look;
  };
  std::string form;
  std::vector<Part> controls;
};
FormLook LookOf(const platform::Form& form);

// Where the picture of a form looking like `after` differs from one looking like `before`:
// nothing, the rectangles of the controls that changed (before and after), or the whole client
// area when the form itself or its list of visible controls changed.
std::optional<SDL_Rect> ChangedArea(const FormLook& before, const FormLook& after,
                                    const SDL_Rect& client);

// A form's client size in pixels (at least 1 x 1).
SDL_Rect ClientRect(const platform::Form& form);
// A control's rectangle in client pixels.
SDL_Rect PixelRect(const platform::Rect& twips);

}  // namespace orbelon::sdl
