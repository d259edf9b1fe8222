#pragma once

#include <cstdint>
#include <map>
#include <string>

#include <SDL.h>
#include <epoxy/gl.h>

#include "platform/sdl/form_painter.h"
#include "platform/sdl/gl_context.h"

namespace orbelon::platform {
class Form;
}

namespace orbelon::sdl {

// The native window of each form, by the id that CreateWindow gave, with the form's composed
// picture as a texture and what it was composed from.
class WindowTable {
 public:
  struct Entry {
    SDL_Window* window = nullptr;
    const platform::Form* form = nullptr;
    FormLook look;       // of the form as its picture and texture show it
    SurfacePtr picture;  // the form composed in software, kept to be repainted in part
    GLuint texture = 0;
    std::string title;
    int width = 0;  // client pixels
    int height = 0;
  };

  explicit WindowTable(GlContext& context) : context_(context) {}
  ~WindowTable();
  WindowTable(const WindowTable&) = delete;
  WindowTable& operator=(const WindowTable&) = delete;

  // A hidden window of the form's client size, centred on the screen, not resizable,
  // borderless for forms without a border; the others are titled with the caption, carry the
  // form's icon and have a close box but no minimise or maximise button.
  int Create(const platform::Form& form);
  void Destroy(int id);
  // Throws PlatformError when there is no such window.
  Entry& Get(int id);
  // Follows the form's caption and size.
  void Follow(Entry& entry);
  // The form whose native window has SDL's window id; nullptr for none.
  Entry* FindBySdlId(uint32_t sdl_id);
  int IdOf(const Entry& entry) const;
  // Puts the entry's picture into its texture (the window's context is current): all of it, or
  // only the part given, in client pixels.
  static void Upload(Entry& entry);
  static void UploadPart(const Entry& entry, const SDL_Rect& part);

 private:
  GlContext& context_;
  std::map<int, Entry> entries_;
  int next_id_ = 1;
};

}  // namespace orbelon::sdl
