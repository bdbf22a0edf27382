// The nearest-edge search through the box tree, and the four-lane distance
// kernel, against RayLineDistances over every edge: the minima must be the
// same to the last bit, for edges of every direction, duplicates, zero-length
// edges, bridges and several conductors.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "solver/numeric/CpuFeatures.h"
#include "solver/segment/SegmentEdgeIndex.h"
#include "solver/segment/SegmentLimits.h"
#include "solver/segment/SegmentPatchShapes.h"
#include "solver/segment/SegmentRayLanes.h"

namespace quor::solver {

namespace {

const std::array<Point3, 3> kAxes{Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{0, 0, 1}};

// Edges on a coarse lattice, so that many are axis-aligned, coincide, touch
// or have zero length, and some in general position.
std::vector<SegmentEdge> MixedEdges(std::mt19937& random, std::size_t count) {
  std::uniform_int_distribution<int> lattice(0, 8);
  std::uniform_real_distribution<double> anywhere(-50.0, 450.0);
  std::uniform_int_distribution<int> conductor(0, 3);
  std::vector<SegmentEdge> edges;
  for (std::size_t i = 0; i < count; ++i) {
    Point3 a{50.0 * lattice(random), 50.0 * lattice(random), 25.0 * (lattice(random) % 3)};
    Point3 b{50.0 * lattice(random), a.y, a.z};
    if (i % 3 == 1) b = {a.x, 50.0 * lattice(random), a.z};
    if (i % 5 == 4) b = {anywhere(random), anywhere(random), anywhere(random) / 10.0};
    if (i % 11 == 0) b = a;
    edges.push_back({a, b, conductor(random), i % 13 == 6});
  }
  // A duplicate of an edge under another conductor.
  SegmentEdge duplicate = edges.back();
  duplicate.conductorIndex = (duplicate.conductorIndex + 1) % 4;
  edges.push_back(duplicate);
  return edges;
}

// Cell centres in the plane z = 0 or z = 25: on lattice lines, on edges and
// vertices, and anywhere.
std::vector<Point3> Centres(std::mt19937& random) {
  std::uniform_real_distribution<double> anywhere(-100.0, 500.0);
  std::vector<Point3> centres;
  for (int i = -2; i <= 18; ++i) {
    for (int j = -2; j <= 18; j += 3) centres.push_back({25.0 * i, 25.0 * j, (i + j) % 2 == 0 ? 0.0 : 25.0});
  }
  for (int i = 0; i < 200; ++i) centres.push_back({anywhere(random), anywhere(random), 0.0});
  return centres;
}

RayMinima BruteForce(const std::array<Point3, kRayLanes>& lanes, const std::vector<SegmentEdge>& edges,
                     std::int32_t conductor) {
  RayMinima minima;
  minima.u.fill(1e20);
  minima.v.fill(1e20);
  minima.normal.fill(1e5);
  for (std::size_t i = 0; i < kRayLanes; ++i) {
    for (const SegmentEdge& edge : edges) {
      if (edge.bridge) continue;
      const std::array<double, 3> r = RayLineDistances(lanes[i], edge.start, edge.end, kAxes);
      minima.u[i] = std::min(minima.u[i], r[0]);
      minima.v[i] = std::min(minima.v[i], r[1]);
      if (edge.conductorIndex != conductor) minima.normal[i] = std::min(minima.normal[i], r[2]);
    }
  }
  return minima;
}

void ExpectSameMinima(const RayMinima& actual, const RayMinima& expected, std::size_t at) {
  for (std::size_t i = 0; i < kRayLanes; ++i) {
    ASSERT_EQ(actual.u[i], expected.u[i]) << "centre " << at + i;
    ASSERT_EQ(actual.v[i], expected.v[i]) << "centre " << at + i;
    ASSERT_EQ(actual.normal[i], expected.normal[i]) << "centre " << at + i;
  }
}

// Runs `lower` on the centres kRayLanes at a time and compares with the brute force.
template <class Lower>
void CompareWithBruteForce(const std::vector<Point3>& centres, const std::vector<SegmentEdge>& edges,
                           std::int32_t conductor, Lower lower) {
  for (std::size_t at = 0; at + kRayLanes <= centres.size(); at += kRayLanes) {
    std::array<Point3, kRayLanes> lanes{};
    std::array<double, kRayLanes> x{};
    std::array<double, kRayLanes> y{};
    std::array<double, kRayLanes> z{};
    for (std::size_t i = 0; i < kRayLanes; ++i) {
      lanes[i] = centres[at + i];
      x[i] = lanes[i].x;
      y[i] = lanes[i].y;
      z[i] = lanes[i].z;
    }
    RayMinima minima;
    minima.u.fill(1e20);
    minima.v.fill(1e20);
    minima.normal.fill(1e5);
    lower(x, y, z, minima);
    ExpectSameMinima(minima, BruteForce(lanes, edges, conductor), at);
  }
}

TEST(SegmentEdgeIndexTest, TreeSearchFindsTheMinimaOfTheSearchOverEveryEdge) {
  std::mt19937 random(20261209);
  for (const std::size_t count : {std::size_t{1}, std::size_t{7}, std::size_t{60}, std::size_t{400}}) {
    const std::vector<SegmentEdge> edges = MixedEdges(random, count);
    const SegmentEdgeIndex index(edges);
    const std::vector<Point3> centres = Centres(random);
    for (const std::int32_t conductor : {0, 2, 7}) {
      SCOPED_TRACE(testing::Message() << count << " edges, conductor " << conductor);
      CompareWithBruteForce(centres, edges, conductor,
                            [&](const auto& x, const auto& y, const auto& z, RayMinima& minima) {
                              index.LowerToNearest(x, y, z, kAxes, edges, conductor, minima);
                            });
    }
    // Flags that change after indexing count as they are at the search.
    std::vector<SegmentEdge> flipped = edges;
    for (SegmentEdge& edge : flipped) edge.bridge = !edge.bridge;
    CompareWithBruteForce(centres, flipped, 1,
                          [&](const auto& x, const auto& y, const auto& z, RayMinima& m) {
                            index.LowerToNearest(x, y, z, kAxes, flipped, 1, m);
                          });
  }
}

// A plate file may hold coordinates that are not finite; such edges never
// lower a minimum, and must not hide the finite edges boxed with them.
TEST(SegmentEdgeIndexTest, EdgesWithoutFiniteCoordinatesHideNoOtherEdge) {
  std::mt19937 random(11);
  std::vector<SegmentEdge> edges = MixedEdges(random, 60);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  edges.insert(edges.begin() + 10, {{nan, 0, 0}, {100, 100, 0}, 0, false});
  edges.insert(edges.begin() + 30, {{0, 0, 0}, {infinity, 50, 0}, 1, false});
  const SegmentEdgeIndex index(edges);
  CompareWithBruteForce(Centres(random), edges, 2,
                        [&](const auto& x, const auto& y, const auto& z, RayMinima& m) {
                          index.LowerToNearest(x, y, z, kAxes, edges, 2, m);
                        });
}

TEST(SegmentEdgeIndexTest, AnEmptyIndexLeavesTheMinimaAlone) {
  const SegmentEdgeIndex index(std::vector<SegmentEdge>{});
  RayMinima minima;
  minima.u.fill(3.0);
  index.LowerToNearest({1, 2, 3, 4}, {0, 0, 0, 0}, {0, 0, 0, 0}, kAxes, {}, 0, minima);
  EXPECT_EQ(minima.u, (std::array<double, kRayLanes>{3.0, 3.0, 3.0, 3.0}));
}

TEST(SegmentEdgeIndexTest, VectorLanesGiveTheScalarDistancesBitForBit) {
  if (!quor::numeric::ProcessorHasAvx2()) GTEST_SKIP() << "no AVX2 on this processor";
  std::mt19937 random(7);
  const std::vector<SegmentEdge> edges = MixedEdges(random, 200);
  // A tilted frame as well, where no product vanishes by symmetry.
  const std::array<Point3, 3> tilted{Point3{0.6, 0.8, 0}, Point3{-0.8, 0.6, 0}, Point3{0, 0, 1}};
  for (const auto& axes : {kAxes, tilted}) {
    const std::vector<Point3> centres = Centres(random);
    for (std::size_t at = 0; at + kRayLanes <= centres.size(); at += kRayLanes) {
      std::array<double, kRayLanes> x{};
      std::array<double, kRayLanes> y{};
      std::array<double, kRayLanes> z{};
      for (std::size_t i = 0; i < kRayLanes; ++i) {
        x[i] = centres[at + i].x;
        y[i] = centres[at + i].y;
        z[i] = centres[at + i].z;
      }
      for (const SegmentEdge& edge : edges) {
        RayMinima lanes;
        lanes.u.fill(1e30);
        lanes.v.fill(1e30);
        lanes.normal.fill(1e30);
        LowerRayMinimaAvx2(MakeRaySegment(edge.start, edge.end), x.data(), y.data(), z.data(), axes.data(),
                           true, lanes.u.data(), lanes.v.data(), lanes.normal.data());
        for (std::size_t i = 0; i < kRayLanes; ++i) {
          const std::array<double, 3> r = RayLineDistances(centres[at + i], edge.start, edge.end, axes);
          ASSERT_EQ(lanes.u[i], r[0]);
          ASSERT_EQ(lanes.v[i], r[1]);
          ASSERT_EQ(lanes.normal[i], r[2]);
        }
      }
    }
  }
}

}  // namespace

}  // namespace quor::solver
