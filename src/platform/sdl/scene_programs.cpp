#include "platform/sdl/scene_programs.h"

#include <string>

namespace orbelon::sdl {

namespace {

constexpr const char* kVertex = R"(
layout(location = 0) in vec3 a_position;
layout(location = 1) in vec3 a_normal;
layout(location = 2) in vec2 a_uv;
uniform mat4 u_world;
uniform mat4 u_view_projection;
uniform mat3 u_normal_matrix;
out vec2 v_uv;
#if PER_VERTEX
uniform vec3 u_eye;
uniform vec3 u_light_direction;
uniform float u_ambient;
uniform float u_diffuse;
flat out float v_light;
#else
out vec3 v_position;
out vec3 v_normal;
#endif
void main() {
  vec4 world = u_world * vec4(a_position, 1.0);
  v_uv = a_uv;
  gl_Position = u_view_projection * world;
#if PER_VERTEX
  // As the pixels of the face would work it out: the same normal at every corner, and the eye on
  // the same side of the face from each of them.
  vec3 to_eye = normalize(u_eye - world.xyz);
  vec3 n = normalize(u_normal_matrix * a_normal);
  if (dot(n, to_eye) < 0.0) {
    n = -n;
  }
  float lambert = max(dot(n, -u_light_direction), 0.0);
  v_light = u_ambient + u_diffuse * lambert;
#else
  v_position = world.xyz;
  v_normal = u_normal_matrix * a_normal;
#endif
}
)";

constexpr const char* kFragment = R"(
in vec2 v_uv;
uniform vec3 u_color;
uniform bool u_textured;
uniform bool u_decal;
uniform sampler2D u_texture;
#if PER_VERTEX
flat in float v_light;
#else
in vec3 v_position;
in vec3 v_normal;
uniform vec3 u_eye;
uniform vec3 u_light_direction;
uniform float u_ambient;
uniform float u_diffuse;
uniform vec3 u_specular;
uniform float u_power;
#endif
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
#if PER_VERTEX
  frag = vec4(base * v_light, 1.0);
#else
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
#endif
}
)";

}  // namespace

ScenePrograms::Program::Program(const char* vertex, const char* fragment)
    : program(vertex, fragment, "scene") {
  GLuint id = program.Id();
  auto at = [id](const char* name) { return glGetUniformLocation(id, name); };
  world = at("u_world");
  view_projection = at("u_view_projection");
  normal_matrix = at("u_normal_matrix");
  color = at("u_color");
  textured = at("u_textured");
  decal = at("u_decal");
  specular = at("u_specular");
  power = at("u_power");
  eye = at("u_eye");
  light_direction = at("u_light_direction");
  ambient = at("u_ambient");
  diffuse = at("u_diffuse");
  glUseProgram(id);
  glUniform1i(at("u_texture"), 0);
}

ScenePrograms::Program& ScenePrograms::For(Lighting lighting) {
  std::unique_ptr<Program>& program = programs_[static_cast<size_t>(lighting)];
  if (!program) {
    const std::string header = std::string("#version 330 core\n#define PER_VERTEX ") +
                               (lighting == Lighting::PerVertex ? "1\n" : "0\n");
    program = std::make_unique<Program>((header + kVertex).c_str(), (header + kFragment).c_str());
  }
  return *program;
}

}  // namespace orbelon::sdl
