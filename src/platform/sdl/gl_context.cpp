#include "platform/sdl/gl_context.h"

#include <stdlib.h>

#include <string>

#include "platform/error.h"

namespace orbelon::sdl {

void GlContext::PrepareAttributes() {
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  // The windows only show finished pictures; the canvas has a depth buffer of its own.
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
}

GlContext::GlContext() {
  // Where there is no graphics card, Mesa draws in software with a render thread per core. The
  // pictures of this game are small: a pass is drawn in a few milliseconds on one core, and
  // handing it to a crowd of threads and waking them each pass costs more than they save. It
  // must be said before the first window that can draw; whoever chose a count keeps it.
  setenv("LP_NUM_THREADS", "0", 0);
  PrepareAttributes();
  hidden_ = SDL_CreateWindow("", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 1, 1,
                             SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (hidden_ == nullptr) {
    throw platform::PlatformError(std::string("cannot make an OpenGL window: ") + SDL_GetError());
  }
  context_ = SDL_GL_CreateContext(hidden_);
  if (context_ == nullptr) {
    std::string message = std::string("cannot make an OpenGL 3.3 context: ") + SDL_GetError();
    SDL_DestroyWindow(hidden_);
    throw platform::PlatformError(message);
  }
  current_ = hidden_;
  // The game paces itself; a swap that waited for the screen would steal from its 30 ms.
  SDL_GL_SetSwapInterval(0);
}

GlContext::~GlContext() {
  SDL_GL_MakeCurrent(nullptr, nullptr);
  SDL_GL_DeleteContext(context_);
  SDL_DestroyWindow(hidden_);
}

void GlContext::MakeCurrent(SDL_Window* window) {
  if (window == nullptr) {
    window = hidden_;
  }
  if (window == current_) {
    return;
  }
  if (SDL_GL_MakeCurrent(window, context_) != 0) {
    throw platform::PlatformError(std::string("cannot draw into a window: ") + SDL_GetError());
  }
  current_ = window;
}

void GlContext::Release(SDL_Window* window) {
  if (window == current_) {
    MakeCurrent(hidden_);
  }
}

}  // namespace orbelon::sdl
