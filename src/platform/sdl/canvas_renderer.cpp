#include "platform/sdl/canvas_renderer.h"

#include <algorithm>

#include <glm/gtc/matrix_transform.hpp>

namespace orbelon::sdl {

namespace {

constexpr const char* kSceneVertex = R"(#version 330 core
layout(location = 0) in vec3 a_position;
layout(location = 1) in vec3 a_normal;
layout(location = 2) in vec2 a_uv;
uniform mat4 u_world;
uniform mat4 u_view_projection;
uniform mat3 u_normal_matrix;
out vec3 v_position;
out vec3 v_normal;
out vec2 v_uv;
void main() {
  vec4 world = u_world * vec4(a_position, 1.0);
  v_position = world.xyz;
  v_normal = u_normal_matrix * a_normal;
  v_uv = a_uv;
  gl_Position = u_view_projection * world;
}
)";

constexpr const char* kSceneFragment = R"(#version 330 core
in vec3 v_position;
in vec3 v_normal;
in vec2 v_uv;
uniform vec3 u_color;
uniform bool u_textured;
uniform bool u_decal;
uniform sampler2D u_texture;
uniform vec3 u_specular;
uniform float u_power;
uniform vec3 u_eye;
uniform vec3 u_light_direction;
uniform float u_ambient;
uniform float u_diffuse;
out vec4 frag;
void main() {
  vec3 base = u_color;
  if (u_textured) {
    vec4 texel = texture(u_texture, v_uv);
    if (u_decal && texel.a < 0.5) {
      discard;
    }
    base *= texel.rgb;
  }
  vec3 to_eye = normalize(u_eye - v_position);
  vec3 n = length(v_normal) > 1e-6 ? normalize(v_normal) : to_eye;
  // Faces are drawn from both sides, and each side is lit as the one facing the camera.
  if (dot(n, to_eye) < 0.0) {
    n = -n;
  }
  vec3 to_light = -u_light_direction;
  float lambert = max(dot(n, to_light), 0.0);
  vec3 color = base * (u_ambient + u_diffuse * lambert);
  if (u_power > 0.0 && lambert > 0.0) {
    vec3 halfway = normalize(to_light + to_eye);
    color += u_specular * u_diffuse * pow(max(dot(n, halfway), 0.0), u_power);
  }
  frag = vec4(color, 1.0);
}
)";

}  // namespace

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

CanvasRenderer::CanvasRenderer() : program_(kSceneVertex, kSceneFragment, "scene") {
  GLuint id = program_.Id();
  auto at = [id](const char* name) { return glGetUniformLocation(id, name); };
  uniforms_ = {at("u_world"),    at("u_view_projection"), at("u_normal_matrix"), at("u_color"),
               at("u_textured"), at("u_decal"),           at("u_specular"),      at("u_power"),
               at("u_eye"),      at("u_light_direction"), at("u_ambient"),       at("u_diffuse")};
  glUseProgram(id);
  glUniform1i(at("u_texture"), 0);
}

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
  glUseProgram(program_.Id());
  glm::mat4 view_projection = ViewProjection(camera, viewport, target.Width(), target.Height());
  glUniformMatrix4fv(uniforms_.view_projection, 1, GL_FALSE, &view_projection[0][0]);
  glm::vec3 eye(camera[3]);
  glUniform3fv(uniforms_.eye, 1, &eye[0]);
  glUniform3fv(uniforms_.light_direction, 1, &lights_.direction[0]);
  glUniform1f(uniforms_.ambient, lights_.ambient);
  glUniform1f(uniforms_.diffuse, lights_.diffuse);
  for (const scene::DrawItem& item : scene.items) {
    DrawItem(item);
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

void CanvasRenderer::DrawItem(const scene::DrawItem& item) {
  const scene::MeshView& mesh = item.mesh;
  const GpuCache::Mesh& buffers = cache_.MeshBuffers(mesh);
  if (buffers.index_count == 0) {
    return;
  }
  glm::mat3 normal_matrix = glm::transpose(glm::inverse(glm::mat3(item.world)));
  glUniformMatrix4fv(uniforms_.world, 1, GL_FALSE, &item.world[0][0]);
  glUniformMatrix3fv(uniforms_.normal_matrix, 1, GL_FALSE, &normal_matrix[0][0]);
  glm::vec3 color = glm::clamp(mesh.color, glm::vec3(0.0f), glm::vec3(1.0f));
  glUniform3fv(uniforms_.color, 1, &color[0]);
  bool textured = mesh.has_texture;
  glUniform1i(uniforms_.textured, textured ? 1 : 0);
  glUniform1i(uniforms_.decal, textured && mesh.texture.decal_transparency ? 1 : 0);
  if (textured) {
    glActiveTexture(GL_TEXTURE0);
    cache_.TextureId(mesh.texture);
  }
  // A power of 0 would make every lit point a highlight; it means none.
  float power = mesh.has_material ? mesh.power : 0.0f;
  glUniform1f(uniforms_.power, power);
  glUniform3fv(uniforms_.specular, 1, &mesh.specular[0]);
  glBindVertexArray(buffers.vertex_array);
  glDrawElements(GL_TRIANGLES, buffers.index_count, GL_UNSIGNED_INT, nullptr);
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
