// Adaptive quadrature over a polygon, for checking the closed-form kernel.
#include "tests/solver/numeric/PatchQuadrature.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace quor::numeric::test {

namespace {

// Eight-point Gauss-Legendre rule on [-1, 1].
constexpr std::array<double, 4> kNodes = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                          0.9602898564975363};
constexpr std::array<double, 4> kWeights = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                            0.1012285362903763};

using Integrand = std::function<double(double)>;

double GaussLegendre(const Integrand& f, double from, double to) {
  const double half = 0.5 * (to - from);
  const double mid = 0.5 * (to + from);
  double sum = 0.0;
  for (std::size_t i = 0; i < kNodes.size(); ++i) {
    sum += kWeights[i] * (f(mid - half * kNodes[i]) + f(mid + half * kNodes[i]));
  }
  return half * sum;
}

// Bisects until the two halves agree with the whole to `tolerance`, an
// absolute bound taken from the integral of |f| and floored, so that
// integrands that cancel do not chase rounding noise.
double Adaptive(const Integrand& f, double from, double to, double whole, double tolerance, int depth) {
  const double mid = 0.5 * (from + to);
  const double left = GaussLegendre(f, from, mid);
  const double right = GaussLegendre(f, mid, to);
  const double sum = left + right;
  if (depth == 0 || std::abs(sum - whole) <= tolerance) return sum;
  return Adaptive(f, from, mid, left, tolerance, depth - 1) +
         Adaptive(f, mid, to, right, tolerance, depth - 1);
}

double Integrate(const Integrand& f, double from, double to) {
  constexpr double kRelativeTolerance = 1e-14;
  constexpr double kAbsoluteTolerance = 1e-16;
  constexpr int kMaxDepth = 24;
  const double magnitude = GaussLegendre([&](double x) { return std::abs(f(x)); }, from, to);
  const double tolerance = std::max(kRelativeTolerance * magnitude, kAbsoluteTolerance);
  return Adaptive(f, from, to, GaussLegendre(f, from, to), tolerance, kMaxDepth);
}

// ∫ over the triangle (apex, b, c) of g, signed by the triangle's orientation
// against `normal`, through X = apex + s·(b − apex + t·(c − b)), dA = 2·area·s ds dt.
double IntegrateTriangle(const Vec3& apex, const Vec3& b, const Vec3& c, const Vec3& normal,
                         const std::function<double(const Vec3&)>& g) {
  const double twiceSignedArea = Dot(Cross(b - apex, c - apex), normal);
  if (twiceSignedArea == 0.0) return 0.0;
  const Integrand overT = [&](double t) {
    const Vec3 ray = b - apex + t * (c - b);
    return Integrate([&](double s) { return s * g(apex + s * ray); }, 0.0, 1.0);
  };
  return twiceSignedArea * Integrate(overT, 0.0, 1.0);
}

}  // namespace

QuadratureResult IntegratePatch(std::span<const Vec3> vertices, const Vec3& point, const Vec3& direction) {
  Vec3 areaVector;
  for (std::size_t i = 1; i + 1 < vertices.size(); ++i) {
    areaVector = areaVector + Cross(vertices[i] - vertices[0], vertices[i + 1] - vertices[0]);
  }
  const double twiceArea = Length(areaVector);
  const Vec3 normal = (1.0 / twiceArea) * areaVector;
  const double height = Dot(point - vertices[0], normal);
  const Vec3 foot = point - height * normal;
  // In the plane (to rounding) the field integrand is not integrable at the
  // foot, so its triangles fan out from a vertex instead (the point is then
  // off the patch).
  const bool inPlane = std::abs(height) < 1e-12 * std::sqrt(twiceArea);
  const Vec3 fieldApex = inPlane ? vertices[0] : foot;

  const auto potential = [&](const Vec3& x) { return 1.0 / Length(point - x); };
  const auto field = [&](const Vec3& x) {
    const double r = Length(point - x);
    return Dot(point - x, direction) / (r * r * r);
  };
  QuadratureResult result;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const Vec3& b = vertices[i];
    const Vec3& c = vertices[(i + 1) % vertices.size()];
    result.potential += IntegrateTriangle(foot, b, c, normal, potential);
    result.field += IntegrateTriangle(fieldApex, b, c, normal, field);
  }
  return result;
}

}  // namespace quor::numeric::test
