#include "platform/sdl/form_painter.h"

#include <algorithm>

#include "platform/runtime/form.h"

namespace orbelon::sdl {

namespace {

using platform::CommandButton;
using platform::Image;
using platform::Label;
using platform::TextBox;

constexpr SDL_Color kButtonFace{192, 192, 192, 255};
constexpr SDL_Color kBlack{0, 0, 0, 255};

// Twips to pixels, rounded down, as the old runtime placed its controls.
int Pixels(int twips) {
  return twips / platform::kTwipsPerPixel;
}

SDL_Rect Inset(const SDL_Rect& r, int by) {
  return SDL_Rect{r.x + by, r.y + by, std::max(0, r.w - 2 * by), std::max(0, r.h - 2 * by)};
}

void AppendFont(std::string& out, const platform::Font& font) {
  out += font.name + '/' + std::to_string(font.size) + '/' + char('0' + font.bold) +
         char('0' + font.italic) + char('0' + font.underline);
}

}  // namespace

SDL_Rect ClientRect(const platform::Form& form) {
  return SDL_Rect{0, 0, std::max(1, Pixels(form.ClientWidth())),
                  std::max(1, Pixels(form.ClientHeight()))};
}

SDL_Rect PixelRect(const platform::Rect& twips) {
  return SDL_Rect{Pixels(twips.left), Pixels(twips.top), Pixels(twips.width), Pixels(twips.height)};
}

SurfacePtr FormPainter::Compose(const platform::Form& form) {
  SDL_Rect client = ClientRect(form);
  SurfacePtr surface = MakeSurface(client.w, client.h);
  Fill(surface.get(), client, WindowsColor(form.BackColor()));
  DrawPicture(surface.get(), form.GetPicture(), 0, 0, client);

  bool any_button_focused = dynamic_cast<const CommandButton*>(form.FocusedControl()) != nullptr;
  for (const platform::Control* control : form.Controls()) {
    if (!control->Visible()) {
      continue;
    }
    bool focused = control == form.FocusedControl();
    if (auto* label = dynamic_cast<const Label*>(control)) {
      Paint(surface.get(), *label);
    } else if (auto* box = dynamic_cast<const TextBox*>(control)) {
      Paint(surface.get(), *box);
    } else if (auto* image = dynamic_cast<const Image*>(control)) {
      Paint(surface.get(), *image);
    } else if (auto* button = dynamic_cast<const CommandButton*>(control)) {
      Paint(surface.get(), *button, focused, any_button_focused);
    }
  }
  return surface;
}

void FormPainter::Paint(SDL_Surface* surface, const Label& label) {
  SDL_Rect box = PixelRect(label.Bounds());
  if (!label.Transparent()) {
    Fill(surface, box, WindowsColor(label.BackColor()));
  }
  DrawText(surface, fonts_.Get(label.GetFont()), label.Caption(), box, label.GetAlignment(),
           WindowsColor(label.ForeColor()), true, false);
}

void FormPainter::Paint(SDL_Surface* surface, const TextBox& text_box) {
  SDL_Rect box = PixelRect(text_box.Bounds());
  Fill(surface, box, WindowsColor(text_box.BackColor()));
  Edge(surface, box, false);
  DrawText(surface, fonts_.Get(platform::Font{}), text_box.Text(), Inset(box, 3),
           platform::Alignment::Left, kBlack, false, false);
}

void FormPainter::Paint(SDL_Surface* surface, const Image& image) {
  SDL_Rect box = PixelRect(image.Bounds());
  if (image.Border()) {
    Edge(surface, box, false);
    box = Inset(box, 2);
  }
  DrawPicture(surface, image.GetPicture(), box.x, box.y, box);
}

void FormPainter::Paint(SDL_Surface* surface, const CommandButton& button, bool focused,
                        bool any_button_focused) {
  SDL_Rect box = PixelRect(button.Bounds());
  Fill(surface, box, kButtonFace);
  // The focused button is the one Enter presses, so it wears the dark frame; with the focus
  // elsewhere, the default button does.
  bool framed = focused || (button.Default() && !any_button_focused);
  SDL_Rect edge = box;
  if (framed) {
    Outline(surface, box, kBlack, false);
    edge = Inset(box, 1);
  }
  Edge(surface, edge, true);
  DrawText(surface, fonts_.Get(button.GetFont()), button.Caption(), Inset(edge, 2),
           platform::Alignment::Center, kBlack, false, true);
  if (focused) {
    Outline(surface, Inset(edge, 3), kBlack, true);
  }
}

std::string FormSignature(const platform::Form& form) {
  std::string out;
  out.reserve(512);
  auto add = [&out](auto value) {
    out += std::to_string(value);
    out += ',';
  };
  add(form.ClientWidth());
  add(form.ClientHeight());
  add(form.BackColor());
  add(reinterpret_cast<uintptr_t>(form.GetPicture().get()));
  add(reinterpret_cast<uintptr_t>(form.FocusedControl()));
  for (const platform::Control* control : form.Controls()) {
    if (!control->Visible()) {
      continue;
    }
    out += '|';
    add(reinterpret_cast<uintptr_t>(control));
    platform::Rect r = control->Bounds();
    add(r.left);
    add(r.top);
    add(r.width);
    add(r.height);
    if (auto* label = dynamic_cast<const Label*>(control)) {
      out += label->Caption() + '\x01';
      add(label->ForeColor());
      add(label->BackColor());
      add(static_cast<int>(label->GetAlignment()));
      add(label->Transparent());
      AppendFont(out, label->GetFont());
    } else if (auto* box = dynamic_cast<const TextBox*>(control)) {
      out += box->Text() + '\x01';
      add(box->BackColor());
    } else if (auto* image = dynamic_cast<const Image*>(control)) {
      add(reinterpret_cast<uintptr_t>(image->GetPicture().get()));
      add(image->Border());
    } else if (auto* button = dynamic_cast<const CommandButton*>(control)) {
      out += button->Caption() + '\x01';
      add(button->Default());
      AppendFont(out, button->GetFont());
    }
  }
  return out;
}

}  // namespace orbelon::sdl
