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
  Repaint(form, surface.get(), client);
  return surface;
}

void FormPainter::Repaint(const platform::Form& form, SDL_Surface* picture, const SDL_Rect& area) {
  const SDL_Rect client = ClientRect(form);
  const ClipScope cut(picture, area);
  Fill(picture, client, WindowsColor(form.BackColor()));
  DrawPicture(picture, form.GetPicture(), 0, 0, client);

  bool any_button_focused = dynamic_cast<const CommandButton*>(form.FocusedControl()) != nullptr;
  for (const platform::Control* control : form.Controls()) {
    // Each control paints within its own rectangle; one outside the area has nothing to add.
    const SDL_Rect bounds = PixelRect(control->Bounds());
    if (!control->Visible() || SDL_HasIntersection(&bounds, &area) == SDL_FALSE) {
      continue;
    }
    bool focused = control == form.FocusedControl();
    if (auto* label = dynamic_cast<const Label*>(control)) {
      Paint(picture, *label);
    } else if (auto* box = dynamic_cast<const TextBox*>(control)) {
      Paint(picture, *box);
    } else if (auto* image = dynamic_cast<const Image*>(control)) {
      Paint(picture, *image);
    } else if (auto* button = dynamic_cast<const CommandButton*>(control)) {
      Paint(picture, *button, focused, any_button_focused);
    }
  }
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

FormLook LookOf(const platform::Form& form) {
  FormLook look;
  auto add = [](std::string& out, auto value) {
    out += std::to_string(value);
    out += ',';
  };
  add(look.form, form.ClientWidth());
  add(look.form, form.ClientHeight());
  add(look.form, form.BackColor());
  add(look.form, reinterpret_cast<uintptr_t>(form.GetPicture().get()));
  add(look.form, reinterpret_cast<uintptr_t>(form.FocusedControl()));
  for (const platform::Control* control : form.Controls()) {
    if (!control->Visible()) {
      continue;
    }
    FormLook::Part part{control, PixelRect(control->Bounds()), {}};
    std::string& out = part.look;
    if (auto* label = dynamic_cast<const Label*>(control)) {
      out += label->Caption() + '\x01';
      add(out, label->ForeColor());
      add(out, label->BackColor());
      add(out, static_cast<int>(label->GetAlignment()));
      add(out, label->Transparent());
      AppendFont(out, label->GetFont());
    } else if (auto* box = dynamic_cast<const TextBox*>(control)) {
      out += box->Text() + '\x01';
      add(out, box->BackColor());
    } else if (auto* image = dynamic_cast<const Image*>(control)) {
      add(out, reinterpret_cast<uintptr_t>(image->GetPicture().get()));
      add(out, image->Border());
    } else if (auto* button = dynamic_cast<const CommandButton*>(control)) {
      out += button->Caption() + '\x01';
      add(out, button->Default());
      AppendFont(out, button->GetFont());
    }
    look.controls.push_back(std::move(part));
  }
  return look;
}

std::optional<SDL_Rect> ChangedArea(const FormLook& before, const FormLook& after,
                                    const SDL_Rect& client) {
  if (before.form != after.form || before.controls.size() != after.controls.size()) {
    return client;
  }
  std::optional<SDL_Rect> area;
  auto take = [&area](const SDL_Rect& rect) {
    if (rect.w <= 0 || rect.h <= 0) {
      return;
    }
    if (!area) {
      area = rect;
    } else {
      SDL_UnionRect(&*area, &rect, &*area);
    }
  };
  for (size_t i = 0; i < after.controls.size(); ++i) {
    const FormLook::Part& was = before.controls[i];
    const FormLook::Part& is = after.controls[i];
    if (was.control != is.control) {
      return client;
    }
    if (was.look != is.look || !SDL_RectEquals(&was.rect, &is.rect)) {
      take(was.rect);
      take(is.rect);
    }
  }
  if (area) {
    SDL_Rect seen{};
    if (SDL_IntersectRect(&*area, &client, &seen) == SDL_FALSE) {
      return std::nullopt;
    }
    area = seen;
  }
  return area;
}

}  // namespace orbelon::sdl
