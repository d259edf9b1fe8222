#include "platform/sdl/gl_program.h"

#include <string>
#include <vector>

#include "platform/error.h"

namespace orbelon::sdl {

namespace {

std::string ShaderLog(GLuint shader) {
  GLint length = 0;
  glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
  std::vector<char> log(static_cast<size_t>(length > 0 ? length : 1));
  glGetShaderInfoLog(shader, static_cast<GLsizei>(log.size()), nullptr, log.data());
  return log.data();
}

GLuint Compile(GLenum type, const char* source, const char* what) {
  GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok != GL_TRUE) {
    std::string message =
        std::string("cannot compile the ") + what + " shader: " + ShaderLog(shader);
    glDeleteShader(shader);
    throw platform::PlatformError(message);
  }
  return shader;
}

constexpr const char* kQuadVertex = R"(#version 330 core
uniform bool u_flip;
out vec2 v_uv;
void main() {
  // Two triangles over the viewport, made from the vertex number alone.
  const int order[6] = int[6](0, 1, 2, 1, 3, 2);
  int i = order[gl_VertexID];
  vec2 corner = vec2(float(i & 1), float(i >> 1));
  v_uv = vec2(corner.x, u_flip ? 1.0 - corner.y : corner.y);
  gl_Position = vec4(corner * 2.0 - 1.0, 0.0, 1.0);
}
)";

constexpr const char* kQuadFragment = R"(#version 330 core
uniform sampler2D u_texture;
in vec2 v_uv;
out vec4 frag;
void main() {
  frag = texture(u_texture, v_uv);
}
)";

}  // namespace

GlProgram::GlProgram(const char* vertex_source, const char* fragment_source, const char* what) {
  GLuint vertex = Compile(GL_VERTEX_SHADER, vertex_source, what);
  GLuint fragment = 0;
  try {
    fragment = Compile(GL_FRAGMENT_SHADER, fragment_source, what);
  } catch (...) {
    glDeleteShader(vertex);
    throw;
  }
  id_ = glCreateProgram();
  glAttachShader(id_, vertex);
  glAttachShader(id_, fragment);
  glLinkProgram(id_);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint ok = GL_FALSE;
  glGetProgramiv(id_, GL_LINK_STATUS, &ok);
  if (ok != GL_TRUE) {
    char log[1024] = {};
    glGetProgramInfoLog(id_, sizeof log, nullptr, log);
    glDeleteProgram(id_);
    throw platform::PlatformError(std::string("cannot link the ") + what + " shaders: " + log);
  }
}

GlProgram::~GlProgram() {
  glDeleteProgram(id_);
}

QuadDrawer::QuadDrawer() : program_(kQuadVertex, kQuadFragment, "picture") {
  // The core profile draws nothing without a vertex array, even one without attributes.
  glGenVertexArrays(1, &vertex_array_);
  flip_ = program_.Uniform("u_flip");
  glUseProgram(program_.Id());
  glUniform1i(program_.Uniform("u_texture"), 0);
}

QuadDrawer::~QuadDrawer() {
  glDeleteVertexArrays(1, &vertex_array_);
}

void QuadDrawer::Draw(GLuint texture, bool rows_from_top) {
  glUseProgram(program_.Id());
  glUniform1i(flip_, rows_from_top ? 1 : 0);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, texture);
  glBindVertexArray(vertex_array_);
  glDrawArrays(GL_TRIANGLES, 0, 6);
}

}  // namespace orbelon::sdl
