// A 3-vector of doubles in the project's internal length unit: vertices of
// polygons, plates and patches, normals and directions.
#pragma once

#include <cmath>

struct Point3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  double Length() const { return std::sqrt(x * x + y * y + z * z); }

  // The zero vector, and one too short for its length to be represented,
  // has no direction and stays zero.
  Point3 Unit() const {
    const double length = Length();
    if (length == 0.0) return {};
    return {x / length, y / length, z / length};
  }

  Point3 operator-() const { return {-x, -y, -z}; }
  Point3 operator*(double s) const { return {x * s, y * s, z * s}; }
  Point3 operator/(double s) const { return {x / s, y / s, z / s}; }

  friend bool operator==(const Point3&, const Point3&) = default;
};

inline Point3 Point3Sum(const Point3& a, const Point3& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}

inline Point3 Point3Difference(const Point3& a, const Point3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

inline double Point3Dot(const Point3& a, const Point3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline Point3 Point3Cross(const Point3& a, const Point3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline Point3 operator+(const Point3& a, const Point3& b) {
  return Point3Sum(a, b);
}
inline Point3 operator-(const Point3& a, const Point3& b) {
  return Point3Difference(a, b);
}
inline Point3 operator*(double s, const Point3& v) {
  return v * s;
}
