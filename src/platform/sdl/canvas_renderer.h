#pragma once

#include <map>
#include <memory>

#include <glm/glm.hpp>

#include "platform/scene/draw_list.h"
#include "platform/sdl/canvas_target.h"
#include "platform/sdl/gl_program.h"
#include "platform/sdl/gpu_cache.h"
#include "platform/sdl/scene_programs.h"

namespace orbelon::platform {
class Tessor;
}

namespace orbelon::sdl {

class ViewVolume;

// The fixed lights of every canvas: one ambient and one directional light from above and
// behind the camera's usual view (it looks down at 45 degrees toward the scene's +z).
struct Lights {
  float ambient = 0.4f;
  float diffuse = 0.8f;
  glm::vec3 direction = glm::normalize(glm::vec3(0.25f, -1.0f, 0.5f));  // the way it shines
};

// Draws scenes into canvas targets with OpenGL; a context must be current.
class CanvasRenderer {
 public:
  CanvasRenderer();
  ~CanvasRenderer();
  CanvasRenderer(const CanvasRenderer&) = delete;
  CanvasRenderer& operator=(const CanvasRenderer&) = delete;

  // Background colour, background image stretched over the whole target, then every visual, as
  // the camera (its world matrix) sees them through the viewport.
  void Draw(CanvasTarget& target, const scene::SceneView& scene, const glm::mat4& camera,
            const scene::ViewportView& viewport);

  // The target of a canvas, made at its size on first use; each belongs to a window and goes
  // with it.
  CanvasTarget& TargetFor(const platform::Tessor& canvas, int window, int width, int height);
  const CanvasTarget* FindTarget(const platform::Tessor& canvas) const;
  void DropWindow(int window);

  QuadDrawer& Quads() { return quads_; }

 private:
  void DrawBackdrop(CanvasTarget& target, const scene::SceneView& scene);
  void DrawItem(const scene::DrawItem& item, const ViewVolume& seen);
  // Makes the program current, with what is the same for every mesh of the frame.
  void Use(ScenePrograms::Program& program);

  ScenePrograms programs_;
  QuadDrawer quads_;
  GpuCache cache_;
  Lights lights_;
  struct {
    glm::mat4 view_projection{1.0f};
    glm::vec3 eye{0.0f};
  } frame_;
  ScenePrograms::Program* current_ = nullptr;
  struct OwnedTarget {
    int window = 0;
    std::unique_ptr<CanvasTarget> target;
  };
  std::map<const platform::Tessor*, OwnedTarget> targets_;
};

// The projection of a viewport: field is half the view's size at distance 1 across the larger
// of width and height. The scene's left-handed space is mirrored in z into OpenGL's, so that
// +x still appears to the right.
glm::mat4 ViewProjection(const glm::mat4& camera, const scene::ViewportView& viewport, int width,
                         int height);

}  // namespace orbelon::sdl
