#pragma once

// Mesh files made on the spot for the benchmarks: closed shapes whose faces face outward, flat and
// wavy boards facing up, and a folder to put them in.

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <glm/glm.hpp>

namespace orbelon::testing {

// A cube of the given half size about the origin: six quads, each with its outward normal.
inline std::string CubeText(double half, bool with_normals) {
  std::ostringstream out;
  for (int axis = 0; axis < 3; ++axis) {
    for (int sign : {1, -1}) {
      // u x v = the outward normal, so the corners run counter to the clock seen from outside.
      glm::dvec3 n(0), u(0), v(0);
      n[axis] = sign;
      u[(axis + 1) % 3] = 1;
      v[(axis + 2) % 3] = sign;
      for (const auto& [su, sv] : {std::pair{-1.0, -1.0}, {1.0, -1.0}, {1.0, 1.0}, {-1.0, 1.0}}) {
        const glm::dvec3 p = half * (n + su * u + sv * v);
        out << "v " << p.x << ' ' << p.y << ' ' << p.z << '\n';
      }
      if (with_normals) {
        out << "vn " << n.x << ' ' << n.y << ' ' << n.z << '\n';
        out << "f -4//-1 -3//-1 -2//-1 -1//-1\n";
      } else {
        out << "f -4 -3 -2 -1\n";
      }
    }
  }
  return out.str();
}

// A sphere of latitude and longitude bands, every triangle turned to face outward.
inline std::string SphereText(double radius, int bands) {
  std::ostringstream out;
  out.precision(9);
  std::vector<glm::dvec3> points;
  for (int lat = 0; lat <= bands; ++lat) {
    const double theta = std::numbers::pi * lat / bands;
    for (int lon = 0; lon < 2 * bands; ++lon) {
      const double phi = std::numbers::pi * lon / bands;
      points.push_back(radius * glm::dvec3(std::sin(theta) * std::cos(phi), std::cos(theta),
                                           std::sin(theta) * std::sin(phi)));
      out << "v " << points.back().x << ' ' << points.back().y << ' ' << points.back().z << '\n';
    }
  }
  const auto index = [&](int lat, int lon) { return lat * 2 * bands + (lon % (2 * bands)); };
  const auto face = [&](int a, int b, int c) {
    const glm::dvec3 n = glm::cross(points[b] - points[a], points[c] - points[a]);
    if (glm::dot(n, points[a] + points[b] + points[c]) < 0)
      std::swap(b, c);
    out << "f " << a + 1 << ' ' << b + 1 << ' ' << c + 1 << '\n';
  };
  for (int lat = 0; lat < bands; ++lat) {
    for (int lon = 0; lon < 2 * bands; ++lon) {
      const int a = index(lat, lon), b = index(lat + 1, lon);
      const int c = index(lat + 1, lon + 1), d = index(lat, lon + 1);
      if (lat > 0)
        face(a, b, d);
      if (lat + 1 < bands)
        face(b, c, d);
    }
  }
  return out.str();
}

// A board of cells x cells quads over [-half, half] in x and z, facing up (+y), wavy or flat.
inline std::string BoardText(double half, int cells, bool wavy) {
  std::ostringstream out;
  out.precision(9);
  for (int i = 0; i <= cells; ++i) {
    for (int j = 0; j <= cells; ++j) {
      const double x = -half + 2 * half * i / cells, z = -half + 2 * half * j / cells;
      const double y = wavy ? 0.05 * half * std::sin(6 * x / half) * std::cos(5 * z / half) : 0;
      out << "v " << x << ' ' << y << ' ' << z << '\n';
    }
  }
  const auto index = [&](int i, int j) { return i * (cells + 1) + j + 1; };
  for (int i = 0; i < cells; ++i) {
    for (int j = 0; j < cells; ++j) {
      // (x, z), (x, z + 1), (x + 1, z + 1): cross of the edges points up.
      out << "f " << index(i, j) << ' ' << index(i, j + 1) << ' ' << index(i + 1, j + 1) << '\n';
      out << "f " << index(i, j) << ' ' << index(i + 1, j + 1) << ' ' << index(i + 1, j) << '\n';
    }
  }
  return out.str();
}

inline std::string FlatBoardText(double half) {
  return BoardText(half, 1, false);
}
inline std::string WavyBoardText(double half, int cells) {
  return BoardText(half, cells, true);
}

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("orbelon-scene-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Write(const std::string& name, const std::string& contents) const {
    std::ofstream(path_ / name, std::ios::binary) << contents;
    return (path_ / name).string();
  }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace orbelon::testing
