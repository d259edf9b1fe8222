#pragma once

// Mesh files made on the spot for the scene tests and benchmarks: closed shapes whose faces
// face outward, flat and wavy boards facing up, and a folder to put them in.

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace orbelon::testing {

struct Vec {
  double x, y, z;
};

inline Vec Sub(Vec a, Vec b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec Cross(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

// A cube of the given half size about the origin: six quads, each with its outward normal.
inline std::string CubeText(double half, bool with_normals) {
  std::ostringstream out;
  int corner = 0;
  for (int axis = 0; axis < 3; ++axis) {
    for (int sign : {1, -1}) {
      // u x v = the outward normal, so the corners run counter to the clock seen from outside.
      double n[3] = {0, 0, 0}, u[3] = {0, 0, 0}, v[3] = {0, 0, 0};
      n[axis] = sign;
      u[(axis + 1) % 3] = 1;
      v[(axis + 2) % 3] = sign;
      const int su[4] = {-1, 1, 1, -1};
      const int sv[4] = {-1, -1, 1, 1};
      for (int k = 0; k < 4; ++k) {
        out << "v";
        for (int i = 0; i < 3; ++i)
          out << ' ' << half * (n[i] + su[k] * u[i] + sv[k] * v[i]);
        out << '\n';
      }
      if (with_normals)
        out << "vn " << n[0] << ' ' << n[1] << ' ' << n[2] << '\n';
      const int normal = axis * 2 + (sign > 0 ? 1 : 2);
      out << 'f';
      for (int k = 1; k <= 4; ++k) {
        out << ' ' << corner + k;
        if (with_normals)
          out << "//" << normal;
      }
      out << '\n';
      corner += 4;
    }
  }
  return out.str();
}

// A sphere of latitude and longitude bands, every triangle turned to face outward.
inline std::string SphereText(double radius, int bands) {
  std::ostringstream out;
  out.precision(9);
  std::vector<Vec> points;
  for (int lat = 0; lat <= bands; ++lat) {
    const double theta = std::numbers::pi * lat / bands;
    for (int lon = 0; lon < 2 * bands; ++lon) {
      const double phi = std::numbers::pi * lon / bands;
      points.push_back({radius * std::sin(theta) * std::cos(phi), radius * std::cos(theta),
                        radius * std::sin(theta) * std::sin(phi)});
      out << "v " << points.back().x << ' ' << points.back().y << ' ' << points.back().z << '\n';
    }
  }
  const auto index = [&](int lat, int lon) { return lat * 2 * bands + (lon % (2 * bands)); };
  const auto face = [&](int a, int b, int c) {
    const Vec n = Cross(Sub(points[b], points[a]), Sub(points[c], points[a]));
    const Vec centre{points[a].x + points[b].x + points[c].x,
                     points[a].y + points[b].y + points[c].y,
                     points[a].z + points[b].z + points[c].z};
    if (Dot(n, centre) < 0)
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

// A board of cells x cells quads over [-half, half] in x and z, facing up (+y), at the height
// height(x, z).
template <typename Height>
std::string BoardText(double half, int cells, Height height) {
  std::ostringstream out;
  out.precision(9);
  for (int i = 0; i <= cells; ++i) {
    for (int j = 0; j <= cells; ++j) {
      const double x = -half + 2 * half * i / cells;
      const double z = -half + 2 * half * j / cells;
      out << "v " << x << ' ' << height(x, z) << ' ' << z << '\n';
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
  return BoardText(half, 1, [](double, double) { return 0.0; });
}

inline std::string WavyBoardText(double half, int cells) {
  return BoardText(half, cells, [half](double x, double z) {
    return 0.05 * half * std::sin(6 * x / half) * std::cos(5 * z / half);
  });
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
    const auto file = path_ / name;
    std::ofstream(file, std::ios::binary) << contents;
    return file.string();
  }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace orbelon::testing
