#include "solver/AngleSum.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace quor::solver {

namespace {

constexpr double kTinySine = 1e-10;

}  // namespace

double EdgeAngle(const Point3& a, const Point3& b, const Point3& n, bool roundTinySines) {
  double sine = std::clamp(Point3Dot(Point3Cross(a, b), n) / (a.Length() * b.Length()), -1.0, 1.0);
  if (roundTinySines && std::fabs(sine) < kTinySine) sine = 0.0;
  const double angle = std::asin(sine);
  // asin alone cannot tell an obtuse angle from its supplement.
  if (Point3Dot(a, b) >= 0.0) return angle;
  if (angle > 0.0) return std::numbers::pi - angle;
  if (angle < 0.0) return -angle - std::numbers::pi;
  return angle;
}

double AngleSum(const Point3& p, std::span<const Point3> outline, const Point3& n, double t,
                bool roundTinySines) {
  double sum = 0.0;
  const std::size_t count = outline.size();
  for (std::size_t i = 0; i < count; ++i) {
    const Point3 a = outline[i] - p;
    const Point3 b = outline[(i + 1) % count] - p;
    const double lengthA = a.Length();
    const double lengthB = b.Length();
    if (lengthA < t || lengthB < t || lengthA == 0.0 || lengthB == 0.0) continue;
    sum += EdgeAngle(a, b, n, roundTinySines);
  }
  return sum;
}

}  // namespace quor::solver
