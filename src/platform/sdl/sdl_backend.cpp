#include "platform/sdl/sdl_backend.h"

#include <algorithm>
#include <ctime>
#include <optional>
#include <utility>
#include <vector>

#include <SDL.h>
#include <epoxy/gl.h>

#include "platform/canvas/tessor.h"
#include "platform/error.h"
#include "platform/runtime/form.h"
#include "platform/scene/draw_list.h"
#include "platform/sdl/canvas_renderer.h"
#include "platform/sdl/draw_probe.h"
#include "platform/sdl/event_source.h"
#include "platform/sdl/font_library.h"
#include "platform/sdl/form_painter.h"
#include "platform/sdl/gl_context.h"
#include "platform/sdl/heap_policy.h"
#include "platform/sdl/keyboard_device.h"
#include "platform/sdl/mixer_sound.h"
#include "platform/sdl/pointer.h"
#include "platform/sdl/screen_copy.h"
#include "platform/sdl/window_owner.h"
#include "platform/sdl/window_table.h"
#include "platform/sdl/window_withdraw.h"

namespace orbelon::sdl {

namespace {

// The pictures read back from OpenGL stand on their bottom row; turn them the right way up.
Pixels ReadPixels(int width, int height) {
  Pixels pixels{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4)};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  std::vector<uint8_t> rows(pixels.rgba.size());
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
  size_t stride = static_cast<size_t>(width) * 4;
  for (int y = 0; y < height; ++y) {
    std::copy_n(rows.begin() + static_cast<ptrdiff_t>(stride * static_cast<size_t>(height - 1 - y)),
                stride,
                pixels.rgba.begin() + static_cast<ptrdiff_t>(stride * static_cast<size_t>(y)));
  }
  return pixels;
}

// The parts of the window outside the hole (cut at the window's edges): below, above, left and
// right of it; none of them empty.
std::vector<SDL_Rect> BandsAround(const SDL_Rect& window, const SDL_Rect& hole) {
  const int x0 = std::clamp(hole.x, 0, window.w);
  const int x1 = std::clamp(hole.x + hole.w, x0, window.w);
  const int y0 = std::clamp(hole.y, 0, window.h);
  const int y1 = std::clamp(hole.y + hole.h, y0, window.h);
  std::vector<SDL_Rect> bands;
  for (const SDL_Rect& band :
       {SDL_Rect{0, 0, window.w, y0}, SDL_Rect{0, y1, window.w, window.h - y1},
        SDL_Rect{0, y0, x0, y1 - y0}, SDL_Rect{x1, y0, window.w - x1, y1 - y0}}) {
    if (band.w > 0 && band.h > 0) {
      bands.push_back(band);
    }
  }
  return bands;
}

}  // namespace

std::unique_ptr<SdlBackend> SdlBackend::Create() {
  KeepLargeBlocksOffTheHeap();
  // The game ends only through its own windows; closing the last one is not a quit.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // SDL's own handlers would make a signal a quit without saying which one it was.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // The click that gives a window the keyboard is a click on it: SDL on X11 drops one that
  // comes within a few ms of the focus, and the first click on a box would do nothing.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  CatchInterrupts();
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    throw platform::PlatformError(std::string("cannot open a display: ") + SDL_GetError());
  }
  // With no display SDL falls back to drawing off screen, where nobody could see or play the
  // game; that driver is only for those who ask for it by name.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  bool headless =
      driver != nullptr && (std::string(driver) == "offscreen" || std::string(driver) == "dummy");
  if (headless && (asked == nullptr || std::string(asked).find(driver) == std::string::npos)) {
    SDL_Quit();
    throw platform::PlatformError(
        "cannot open a display: no X11 or Wayland display was found (is DISPLAY set?)");
  }
  try {
    return std::unique_ptr<SdlBackend>(new SdlBackend());
  } catch (...) {
    SDL_Quit();
    throw;
  }
}

int SdlBackend::InterruptSignal() {
  return sdl::InterruptSignal();
}

std::string SdlBackend::ProgramFolder() {
  char* base = SDL_GetBasePath();
  if (base == nullptr) {
    return ".";
  }
  std::string folder = base;
  SDL_free(base);
  while (folder.size() > 1 && folder.back() == '/') {
    folder.pop_back();
  }
  return folder;
}

SdlBackend::SdlBackend() {
  context_ = std::make_unique<GlContext>();
  fonts_ = std::make_unique<FontLibrary>();
  painter_ = std::make_unique<FormPainter>(*fonts_);
  renderer_ = std::make_unique<CanvasRenderer>();
  probe_ = std::make_unique<DrawProbe>();
  windows_ = std::make_unique<WindowTable>(*context_);
  pointer_ = std::make_unique<Pointer>();
  screen_copy_ = std::make_unique<ScreenCopy>();
  // What was uncovered on the screen may be anywhere in the window.
  events_ = std::make_unique<EventSource>(*windows_, *pointer_, [this](const platform::Form& form) {
    whole_.erase(form.WindowId());
    Present(form);
  });
  SDL_StartTextInput();
}

