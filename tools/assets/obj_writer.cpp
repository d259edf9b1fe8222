#include "assets/obj_writer.h"

#include <cstdio>
#include <map>
#include <vector>

namespace orbelon::assets {
namespace {

std::string Number(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", static_cast<double>(value));
  std::string s(text);
  // "-0.0000" and "0.0000" are the same point; keep one spelling so the lists stay short.
  if (s == "-0.0000") {
    s = "0.0000";
  }
  return s;
}

// Numbers the distinct lines of one kind (v, vt or vn) in their order of first use.
class LineTable {
 public:
  explicit LineTable(std::string tag) : tag_(std::move(tag)) {}

  size_t Index(const std::string& values) {
    const auto [it, added] = index_.emplace(values, lines_.size() + 1);
    if (added) {
      lines_.push_back(tag_ + " " + values + "\n");
    }
    return it->second;
  }
  void WriteTo(std::string& out) const {
    for (const auto& line : lines_) {
      out += line;
    }
  }

 private:
  std::string tag_;
  std::map<std::string, size_t> index_;
  std::vector<std::string> lines_;
};

}  // namespace

std::string ObjText(const Mesh& mesh, const std::string& title) {
  LineTable positions("v");
  LineTable uvs("vt");
  LineTable normals("vn");
  std::string faces;
  for (const auto& t : mesh.triangles) {
    faces += "f";
    for (uint32_t index : t) {
      const Vertex& v = mesh.vertices[index];
      const size_t p = positions.Index(Number(v.position.x) + " " + Number(v.position.y) + " " +
                                       Number(v.position.z));
      const size_t u = uvs.Index(Number(v.uv.x) + " " + Number(v.uv.y));
      const size_t n =
          normals.Index(Number(v.normal.x) + " " + Number(v.normal.y) + " " + Number(v.normal.z));
      faces += " " + std::to_string(p) + "/" + std::to_string(u) + "/" + std::to_string(n);
    }
    faces += "\n";
  }
  std::string out = "# Orbelon: " + title + "\n";
  positions.WriteTo(out);
  uvs.WriteTo(out);
  normals.WriteTo(out);
  out += faces;
  return out;
}

}  // namespace orbelon::assets
