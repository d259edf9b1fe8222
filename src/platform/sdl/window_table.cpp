#include "platform/sdl/window_table.h"

#include "platform/error.h"
#include "platform/runtime/form.h"
#include "platform/sdl/form_painter.h"
#include "platform/sdl/frame_buttons.h"

namespace orbelon::sdl {

namespace {

// The window manager keeps its own copy of the icon.
void SetIcon(SDL_Window* window, const platform::Picture& icon) {
  if (!icon) {
    return;
  }
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(icon->rgba.data()), icon->width,
                                         icon->height, 32, icon->width * 4, SDL_PIXELFORMAT_RGBA32);
  if (surface != nullptr) {
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
  }
}

}  // namespace

WindowTable::~WindowTable() {
  while (!entries_.empty()) {
    Destroy(entries_.begin()->first);
  }
}

int WindowTable::Create(const platform::Form& form) {
  SDL_Rect client = ClientRect(form);
  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
  if (form.Border() == platform::BorderStyle::None) {
    flags |= SDL_WINDOW_BORDERLESS;
  }
  GlContext::PrepareAttributes();
  SDL_Window* window = SDL_CreateWindow(form.Caption().c_str(), SDL_WINDOWPOS_CENTERED,
                                        SDL_WINDOWPOS_CENTERED, client.w, client.h, flags);
  if (window == nullptr) {
    throw platform::PlatformError("cannot make the window " + form.Name() + ": " + SDL_GetError());
  }
  if (form.Border() != platform::BorderStyle::None) {
    AskForCloseBoxOnly(window);
    SetIcon(window, form.Icon());
  }
  int id = next_id_++;
  Entry& entry = entries_[id];
  entry.window = window;
  entry.form = &form;
  entry.title = form.Caption();
  entry.width = client.w;
  entry.height = client.h;
  return id;
}

void WindowTable::Destroy(int id) {
  auto it = entries_.find(id);
  if (it == entries_.end()) {
    return;
  }
  context_.Release(it->second.window);
  glDeleteTextures(1, &it->second.texture);
  SDL_DestroyWindow(it->second.window);
  entries_.erase(it);
}

WindowTable::Entry& WindowTable::Get(int id) {
  auto it = entries_.find(id);
  if (it == entries_.end()) {
    throw platform::PlatformError("there is no window " + std::to_string(id));
  }
  return it->second;
}

void WindowTable::Follow(Entry& entry) {
  const platform::Form& form = *entry.form;
  if (form.Caption() != entry.title) {
    entry.title = form.Caption();
    SDL_SetWindowTitle(entry.window, entry.title.c_str());
  }
  SDL_Rect client = ClientRect(form);
  if (client.w != entry.width || client.h != entry.height) {
    entry.width = client.w;
    entry.height = client.h;
    SDL_SetWindowSize(entry.window, client.w, client.h);
    SDL_SetWindowPosition(entry.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
}

WindowTable::Entry* WindowTable::FindBySdlId(uint32_t sdl_id) {
  for (auto& [id, entry] : entries_) {
    if (SDL_GetWindowID(entry.window) == sdl_id) {
      return &entry;
    }
  }
  return nullptr;
}

int WindowTable::IdOf(const Entry& entry) const {
  for (const auto& [id, candidate] : entries_) {
    if (&candidate == &entry) {
      return id;
    }
  }
  return 0;
}

void WindowTable::Upload(Entry& entry) {
  const SDL_Surface* picture = entry.picture.get();
  if (entry.texture == 0) {
    glGenTextures(1, &entry.texture);
  }
  glBindTexture(GL_TEXTURE_2D, entry.texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, picture->pitch / 4);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, picture->w, picture->h, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               picture->pixels);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

void WindowTable::UploadPart(const Entry& entry, const SDL_Rect& part) {
  const SDL_Surface* picture = entry.picture.get();
  glBindTexture(GL_TEXTURE_2D, entry.texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, picture->pitch / 4);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, part.x);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, part.y);
  glTexSubImage2D(GL_TEXTURE_2D, 0, part.x, part.y, part.w, part.h, GL_RGBA, GL_UNSIGNED_BYTE,
                  picture->pixels);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

}  // namespace orbelon::sdl
