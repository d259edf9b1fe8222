#include "platform/sdl/scene_programs.h"

#include <string>

namespace orbelon::sdl {

namespace {

// Each corner is lit, and the light spread across the face: the fragment stage is left with the
// texture, the decal test and one multiply, which is most of what the software renderer saves.
constexpr const char* kVertex = R"(
layout(location = 0) in vec3 a_position;
layout(location = 1) in vec3 a_normal;
layout(location = 2) in vec2 a_uv;
uniform mat4 u_world;
uniform mat4 u_view_projection;
uniform mat3 u_normal_matrix;
uniform vec3 u_eye;
uniform vec3 u_light_direction;
uniform float u_ambient;
uniform float u_diffuse;
out vec2 v_uv;
SPREAD out float v_light;
#if HIGHLIGHT
uniform vec3 u_specular;
uniform float u_power;
out vec3 v_highlight;
#endif
void main() {
  vec4 world = u_world * vec4(a_position, 1.0);
  v_uv = a_uv;
  gl_Position = u_view_projection * world;
  vec3 to_eye = normalize(u_eye - world.xyz);
  vec3 n = u_normal_matrix * a_normal;
  n = length(n) > 1e-6 ? normalize(n) : to_eye;
  // Faces are drawn from both sides, and each corner is lit from the side the camera sees.
  if (dot(n, to_eye) < 0.0) {
    n = -n;
  }
  vec3 to_light = -u_light_direction;
  float lambert = max(dot(n, to_light), 0.0);
  v_light = u_ambient + u_diffuse * lambert;
#if HIGHLIGHT
  v_highlight = vec3(0.0);
  if (lambert > 0.0) {
    vec3 halfway = normalize(to_light + to_eye);
    v_highlight = u_specular * u_diffuse * pow(max(dot(n, halfway), 0.0), u_power);
  }
#endif
}
)";

constexpr const char* kFragment = R"(
in vec2 v_uv;
SPREAD in float v_light;
#if HIGHLIGHT
in vec3 v_highlight;
#endif
uniform vec3 u_color;
uniform bool u_textured;
uniform bool u_decal;
uniform sampler2D u_texture;
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
#if HIGHLIGHT
  // The highlight is the light's colour, whatever the texture under it.
  frag = vec4(base * v_light + v_highlight, 1.0);
#else
  frag = vec4(base * v_light, 1.0);
#endif
}
)";

std::string Header(Lighting lighting) {
  std::string header = "#version 330 core\n";
  header += lighting == Lighting::Flat ? "#define SPREAD flat\n" : "#define SPREAD smooth\n";
  header += lighting == Lighting::Highlight ? "#define HIGHLIGHT 1\n" : "#define HIGHLIGHT 0\n";
  return header;
}

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
    const std::string header = Header(lighting);
    program = std::make_unique<Program>((header + kVertex).c_str(), (header + kFragment).c_str());
  }
  return *program;
}

}  // namespace orbelon::sdl