SdlBackend::~SdlBackend() {
  if (pointer_ && pointer_->Relative()) {
    SDL_SetRelativeMouseMode(SDL_FALSE);
  }
  events_.reset();
  pointer_.reset();
  context_->MakeCurrent(nullptr);
  windows_.reset();
  renderer_.reset();
  painter_.reset();
  fonts_.reset();
  context_.reset();
  SDL_Quit();
}

uint32_t SdlBackend::TimeGetTime() {
  return static_cast<uint32_t>(SDL_GetTicks64());
}

int SdlBackend::WallSecond() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  // A leap second counts as the last second of its minute.
  return local.tm_sec > 59 ? 59 : local.tm_sec;
}

bool SdlBackend::PollEvent(platform::InputEvent& event) {
  return events_->Poll(event);
}

void SdlBackend::WaitEvent(uint32_t timeout_ms) {
  events_->Wait(timeout_ms);
}

int SdlBackend::CreateWindow(const platform::Form& form) {
  const int window = windows_->Create(form);
  events_->WindowMade(windows_->Get(window).window);
  return window;
}

void SdlBackend::DestroyWindow(int window) {
  context_->MakeCurrent(nullptr);
  renderer_->DropWindow(window);
  whole_.erase(window);
  windows_->Destroy(window);
}

void SdlBackend::ShowWindow(int window, bool visible) {
  WindowTable::Entry& entry = windows_->Get(window);
  if (visible) {
    SDL_ShowWindow(entry.window);
    SDL_RaiseWindow(entry.window);
    // With no window manager to hand it over, a window that opens takes the keyboard itself,
    // as a new window of the old system did.
    SDL_SetWindowInputFocus(entry.window);
  } else {
    // A hidden window is hidden whatever its state: one that the player has minimised must not
    // come back from the taskbar.
    WithdrawUnmapped(entry.window);
    SDL_HideWindow(entry.window);
    // A hidden window's picture is made again when it shows; meanwhile the memory goes to the
    // windows on screen.
    glDeleteTextures(1, &entry.texture);
    entry.texture = 0;
    entry.picture.reset();
  }
}

void SdlBackend::SetWindowOwner(int window, int owner, bool message_box) {
  SDL_Window* native = windows_->Get(window).window;
  TieToOwner(native, owner != 0 ? windows_->Get(owner).window : nullptr, message_box);
}

void SdlBackend::FocusWindow(int window) {
  SDL_Window* native = windows_->Get(window).window;
  // A window manager hands the keyboard to the owner by itself; without one, nobody would.
  SDL_RaiseWindow(native);
  SDL_SetWindowInputFocus(native);
}

std::vector<SDL_Rect> SdlBackend::DrawWindow(const platform::Form& form) {
  const int id = form.WindowId();
  WindowTable::Entry& entry = windows_->Get(id);
  windows_->Follow(entry);
  context_->MakeCurrent(entry.window);
  const auto held = whole_.find(id);
  bool whole = !screen_copy_->Available(entry.window) || held == whole_.end() ||
               held->second != std::pair{entry.width, entry.height};
  // What changed of the form's picture: a label's new caption repaints, sends and shows only
  // the label's rectangle.
  FormLook look = LookOf(form);
  const SDL_Rect client = ClientRect(form);
  std::optional<SDL_Rect> changed;
  if (entry.texture == 0 || !entry.picture) {
    changed = client;
  } else {
    changed = ChangedArea(entry.look, look, client);
  }
  if (changed && SDL_RectEquals(&*changed, &client)) {
    // A window keeps its picture and texture while its size stays: the focus moving to another
    // button would otherwise make both anew, at a window's worth of memory each time.
    if (entry.texture != 0 && entry.picture && entry.picture->w == client.w &&
        entry.picture->h == client.h) {
      painter_->Repaint(form, entry.picture.get(), client);
      WindowTable::UploadPart(entry, client);
    } else {
      entry.picture = painter_->Compose(form);
      WindowTable::Upload(entry);
    }
    whole = true;
  } else if (changed) {
    painter_->Repaint(form, entry.picture.get(), *changed);
    WindowTable::UploadPart(entry, *changed);
  }
  entry.look = std::move(look);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  const SDL_Rect window{0, 0, entry.width, entry.height};
  // Each canvas is shown pixel for pixel from its top-left corner (OpenGL counts rows from the
  // bottom), cut at the window's edges.
  std::vector<std::pair<SDL_Rect, GLuint>> canvases;
  for (const platform::Control* control : form.Controls()) {
    const auto* canvas = dynamic_cast<const platform::Tessor*>(control);
    if (canvas == nullptr || !canvas->Visible()) {
      continue;
    }
    const CanvasTarget* target = renderer_->FindTarget(*canvas);
    if (target == nullptr) {
      continue;
    }
    SDL_Rect at = PixelRect(canvas->Bounds());
    canvases.push_back(
        {SDL_Rect{at.x, entry.height - at.y - target->Height(), target->Width(), target->Height()},
         target->ColorTexture()});
  }
  std::vector<SDL_Rect> drawn;
  // The part of the form's picture to draw, in OpenGL's rows.
  SDL_Rect part = window;
  if (!whole && changed) {
    part = SDL_Rect{changed->x, entry.height - changed->y - changed->h, changed->w, changed->h};
  }
  if (whole || changed) {
    glViewport(0, 0, entry.width, entry.height);
    glEnable(GL_SCISSOR_TEST);
    // The canvas covers its rectangle anyway; drawn in software, the form's picture under it
    // would cost as much as the canvas itself.
    const std::vector<SDL_Rect> bands = canvases.empty()
                                            ? std::vector<SDL_Rect>{window}
                                            : BandsAround(window, canvases.front().first);
    for (const SDL_Rect& band : bands) {
      SDL_Rect cut{};
      if (SDL_IntersectRect(&band, &part, &cut) == SDL_FALSE) {
        continue;
      }
      glScissor(cut.x, cut.y, cut.w, cut.h);
      renderer_->Quads().Draw(entry.texture, true);
      if (!whole) {
        drawn.push_back(cut);
      }
    }
    glDisable(GL_SCISSOR_TEST);
    if (whole) {
      drawn.push_back(window);
    }
  }
  for (const auto& [at, texture] : canvases) {
    glViewport(at.x, at.y, at.w, at.h);
    renderer_->Quads().Draw(texture, false);
    SDL_Rect seen{};
    if (!whole && SDL_IntersectRect(&at, &window, &seen) == SDL_TRUE) {
      drawn.push_back(seen);
    }
  }
  return drawn;
}

