#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/runtime/controls.h"
#include "platform/scene/scene.h"

namespace orbelon::platform {

// The canvas control: it holds the 3D scene and shows it in its rectangle of the form. The
// scene frame exists from the start; StartCanvas makes the camera and the viewport (field 0.5,
// front 1); Render advances the scene one tick and then draws it. The lights are no part of the
// scene: the backend's renderer holds them, fixed, one ambient and one directional.
class Tessor : public Control {
 public:
  Tessor(Form& form, std::string name, Rect bounds);
  ~Tessor() override;

  void SetStartSetting(int16_t value) { start_setting_ = value; }
  int16_t StartSetting() const { return start_setting_; }
  // The same root frame on every read.
  scene::Frame SceneFrame() const { return scene_frame_; }
  void StartCanvas();
  // The next three throw until StartCanvas has run.
  scene::Root& D3DRM();
  scene::Frame CameraFrame() const;
  scene::Viewport Viewport() const;
  void Render();
  void Update() {}

  // Raised when a mouse button is pressed over the canvas: button 1 left, 2 right.
  std::function<void(int16_t button, int16_t shift, float x, float y)> MouseButton;
  // The one-argument event.
  std::function<void(int32_t value)> EmptyEvent;

  bool MouseDown(int button, int x, int y) override;
  bool Started() const { return started_; }
  int RenderCount() const { return render_count_; }

 private:
  int16_t start_setting_ = 0;
  std::unique_ptr<scene::Root> root_;
  scene::Frame scene_frame_;
  scene::Frame camera_frame_;
  scene::Viewport viewport_;
  bool started_ = false;
  int render_count_ = 0;
};

}  // namespace orbelon::platform
