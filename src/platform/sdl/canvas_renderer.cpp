#include "platform/sdl/canvas_renderer.h"

#include <algorithm>

#include <glm/gtc/matrix_transform.hpp>

#include "platform/sdl/view_volume.h"

namespace orbelon::sdl {

glm::mat4 ViewProjection(const glm::mat4& camera, const scene::ViewportView& viewport, int width,
                         int height) {
  float front = viewport.front > 0 ? viewport.front : 1.0f;
  float back = viewport.back > front ? viewport.back : front * 2.0f;
  float field = viewport.field > 0 ? viewport.field : 0.5f;
  float w = static_cast<float>(std::max(width, 1));
  float h = static_cast<float>(std::max(height, 1));
  float half_w = field * front;
  float half_h = field * front;
  if (w >= h) {
    half_h *= h / w;
  } else {
    half_w *= w / h;
  }
  glm::mat4 projection = glm::frustum(-half_w, half_w, -half_h, half_h, front, back);
  // The camera looks along its +z; OpenGL's eye looks along -z.
  glm::mat4 mirror = glm::scale(glm::mat4(1.0f), glm::vec3(1.0f, 1.0f, -1.0f));
  return projection * mirror * glm::inverse(camera);
}

CanvasRenderer::CanvasRenderer() = default;

CanvasRenderer::~CanvasRenderer() = default;

void CanvasRenderer::Draw(CanvasTarget& target, const scene::SceneView& scene,
                          const glm::mat4& camera, const scene::ViewportView& viewport) {
  glDisable(GL_CULL_FACE);
  glDisable(GL_BLEND);
  glDisable(GL_DEPTH_TEST);
  DrawBackdrop(target, scene);
  target.CopyBackdrop();
  glClearDepth(1.0);
  glClear(GL_DEPTH_BUFFER_BIT);

  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  frame_.view_projection = ViewProjection(camera, viewport, target.Width(), target.Height());
  frame_.eye = glm::vec3(camera[3]);
  current_ = nullptr;
  const ViewVolume seen(frame_.view_projection);
  for (const scene::DrawItem& item : scene.items) {
    DrawItem(item, seen);
  }
  glBindVertexArray(0);
  glDisable(GL_DEPTH_TEST);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  cache_.EndFrame();
}

void CanvasRenderer::DrawBackdrop(CanvasTarget& target, const scene::SceneView& scene) {
  const glm::vec3 color = glm::clamp(scene.background, glm::vec3(0.0f), glm::vec3(1.0f));
  BackdropLook look{color, 0, 0};
  if (scene.has_background_image) {
    look.image = scene.background_image.id;
    look.keyed_color = scene.background_image.transparent_color;
  }
  if (target.Backdrop() == look) {
    return;
  }
  target.BindBackdrop();
  glClearColor(color.r, color.g, color.b, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  if (scene.has_background_image) {
    GLuint texture = cache_.TextureId(scene.background_image);
    // Stretched once over the view: its edges must not take in texels of the opposite edge.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    quads_.Draw(texture, true);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  }
  target.SetBackdrop(look);
}

void CanvasRenderer::DrawItem(const scene::DrawItem& item, const ViewVolume& seen) {
  const scene::MeshView& mesh = item.mesh;
  const GpuCache::Mesh& buffers = cache_.MeshBuffers(mesh);
  if (buffers.index_count == 0 || seen.Misses(item.world, buffers.center, buffers.radius)) {
    return;
  }
  // A power of 0 would make every lit point a highlight; it means none.
  const float power = mesh.has_material ? mesh.power : 0.0f;
  Use(programs_.For(power > 0.0f         ? Lighting::Highlight
                    : buffers.flat_faces ? Lighting::Flat
                                         : Lighting::Smooth));

  glm::mat3 normal_matrix = glm::transpose(glm::inverse(glm::mat3(item.world)));
  glUniformMatrix4fv(current_->world, 1, GL_FALSE, &item.world[0][0]);
  glUniformMatrix3fv(current_->normal_matrix, 1, GL_FALSE, &normal_matrix[0][0]);
  glm::vec3 color = glm::clamp(mesh.color, glm::vec3(0.0f), glm::vec3(1.0f));
  glUniform3fv(current_->color, 1, &color[0]);
  bool textured = mesh.has_texture;
  glUniform1i(current_->textured, textured ? 1 : 0);
  glUniform1i(current_->decal, textured && mesh.texture.decal_transparency ? 1 : 0);
  if (textured) {
    glActiveTexture(GL_TEXTURE0);
    cache_.TextureId(mesh.texture);
  }
  if (power > 0.0f) {
    glUniform1f(current_->power, power);
    glUniform3fv(current_->specular, 1, &mesh.specular[0]);
  }
  glBindVertexArray(buffers.vertex_array);
  glDrawElements(GL_TRIANGLES, buffers.index_count, GL_UNSIGNED_INT, nullptr);
}

void CanvasRenderer::Use(ScenePrograms::Program& program) {
  if (current_ == &program) {
    return;
  }
  current_ = &program;
  glUseProgram(program.program.Id());
  glUniformMatrix4fv(program.view_projection, 1, GL_FALSE, &frame_.view_projection[0][0]);
  glUniform3fv(program.eye, 1, &frame_.eye[0]);
  glUniform3fv(program.light_direction, 1, &lights_.direction[0]);
  glUniform1f(program.ambient, lights_.ambient);
  glUniform1f(program.diffuse, lights_.diffuse);
}

CanvasTarget& CanvasRenderer::TargetFor(const platform::Tessor& canvas, int window, int width,
                                        int height) {
  OwnedTarget& owned = targets_[&canvas];
  if (!owned.target || owned.window != window || owned.target->Width() != std::max(width, 1) ||
      owned.target->Height() != std::max(height, 1)) {
    owned.target.reset();
    owned.target = std::make_unique<CanvasTarget>(width, height);
    owned.window = window;
  }
  return *owned.target;
}

const CanvasTarget* CanvasRenderer::FindTarget(const platform::Tessor& canvas) const {
  auto it = targets_.find(&canvas);
  return it == targets_.end() ? nullptr : it->second.target.get();
}

void CanvasRenderer::DropWindow(int window) {
  std::erase_if(targets_, [window](const auto& entry) { return entry.second.window == window; });
}

}  // namespace orbelon::sdl
