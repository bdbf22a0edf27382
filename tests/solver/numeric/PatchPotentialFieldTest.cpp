// The closed-form patch kernel against quadrature, finite differences and
// known values, in each regime: far, near, on the plane, at a vertex, on an
// edge and on an edge's extension.
#include "solver/numeric/PatchPotentialField.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ostream>
#include <vector>

#include "tests/solver/numeric/PatchQuadrature.h"

namespace quor::numeric {

// For failure messages; found by argument-dependent lookup.
std::ostream& operator<<(std::ostream& out, const Vec3& v) {
  return out << '(' << v.x << ", " << v.y << ", " << v.z << ')';
}

namespace {

using Outline = std::vector<Vec3>;

Vec3 Unit(const Vec3& v) {
  return (1.0 / Length(v)) * v;
}

const Outline kUnitSquare = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
const Outline kTriangle = {{0, 0, 0}, {2, 0, 0}, {0.5, 1.5, 0}};
// A re-entrant hexagon whose first corner is the re-entrant one.
const Outline kLShape = {{1, 1, 0}, {1, 2, 0}, {0, 2, 0}, {0, 0, 0}, {2, 0, 0}, {2, 1, 0}};

// An irregular quadrilateral in a tilted plane, with its normal.
const Vec3 kTiltNormal = {1.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0};
Outline TiltedQuad() {
  const Vec3 e1 = Unit(Vec3{2, -1, 0});
  const Vec3 e2 = Cross(kTiltNormal, e1);
  const Vec3 origin = {3, -2, 5};
  Outline quad;
  for (const auto& [s, t] : {std::pair{0.0, 0.0}, {1.3, 0.1}, {1.1, 0.9}, {-0.2, 0.7}}) {
    quad.push_back(origin + s * e1 + t * e2);
  }
  return quad;
}

constexpr double kScale = 0.1;

PotentialAndField Evaluate(const Outline& outline, const Vec3& point, const Vec3& direction,
                           double scale = kScale) {
  return PatchPotentialField(PatchKernelData(outline), point, scale, direction);
}

// −dφ/da by central differences, for points where the potential is smooth.
double FieldByDifference(const Outline& outline, const Vec3& point, const Vec3& direction) {
  constexpr double kStep = 1e-5;
  const double ahead = Evaluate(outline, point + kStep * direction, direction).potential;
  const double behind = Evaluate(outline, point - kStep * direction, direction).potential;
  return -(ahead - behind) / (2.0 * kStep);
}

void ExpectRelativelyNear(double actual, double expected, double tolerance) {
  EXPECT_NEAR(actual, expected, tolerance * std::max(1.0, std::abs(expected)));
}

TEST(PatchPotentialFieldTest, UnitSquareKnownValues) {
  const Vec3 normal = {0, 0, 1};
  const double centre = Evaluate(kUnitSquare, {0.5, 0.5, 0}, normal).potential;
  EXPECT_NEAR(centre, 4.0 * std::log(1.0 + std::numbers::sqrt2), 1e-13);
  // A corner sees a quarter of a square twice the size.
  const double corner = Evaluate(kUnitSquare, {1, 1, 0}, normal).potential;
  EXPECT_NEAR(corner, 2.0 * std::log(1.0 + std::numbers::sqrt2), 1e-13);
  // At the centre every in-plane component cancels and the plane carries no normal field.
  EXPECT_NEAR(Evaluate(kUnitSquare, {0.5, 0.5, 0}, normal).field, 0.0, 1e-13);
  EXPECT_NEAR(Evaluate(kUnitSquare, {0.5, 0.5, 0}, Unit({1, 2, 0})).field, 0.0, 1e-13);
}

struct Probe {
  Vec3 point;
  Vec3 direction;
};

// Off the patch: above it, beside it in its plane, below it at a grazing height.
std::vector<Probe> ProbesAround(const Outline& outline, const Vec3& normal) {
  const PatchKernelData data(outline);
  const Vec3 inPlane = Unit(outline[1] - outline[0]);
  const Vec3 across = Cross(normal, inPlane);
  const Vec3 oblique = Unit(normal + inPlane - 0.5 * across);
  const Vec3 c = data.centre;
  std::vector<Probe> probes;
  for (const Vec3& direction : {normal, inPlane, across, oblique}) {
    probes.push_back({c + 0.3 * normal, direction});
    probes.push_back({c + 0.2 * inPlane - 0.02 * normal, direction});
    probes.push_back({outline[2] + 0.1 * inPlane + 0.5 * normal, direction});
    probes.push_back({c + 3.0 * inPlane + 1.5 * across, direction});
    probes.push_back({outline[0] - 0.4 * across + 2.0 * normal, direction});
  }
  return probes;
}

// The same outline traversed the other way round, and from its second vertex.
std::vector<Outline> VertexOrders(const Outline& outline) {
  Outline rotated(outline.begin() + 1, outline.end());
  rotated.push_back(outline.front());
  return {outline, Outline(outline.rbegin(), outline.rend()), rotated};
}

TEST(PatchPotentialFieldTest, AgreesWithQuadratureAndDifferencesOffThePatchInAnyVertexOrder) {
  const std::vector<std::pair<Outline, Vec3>> patches = {
      {kUnitSquare, {0, 0, 1}}, {kTriangle, {0, 0, 1}}, {kLShape, {0, 0, 1}}, {TiltedQuad(), kTiltNormal}};
  for (const auto& [outline, normal] : patches) {
    for (const Probe& probe : ProbesAround(outline, normal)) {
      SCOPED_TRACE(testing::Message() << "point " << probe.point << " direction " << probe.direction);
      const test::QuadratureResult reference = test::IntegratePatch(outline, probe.point, probe.direction);
      for (const Outline& ordered : VertexOrders(outline)) {
        const PotentialAndField kernel = Evaluate(ordered, probe.point, probe.direction);
        ExpectRelativelyNear(kernel.potential, reference.potential, 1e-10);
        ExpectRelativelyNear(kernel.field, reference.field, 1e-9);
      }
      ExpectRelativelyNear(Evaluate(outline, probe.point, probe.direction).field,
                           FieldByDifference(outline, probe.point, probe.direction), 1e-7);
    }
  }
}

TEST(PatchPotentialFieldTest, PointsOnThePatchGetTheTruePotentialAndFiniteField) {
  const Vec3 directions[] = {{0, 0, 1}, {1, 0, 0}, Unit({1, 1, 1})};
  // Inside, on an edge, at a vertex; for the L also the re-entrant corner.
  const std::pair<Outline, std::vector<Vec3>> cases[] = {
      {kUnitSquare, {{0.3, 0.7, 0}, {0.4, 0, 0}, {1, 0.25, 0}, {0, 0, 0}, {1, 1, 0}}},
      {kLShape, {{0.5, 0.5, 0}, {1, 1, 0}, {1.5, 0.5, 0}, {0.5, 1.5, 0}}}};
  for (const auto& [outline, points] : cases) {
    for (const Vec3& point : points) {
      const double reference = test::IntegratePatch(outline, point, {0, 0, 1}).potential;
      for (const Vec3& direction : directions) {
        const PotentialAndField result = Evaluate(outline, point, direction);
        ExpectRelativelyNear(result.potential, reference, 1e-10);
        EXPECT_TRUE(std::isfinite(result.field));
      }
      // Within the plane the normal component is left to the caller.
      EXPECT_EQ(Evaluate(outline, point, {0, 0, 1}).field, 0.0);
    }
  }
}

// Regression: on the line of an edge, outside the edge, the field keeps the
// limit of the general expression on both sides of the edge; a sign slip on
// the side of the edge's start vertex once gave the wrong in-plane field there.
TEST(PatchPotentialFieldTest, PointOnAnEdgeExtensionGetsTheTrueField) {
  const Vec3 directions[] = {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}, Unit({1, -2, 1})};
  // Beyond the start and beyond the end vertex of the edges (0,0)→(1,0) and (0,1)→(0,0).
  for (const Vec3& point : {Vec3{-0.5, 0, 0}, Vec3{1.7, 0, 0}, Vec3{0, 2.5, 0}, Vec3{0, -0.3, 0}}) {
    for (const Vec3& direction : directions) {
      SCOPED_TRACE(testing::Message() << "point " << point.x << ' ' << point.y << " direction " << direction.x
                                      << ' ' << direction.y << ' ' << direction.z);
      const PotentialAndField onLine = Evaluate(kUnitSquare, point, direction);
      const test::QuadratureResult reference = test::IntegratePatch(kUnitSquare, point, direction);
      ExpectRelativelyNear(onLine.potential, reference.potential, 1e-10);
      ExpectRelativelyNear(onLine.field, reference.field, 1e-9);
      // Outside the band that counts as on the line, the general branch meets it.
      const Vec3 nearby = point + Vec3{0, 0, 1e-3};
      ExpectRelativelyNear(Evaluate(kUnitSquare, nearby, direction).field,
                           test::IntegratePatch(kUnitSquare, nearby, direction).field, 1e-9);
    }
  }
}

TEST(PatchPotentialFieldTest, FarPointsActAsPointCharge) {
  for (const Outline& outline : {kUnitSquare, kTriangle}) {
    const PatchKernelData data(outline);
    const double switchDistance = 100.0 * std::sqrt(data.area);
    for (const Vec3& towards : {Unit({1, 2, 3}), Vec3{0, 0, -1}, Unit({-1, 1, 0.01})}) {
      const Vec3 direction = Unit({0.3, -1, 2});
      const Vec3 far = data.centre + (switchDistance * (1.0 + 1e-9)) * towards;
      const PotentialAndField pointCharge = PatchPotentialField(data, far, kScale, direction);
      const double r = Length(far - data.centre);
      EXPECT_NEAR(pointCharge.potential, data.area / r, 1e-15 * data.area / r);
      EXPECT_NEAR(pointCharge.field, data.area * Dot(far - data.centre, direction) / (r * r * r), 1e-18);

      // Just inside the switch distance the exact form runs; the two agree there.
      const Vec3 near = data.centre + (switchDistance * (1.0 - 1e-9)) * towards;
      const PotentialAndField exact = PatchPotentialField(data, near, kScale, direction);
      EXPECT_NEAR(exact.potential, pointCharge.potential, 5e-5 * pointCharge.potential);
      EXPECT_NEAR(exact.field, pointCharge.field, 1e-4 * data.area / (r * r));
    }
  }
}

TEST(PatchPotentialFieldTest, EdgesShorterThanTheToleranceContributeNothing) {
  // The bottom edge of the unit square, split 0.01 before its end, and a
  // triangle on the same short edge: at scale 1 (edges up to 0.05 left out)
  // both lose exactly that edge's terms, at scale 0.001 both keep them.
  const Outline split = {{0, 0, 0}, {0.99, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
  const Outline spike = {{0.99, 0, 0}, {1, 0, 0}, {0.995, 5, 0}};
  const Vec3 direction = Unit({0.2, 1, 0.5});
  for (const Vec3& point : {Vec3{0.8, -0.1, 0.05}, Vec3{0.5, 0.5, 0.3}, Vec3{1.2, 0.3, 0}}) {
    const PotentialAndField squareFine = Evaluate(split, point, direction, 1e-3);
    const PotentialAndField squareCoarse = Evaluate(split, point, direction, 1.0);
    const PotentialAndField spikeFine = Evaluate(spike, point, direction, 1e-3);
    const PotentialAndField spikeCoarse = Evaluate(spike, point, direction, 1.0);
    EXPECT_GT(std::abs(squareFine.potential - squareCoarse.potential), 1e-6);
    EXPECT_NEAR(squareFine.potential - squareCoarse.potential, spikeFine.potential - spikeCoarse.potential,
                1e-12);
    EXPECT_NEAR(squareFine.field - squareCoarse.field, spikeFine.field - spikeCoarse.field, 1e-12);
    // Kept, the split edge adds up to the whole edge again.
    const PotentialAndField square = Evaluate(kUnitSquare, point, direction, 1e-3);
    EXPECT_NEAR(squareFine.potential, square.potential, 1e-12);
    EXPECT_NEAR(squareFine.field, square.field, 1e-12);
  }
}

TEST(PatchKernelDataTest, DegenerateOutlinesGiveFiniteZeroCharge) {
  const Outline collinear = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
  const PatchKernelData data(collinear);
  EXPECT_EQ(data.area, 0.0);
  for (const Vec3& point : {Vec3{1, 0, 0}, Vec3{1, 1, 0}, Vec3{5, 5, 5}}) {
    const PotentialAndField result = PatchPotentialField(data, point, kScale, {0, 1, 0});
    EXPECT_EQ(result.potential, 0.0);
    EXPECT_EQ(result.field, 0.0);
  }
  const PatchKernelData empty(std::span<const Vec3>{});
  EXPECT_EQ(PatchPotentialField(empty, {0, 0, 0}, kScale, {0, 0, 1}).potential, 0.0);
}

}  // namespace
}  // namespace quor::numeric