void SdlBackend::Present(const platform::Form& form) {
  DrawProbe::Scope probe(*probe_, DrawProbe::Part::Windows);
  const std::vector<SDL_Rect> drawn = DrawWindow(form);
  const WindowTable::Entry& entry = windows_->Get(form.WindowId());
  if (!screen_copy_->Available(entry.window)) {
    SDL_GL_SwapWindow(entry.window);
    return;
  }
  // The rest of the window is on the screen already, and stays in the back buffer as it is.
  for (const SDL_Rect& rect : drawn) {
    ScreenCopy::Copy(entry.window, rect);
  }
  whole_[form.WindowId()] = {entry.width, entry.height};
}

Pixels SdlBackend::ReadWindowPixels(const platform::Form& form) {
  DrawWindow(form);
  const WindowTable::Entry& entry = windows_->Get(form.WindowId());
  glReadBuffer(GL_BACK);
  return ReadPixels(entry.width, entry.height);
}

void SdlBackend::RenderCanvas(const platform::Tessor& canvas) {
  DrawProbe::Scope probe(*probe_, DrawProbe::Part::Scene);
  // The canvas draws into its own target: any window the context is current on will do.
  SDL_Rect at = PixelRect(canvas.Bounds());
  CanvasTarget& target = renderer_->TargetFor(canvas, canvas.Parent().WindowId(), at.w, at.h);
  scene::SceneView scene = scene::CollectScene(canvas.SceneFrame());
  glm::mat4 camera = scene::WorldMatrix(canvas.CameraFrame());
  scene::ViewportView viewport = scene::ReadViewport(canvas.Viewport());
  renderer_->Draw(target, scene, camera, viewport);
}

Pixels SdlBackend::ReadCanvasPixels(const platform::Tessor& canvas) {
  const CanvasTarget* target = renderer_->FindTarget(canvas);
  if (target == nullptr) {
    throw platform::PlatformError("the canvas " + canvas.Name() + " has not been drawn");
  }
  target->Bind();
  Pixels pixels = ReadPixels(target->Width(), target->Height());
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  return pixels;
}

uint32_t SdlBackend::NativeWindowId(int window) {
  return SDL_GetWindowID(windows_->Get(window).window);
}

void SdlBackend::MoveMouseAbsolute(int x, int y) {
  pointer_->MoveAbsolute(x, y);
}

platform::PointL SdlBackend::GetCursorPos() {
  // Motion that is still queued belongs to the position; the other events stay queued.
  events_->Pump();
  return pointer_->Position();
}

int SdlBackend::ShowCursor(bool show) {
  events_->Pump();
  return pointer_->Show(show);
}

std::unique_ptr<platform::SoundSystem> SdlBackend::CreateSoundSystem() {
  return std::make_unique<MixerSoundSystem>();
}

std::unique_ptr<platform::KeyboardDevice> SdlBackend::CreateKeyboardDevice(
    const std::string& guid) {
  if (guid != "GUID_SysKeyboard") {
    throw platform::PlatformError("there is no input device " + guid);
  }
  return std::make_unique<KeyboardDevice>();
}

int SdlBackend::DisplayBitsPerPixel() {
  if (display_bits_ == 0) {
    if (CanvasTarget::CanMakeHighColor()) {
      display_bits_ = 16;
    } else {
      SDL_DisplayMode mode{};
      display_bits_ =
          SDL_GetCurrentDisplayMode(0, &mode) == 0 && SDL_BITSPERPIXEL(mode.format) != 16
              ? static_cast<int>(SDL_BITSPERPIXEL(mode.format))
              : 32;
    }
  }
  return display_bits_;
}

}  // namespace orbelon::sdl
