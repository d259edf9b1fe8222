#include "platform/canvas/tessor.h"

#include <utility>

#include "platform/backend.h"
#include "platform/error.h"
#include "platform/runtime/form.h"
#include "platform/runtime/picture.h"
#include "platform/runtime/runtime.h"

namespace orbelon::platform {

namespace {

scene::DecodedImage DecodeTexture(const std::string& path) {
  const Picture picture = LoadPicture(path);
  return scene::DecodedImage{picture->width, picture->height, picture->rgba};
}

}  // namespace

Tessor::Tessor(Form& form, std::string name, Rect bounds)
    : Control(form, std::move(name), bounds),
      root_(std::make_unique<scene::Root>(DecodeTexture)),
      scene_frame_(root_->CreateFrame(scene::Frame{})) {}

Tessor::~Tessor() = default;

void Tessor::StartCanvas() {
  if (started_) {
    return;
  }
  camera_frame_ = root_->CreateFrame(scene_frame_);
  viewport_ = root_->CreateViewport();
  viewport_.SetField(0.5f);
  viewport_.SetFront(1.0f);
  viewport_.SetBack(100.0f);
  started_ = true;
}

scene::Root& Tessor::D3DRM() {
  if (!started_) {
    throw PlatformError("Nothing: the canvas's D3DRM before StartCanvas");
  }
  return *root_;
}

scene::Frame Tessor::CameraFrame() const {
  if (!started_) {
    throw PlatformError("Nothing: the canvas's CameraFrame before StartCanvas");
  }
  return camera_frame_;
}

scene::Viewport Tessor::Viewport() const {
  if (!started_) {
    throw PlatformError("Nothing: the canvas's Viewport before StartCanvas");
  }
  return viewport_;
}

void Tessor::Render() {
  if (!started_) {
    throw PlatformError("Nothing: the canvas's Render before StartCanvas");
  }
  scene::Root::Tick(scene_frame_);
  ++render_count_;
  Parent().GetRuntime().GetBackend().RenderCanvas(*this);
  Parent().Repaint();
}

bool Tessor::MouseDown(int button, int x, int y) {
  if (MouseButton) {
    const auto handler = MouseButton;
    handler(static_cast<int16_t>(button), 0, static_cast<float>(x), static_cast<float>(y));
  }
  return true;
}

}  // namespace orbelon::platform
