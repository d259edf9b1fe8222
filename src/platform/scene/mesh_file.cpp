#include "platform/scene/mesh_file.h"

#include <cmath>
#include <sstream>
#include <unordered_map>

#include <tiny_obj_loader.h>

#include "platform/error.h"
#include "platform/files/file_bytes.h"
#include "platform/scene/transforms.h"

namespace orbelon::scene {

namespace {

constexpr size_t kLargestFile = size_t{64} << 20;

struct Corner {
  int position;
  int normal;
  int uv;
  bool operator==(const Corner&) const = default;
};

struct CornerHash {
  size_t operator()(const Corner& c) const {
    const auto mix = [](size_t seed, int value) {
      return seed ^ (std::hash<int>()(value) + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2));
    };
    return mix(mix(std::hash<int>()(c.position), c.normal), c.uv);
  }
};

[[noreturn]] void Fail(const std::string& name, const std::string& why) {
  throw platform::PlatformError("The mesh file " + name + " " + why);
}

void CheckValues(const std::vector<tinyobj::real_t>& values, const std::string& name) {
  for (const float value : values) {
    if (!std::isfinite(value) || std::fabs(value) > kLargestCoordinate) {
      Fail(name, "holds a coordinate out of range");
    }
  }
}

// Turns the reader's faces (polygons with separate position, normal and uv indices) into
// triangles over shared vertices, one vertex per distinct corner.
class GeometryBuilder {
 public:
  GeometryBuilder(const tinyobj::attrib_t& attrib, const std::string& name)
      : attrib_(attrib),
        name_(name),
        position_count_(static_cast<int>(attrib.vertices.size() / 3)),
        normal_count_(static_cast<int>(attrib.normals.size() / 3)),
        uv_count_(static_cast<int>(attrib.texcoords.size() / 2)),
        position_normals_(attrib.vertices.size() / 3, glm::vec3(0)) {}

  void AddShape(const tinyobj::mesh_t& mesh) {
    size_t total = 0;
    for (const unsigned char corners : mesh.num_face_vertices)
      total += corners;
    if (total != mesh.indices.size())
      Fail(name_, "is damaged: its faces do not add up");
    size_t offset = 0;
    for (const unsigned char corners : mesh.num_face_vertices) {
      if (corners < 3)
        Fail(name_, "is damaged: a face has fewer than 3 corners");
      std::vector<uint32_t> ring;
      for (size_t k = 0; k < corners; ++k)
        ring.push_back(VertexOf(mesh.indices[offset + k]));
      // A fan: the faces of our meshes are convex.
      for (size_t k = 1; k + 1 < ring.size(); ++k)
        AddTriangle(ring[0], ring[k], ring[k + 1]);
      offset += corners;
      ++face_;
    }
  }

  MeshGeometry Finish() {
    if (geometry_.indices.empty())
      Fail(name_, "holds no faces");
    // A vertex without a normal of its own gets the mean of the faces around its position.
    for (size_t vertex = 0; vertex < geometry_.normals.size(); ++vertex) {
      if (!has_normal_[vertex]) {
        geometry_.normals[vertex] = Normalized(position_normals_[position_of_vertex_[vertex]]);
      }
    }
    return std::move(geometry_);
  }

 private:
  uint32_t VertexOf(const tinyobj::index_t& index) {
    const Corner corner{index.vertex_index, index.normal_index, index.texcoord_index};
    if (corner.position < 0 || corner.position >= position_count_ || corner.normal < -1 ||
        corner.normal >= normal_count_ || corner.uv < -1 || corner.uv >= uv_count_) {
      Fail(name_, "is damaged: a face refers to a vertex that the file does not hold");
    }
    const auto found = vertices_.find(corner);
    if (found != vertices_.end())
      return found->second;
    const auto vertex = static_cast<uint32_t>(geometry_.positions.size());
    const auto& v = attrib_.vertices;
    const auto p = static_cast<size_t>(corner.position);
    geometry_.positions.emplace_back(v[3 * p], v[3 * p + 1], v[3 * p + 2]);
    if (corner.normal >= 0) {
      const auto& n = attrib_.normals;
      const auto i = static_cast<size_t>(corner.normal);
      geometry_.normals.push_back(Normalized({n[3 * i], n[3 * i + 1], n[3 * i + 2]}));
    } else {
      geometry_.normals.emplace_back(0.0f);
    }
    has_normal_.push_back(corner.normal >= 0);
    if (corner.uv >= 0) {
      const auto& t = attrib_.texcoords;
      const auto i = static_cast<size_t>(corner.uv);
      geometry_.uvs.emplace_back(t[2 * i], t[2 * i + 1]);
    } else {
      geometry_.uvs.emplace_back(0.0f);
    }
    position_of_vertex_.push_back(p);
    vertices_.emplace(corner, vertex);
    return vertex;
  }

  void AddTriangle(uint32_t a, uint32_t b, uint32_t c) {
    geometry_.indices.insert(geometry_.indices.end(), {a, b, c});
    geometry_.face_of_triangle.push_back(face_);
    const glm::vec3& pa = geometry_.positions[a];
    const glm::vec3 n = glm::cross(geometry_.positions[b] - pa, geometry_.positions[c] - pa);
    for (const uint32_t vertex : {a, b, c})
      position_normals_[position_of_vertex_[vertex]] += n;
  }

  const tinyobj::attrib_t& attrib_;
  const std::string& name_;
  const int position_count_;
  const int normal_count_;
  const int uv_count_;
  MeshGeometry geometry_;
  std::unordered_map<Corner, uint32_t, CornerHash> vertices_;
  std::vector<bool> has_normal_;
  std::vector<size_t> position_of_vertex_;
  std::vector<glm::vec3> position_normals_;
  int32_t face_ = 0;
};

}  // namespace

MeshGeometry ReadMeshFile(const std::string& path) {
  const std::string name = platform::NativePath(path);
  const std::vector<uint8_t> bytes = platform::ReadFileBytes(name, "mesh", kLargestFile);
  return ParseMeshText(std::string(bytes.begin(), bytes.end()), name);
}

MeshGeometry ParseMeshText(const std::string& text, const std::string& name) {
  CheckMeshText(text, name);
  tinyobj::attrib_t attrib;
  std::vector<tinyobj::shape_t> shapes;
  std::vector<tinyobj::material_t> materials;
  std::string warnings;
  std::string errors;
  std::istringstream stream(text);
  // No material reader: a mesh file names no other file that we would open.
  if (!tinyobj::LoadObj(&attrib, &shapes, &materials, &warnings, &errors, &stream, nullptr, false,
                        false)) {
    Fail(name, "cannot be read: " + errors.substr(0, errors.find('\n')));
  }
  CheckValues(attrib.vertices, name);
  CheckValues(attrib.normals, name);
  CheckValues(attrib.texcoords, name);
  GeometryBuilder builder(attrib, name);
  for (const auto& shape : shapes)
    builder.AddShape(shape.mesh);
  return builder.Finish();
}

}  // namespace orbelon::scene
