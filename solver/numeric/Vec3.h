// The kernel's own 3-vector: three doubles and the few operations the patch
// integrals need, all inline so that the hot loop stays free of calls.
#pragma once

#include <cmath>

namespace quor::numeric {

struct Vec3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

constexpr Vec3 operator+(const Vec3& a, const Vec3& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
constexpr Vec3 operator-(const Vec3& a, const Vec3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
constexpr Vec3 operator*(double s, const Vec3& v) {
  return {s * v.x, s * v.y, s * v.z};
}

constexpr double Dot(const Vec3& a, const Vec3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

constexpr Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline double Length(const Vec3& v) {
  return std::sqrt(Dot(v, v));
}

}  // namespace quor::numeric
