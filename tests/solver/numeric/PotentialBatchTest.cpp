// The potential-only kernel entry against the full kernel, and the vector
// paths (potential alone, and with the field) against the scalar ones, on points near and far, on the patch,
// on its edges and vertices, on edge extensions and behind vertices, for ordinary, re-entrant, tilted,
// sliver-edged and degenerate outlines.
#include "solver/numeric/PotentialBatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "solver/numeric/PatchPotentialField.h"

namespace quor::numeric {
namespace {

using Outline = std::vector<Vec3>;

// How many doubles lie between a and b (0 for equal values, +0 and −0 included).
std::uint64_t UlpDistance(double a, double b) {
  const auto ordered = [](double v) {
    const auto bits = std::bit_cast<std::int64_t>(v);
    return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
  };
  const std::int64_t x = ordered(a);
  const std::int64_t y = ordered(b);
  return x > y ? static_cast<std::uint64_t>(x - y) : static_cast<std::uint64_t>(y - x);
}

// The spacing of the doubles at |x|.
double Ulp(double x) {
  return std::nextafter(std::abs(x), INFINITY) - std::abs(x);
}

Vec3 Unit(const Vec3& v) {
  return (1.0 / Length(v)) * v;
}

struct Shape {
  const char* name;
  Outline outline;
  double scale;
};

std::vector<Shape> Shapes() {
  const Vec3 n = {1.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0};
  const Vec3 e1 = Unit({2, -1, 0});
  const Vec3 e2 = Cross(n, e1);
  const Vec3 o = {0.1, -0.2, 0.4};
  return {
      {"unit square", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, 0.1},
      {"triangle", {{0, 0, 0}, {2, 0, 0}, {0.5, 1.5, 0}}, 0.1},
      {"L shape", {{1, 1, 0}, {1, 2, 0}, {0, 2, 0}, {0, 0, 0}, {2, 0, 0}, {2, 1, 0}}, 0.1},
      {"tilted quad", {o, o + 1.3 * e1 + 0.1 * e2, o + 1.1 * e1 + 0.9 * e2, o - 0.2 * e1 + 0.7 * e2}, 0.1},
      // The 0.01 edge is a sliver at scale 1 and left out.
      {"sliver edge", {{0, 0, 0}, {0.99, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, 1.0},
      {"repeated vertex", {{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, 0.1},
      {"collinear", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}, 0.1},
      {"vertical", {{0, 0, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1}}, 0.1},
  };
}

// A lattice of step 0.25 around the shapes: it hits vertices, edges and edge
// extensions of the axis-aligned ones exactly, and heights from in the plane
// to above and below it; plus far points.
std::vector<Vec3> Points() {
  std::vector<Vec3> points;
  for (const double z : {0.0, 1e-12, 0.3, -0.75}) {
    for (int i = -4; i <= 12; ++i) {
      for (int j = -4; j <= 12; ++j) points.push_back({0.25 * i, 0.25 * j, z});
    }
  }
  for (const Vec3& far : {Vec3{500, 3, 1}, Vec3{-40, 120, -300}, Vec3{0.5, 0.5, 101}}) points.push_back(far);
  return points;
}

TEST(PatchPotentialTest, PotentialOnlyEntryGivesTheFullKernelsPotential) {
  const std::vector<Vec3> directions = {{0, 0, 1}, Unit({1, 2, 0}), Unit({0.3, -1, 2})};
  int nearPoints = 0;
  for (const Shape& shape : Shapes()) {
    const PatchKernelData data(shape.outline);
    for (const Vec3& point : Points()) {
      const double alone = PatchPotential(data, point, shape.scale);
      for (const Vec3& direction : directions) {
        const double full = PatchPotentialField(data, point, shape.scale, direction).potential;
        ASSERT_LE(UlpDistance(alone, full), 1u) << shape.name << " at " << point.x << ' ' << point.y << ' '
                                                << point.z << ": " << alone << " against " << full;
      }
      const Vec3 fromCentre = point - data.centre;
      if (Dot(fromCentre, fromCentre) <= data.farFieldDistanceSquared) {
        ++nearPoints;
        EXPECT_EQ(NearPotential(data, point, shape.scale), alone);
      }
    }
  }
  EXPECT_GT(nearPoints, 1000);
}

const char* PathName(VectorPath path) {
  return path == VectorPath::kAvx512 ? "AVX-512" : "AVX2";
}

// One instance per vector path: where the processor lacks the path, its
// instance says so as skipped rather than passing without running it.
class VectorPathTest : public ::testing::TestWithParam<VectorPath> {
 protected:
  void SetUp() override {
    const std::vector<VectorPath>& paths = VectorPaths();
    if (std::find(paths.begin(), paths.end(), GetParam()) == paths.end())
      GTEST_SKIP() << "no " << PathName(GetParam()) << " on this processor";
  }
};

INSTANTIATE_TEST_SUITE_P(PatchPotentialTest, VectorPathTest,
                         ::testing::Values(VectorPath::kAvx2, VectorPath::kAvx512),
                         [](const ::testing::TestParamInfo<VectorPath>& instance) {
                           return instance.param == VectorPath::kAvx512 ? "Avx512" : "Avx2";
                         });

// Results of a few ulps from the vector logarithm and arc tangent; where the
// edge terms cancel, the same absolute error is more ulps of the sum, so
// the bound is four ulps of the largest magnitude in the patch's potential.
TEST_P(VectorPathTest, VectorPathAgreesWithTheScalarOne) {
  const std::vector<Vec3> points = Points();
  PointColumns columns;
  for (const Vec3& p : points) columns.Add(p);
  const VectorPath path = GetParam();
  for (const Shape& shape : Shapes()) {
    const PatchKernelData data(shape.outline);
    // Every count up to two vector steps and more, so that partial last steps are covered.
    for (const std::size_t count : {std::size_t{1}, std::size_t{3}, std::size_t{5}, std::size_t{8},
                                    std::size_t{13}, std::size_t{17}, points.size()}) {
      std::vector<double> vector(count);
      std::vector<double> scalar(count);
      NearPotentials(path, data, columns.x.data(), columns.y.data(), columns.z.data(), count, shape.scale,
                     vector.data());
      NearPotentialsScalar(data, columns.x.data(), columns.y.data(), columns.z.data(), count, shape.scale,
                           scalar.data());
      double largest = 0.0;
      for (const double v : scalar) {
        if (std::isfinite(v)) largest = std::max(largest, std::abs(v));
      }
      for (std::size_t i = 0; i < count; ++i) {
        // A zero-area outline seen from off its line has no closed form; the
        // far-field rule keeps such points away from it, and both paths say so.
        ASSERT_EQ(std::isfinite(vector[i]), std::isfinite(scalar[i])) << shape.name << " point " << i;
        if (!std::isfinite(scalar[i])) continue;
        ASSERT_LE(std::abs(vector[i] - scalar[i]), 4.0 * Ulp(largest))
            << shape.name << " point " << i << " of " << count;
      }
    }
  }
}

// The field as well: on edge extensions it takes the one-logarithm limit,
// in the patch plane it loses the height terms; points and directions vary
// together, as the rows of a fill do.
TEST_P(VectorPathTest, VectorFieldPathAgreesWithTheScalarOne) {
  const std::vector<Vec3> points = Points();
  const std::vector<Vec3> directions = {{0, 0, 1}, Unit({1, 2, 0}), Unit({0.3, -1, 2}), Unit({-1, 0, -0.1})};
  PointColumns columns;
  PointColumns along;
  for (std::size_t i = 0; i < points.size(); ++i) {
    columns.Add(points[i]);
    along.Add(directions[i % directions.size()]);
  }
  const double* axes[3] = {along.x.data(), along.y.data(), along.z.data()};
  const VectorPath path = GetParam();
  for (const Shape& shape : Shapes()) {
    const PatchKernelData data(shape.outline);
    for (const std::size_t count : {std::size_t{3}, std::size_t{6}, points.size()}) {
      std::vector<double> potential(count), field(count), scalarPotential(count), scalarField(count);
      NearFields(path, data, columns.x.data(), columns.y.data(), columns.z.data(), axes, count, shape.scale,
                 potential.data(), field.data());
      NearFieldsScalar(data, columns.x.data(), columns.y.data(), columns.z.data(), axes, count, shape.scale,
                       scalarPotential.data(), scalarField.data());
      double largestPotential = 0.0;
      double largestField = 0.0;
      for (std::size_t i = 0; i < count; ++i) {
        if (std::isfinite(scalarPotential[i]))
          largestPotential = std::max(largestPotential, std::abs(scalarPotential[i]));
        if (std::isfinite(scalarField[i])) largestField = std::max(largestField, std::abs(scalarField[i]));
      }
      for (std::size_t i = 0; i < count; ++i) {
        ASSERT_EQ(std::isfinite(potential[i]), std::isfinite(scalarPotential[i]))
            << shape.name << " point " << i;
        ASSERT_EQ(std::isfinite(field[i]), std::isfinite(scalarField[i])) << shape.name << " point " << i;
        if (std::isfinite(scalarPotential[i])) {
          ASSERT_LE(std::abs(potential[i] - scalarPotential[i]), 4.0 * Ulp(largestPotential))
              << shape.name << " point " << i;
        }
        if (std::isfinite(scalarField[i])) {
          ASSERT_LE(std::abs(field[i] - scalarField[i]), 4.0 * Ulp(largestField))
              << shape.name << " point " << i << ": " << field[i] << " against " << scalarField[i];
        }
      }
    }
  }
}

TEST(PatchPotentialTest, BatchUsesThePointChargeFarAwayAndTheClosedFormNear) {
  const Outline square = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
  const PatchKernelData data(square);
  PointColumns points;
  // Within and beyond 100 times the square root of the area, and the boundary itself.
  for (const double x : {0.5, 0.9, 3.0, 99.0, 100.5, 150.0, 1e4}) points.Add({x, 0.5, 0.1});
  points.Add({0.5, 0.5, 100.0});
  // Then a run of far points long enough to fill whole vector steps of any width.
  for (int k = 2; k < 18; ++k) points.Add({100.0 * k, -50.0 * k, 3.0});
  std::vector<double> potentials(points.Size(), -1.0);
  EvaluatePotentials(data, points, 0.1, potentials);
  for (std::size_t i = 0; i < points.Size(); ++i) {
    const double expected = PatchPotential(data, points.At(i), 0.1);
    const Vec3 fromCentre = points.At(i) - data.centre;
    if (Dot(fromCentre, fromCentre) > data.farFieldDistanceSquared) {
      EXPECT_EQ(potentials[i], expected) << "far point " << i;
    } else {
      EXPECT_NEAR(potentials[i], expected, 4.0 * Ulp(expected)) << "near point " << i;
    }
  }
  // With the field along a tilted direction, far and near alike.
  PointColumns directions;
  const Vec3 tilted = Unit({0.2, -0.5, 1});
  for (std::size_t i = 0; i < points.Size(); ++i) directions.Add(tilted);
  std::vector<double> fields(points.Size(), -1.0);
  EvaluateFields(data, points, directions, 0.1, potentials, fields);
  for (std::size_t i = 0; i < points.Size(); ++i) {
    const PotentialAndField expected = PatchPotentialField(data, points.At(i), 0.1, tilted);
    const Vec3 fromCentre = points.At(i) - data.centre;
    if (Dot(fromCentre, fromCentre) > data.farFieldDistanceSquared) {
      EXPECT_EQ(potentials[i], expected.potential) << "far point " << i;
      EXPECT_EQ(fields[i], expected.field) << "far point " << i;
    } else {
      EXPECT_NEAR(potentials[i], expected.potential, 4.0 * Ulp(expected.potential)) << "near point " << i;
      // The field is what is left of edge terms of order one.
      EXPECT_NEAR(fields[i], expected.field, 4.0 * Ulp(1.0)) << "near point " << i;
    }
  }
  PointColumns none;
  std::vector<double> nothing;
  EvaluatePotentials(data, none, 0.1, nothing);
}

}  // namespace
}  // namespace quor::numeric
