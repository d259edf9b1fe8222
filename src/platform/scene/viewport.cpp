// The viewport's projection settings. A view needs 0 < front < back.

#include <cmath>
#include <string>

#include "platform/error.h"
#include "platform/scene/scene.h"
#include "platform/scene/scene_objects.h"

namespace orbelon::scene {

namespace {

ViewportData& ViewportOf(const std::shared_ptr<ViewportData>& data, const char* call) {
  if (!data)
    throw platform::PlatformError(std::string(call) + ": the viewport is Nothing");
  return *data;
}

void RequirePositive(float value, const char* call) {
  if (!(value > 0) || !std::isfinite(value)) {
    throw platform::PlatformError(std::string(call) + ": " + std::to_string(value) +
                                  " is not a positive distance");
  }
}

}  // namespace

void Viewport::SetBack(float back) {
  ViewportData& viewport = ViewportOf(data_, "SetBack");
  RequirePositive(back, "SetBack");
  if (!(back > viewport.front)) {
    throw platform::PlatformError("SetBack: the back plane must lie beyond the front plane");
  }
  viewport.back = back;
}

float Viewport::GetBack() const {
  return ViewportOf(data_, "GetBack").back;
}

void Viewport::SetField(float field) {
  ViewportData& viewport = ViewportOf(data_, "SetField");
  RequirePositive(field, "SetField");
  viewport.field = field;
}

float Viewport::GetField() const {
  return ViewportOf(data_, "GetField").field;
}

void Viewport::SetFront(float front) {
  ViewportData& viewport = ViewportOf(data_, "SetFront");
  RequirePositive(front, "SetFront");
  if (!(front < viewport.back)) {
    throw platform::PlatformError("SetFront: the front plane must lie before the back plane");
  }
  viewport.front = front;
}

float Viewport::GetFront() const {
  return ViewportOf(data_, "GetFront").front;
}

}  // namespace orbelon::scene
