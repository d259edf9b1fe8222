#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"

struct SDL_Rect;

namespace orbelon::sdl {

class GlContext;
class WindowTable;
class FormPainter;
class FontLibrary;
class CanvasRenderer;
class Pointer;
class EventSource;
class DrawProbe;
class ScreenCopy;

// An image read back from the GPU: 8-bit RGBA rows from the top.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;
};

// The real platform on SDL2, OpenGL (through libepoxy), SDL2_mixer and SDL2_ttf.
class SdlBackend : public platform::Backend {
 public:
  // Starts SDL's video; throws PlatformError with a clear message when there is no display.
  static std::unique_ptr<SdlBackend> Create();
  // The folder of the executable, without a separator at the end.
  static std::string ProgramFolder();
  // The signal (SIGINT, SIGTERM) that asked the program to end, 0 while none has.
  static int InterruptSignal();

  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  uint32_t TimeGetTime() override;
  int WallSecond() override;

  bool PollEvent(platform::InputEvent& event) override;
  void WaitEvent(uint32_t timeout_ms) override;

  int CreateWindow(const platform::Form& form) override;
  void DestroyWindow(int window) override;
  void ShowWindow(int window, bool visible) override;
  void SetWindowOwner(int window, int owner, bool message_box) override;
  void FocusWindow(int window) override;
  void Present(const platform::Form& form) override;

  void RenderCanvas(const platform::Tessor& canvas) override;

  void MoveMouseAbsolute(int x, int y) override;
  platform::PointL GetCursorPos() override;
  int ShowCursor(bool show) override;

  std::unique_ptr<platform::SoundSystem> CreateSoundSystem() override;
  std::unique_ptr<platform::KeyboardDevice> CreateKeyboardDevice(const std::string& guid) override;
  int DisplayBitsPerPixel() override;

  // For tests and tools: the canvas's last rendered image, and the window of a form as Present
  // draws it (the composed form with the canvas over it). Both throw when there is none.
  Pixels ReadCanvasPixels(const platform::Tessor& canvas);
  Pixels ReadWindowPixels(const platform::Form& form);
  // SDL's id of a window, so that tests can queue events for it.
  uint32_t NativeWindowId(int window);

 private:
  SdlBackend();
  // Draws the window into its back buffer and gives the rectangles drawn, in OpenGL's window
  // coordinates: the whole window when its back buffer may not hold all of its picture, or when
  // the form itself, its size or its list of visible controls changed; else only the canvases,
  // which change every pass, and the rectangles of the controls whose look changed.
  std::vector<SDL_Rect> DrawWindow(const platform::Form& form);

  std::unique_ptr<GlContext> context_;
  std::unique_ptr<FontLibrary> fonts_;
  std::unique_ptr<FormPainter> painter_;
  std::unique_ptr<CanvasRenderer> renderer_;
  std::unique_ptr<WindowTable> windows_;
  std::unique_ptr<Pointer> pointer_;
  std::unique_ptr<EventSource> events_;
  std::unique_ptr<DrawProbe> probe_;
  std::unique_ptr<ScreenCopy> screen_copy_;
  // The windows whose back buffer and screen hold their whole picture, with the size it was
  // drawn at. Only where rectangles can be copied to the screen: a swap leaves nothing behind.
  std::map<int, std::pair<int, int>> whole_;
  int display_bits_ = 0;
};

}  // namespace orbelon::sdl
