#include "solver/PolygonMerge.h"

#include <gtest/gtest.h>

#include <vector>

#include "TestPolygons.h"

namespace quor::solver {
namespace {

constexpr double kTolerance = 1e-6;

void ExpectOutline(const Polygon& p, const std::vector<Point3>& expected) {
  ASSERT_EQ(p.Count(), static_cast<std::int32_t>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(p.Vertices()[i].x, expected[i].x, 1e-9) << i;
    EXPECT_NEAR(p.Vertices()[i].y, expected[i].y, 1e-9) << i;
  }
}

TEST(MergeTest, SquaresSharingAWholeEdgeBecomeOneRectangle) {
  Polygon a = Square(0, 0, 10);
  Polygon b = ClockwiseSquare(10, 0, 10);
  EXPECT_EQ(MergeOutlines(a, b, kTolerance), MergeResult::Merged);
  ExpectOutline(a, {{0, 10, 0}, {0, 0, 0}, {20, 0, 0}, {20, 10, 0}});
  EXPECT_NEAR(a.Area(), 200.0, 1e-9);
}

TEST(MergeTest, RegressionSharedCornerIsListedOnce) {
  // b shares the middle of a's right edge; the corner where the union leaves
  // a is one point of both outlines.
  Polygon a = Square(0, 0, 10);
  Polygon b = MakePolygon({{10, 2, 0}, {20, 2, 0}, {20, 8, 0}, {10, 8, 0}});
  EXPECT_EQ(MergeOutlines(a, b, kTolerance), MergeResult::Merged);
  ExpectOutline(
      a, {{10, 8, 0}, {10, 10, 0}, {0, 10, 0}, {0, 0, 0}, {10, 0, 0}, {10, 2, 0}, {20, 2, 0}, {20, 8, 0}});
  EXPECT_NEAR(a.Area(), 160.0, 1e-9);
}

TEST(MergeTest, RegressionManyVerticesDoNotOverrunTheOutlineLists) {
  // A 10 x 10 square whose left edge is cut into 60 collinear pieces.
  std::vector<Point3> vertices{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}};
  for (int i = 60; i > 0; --i) vertices.push_back({0, i / 6.0, 0});
  Polygon a{vertices};
  Polygon b = Square(10, 0, 10);
  EXPECT_EQ(MergeOutlines(a, b, kTolerance), MergeResult::Merged);
  EXPECT_NEAR(a.Area(), 200.0, 1e-9);
  EXPECT_EQ(a.Count(), 4);
}

TEST(MergeTest, CrossingAndSeparateOutlinesAreRefused) {
  Polygon a = Square(0, 0, 10);
  Polygon crossing = Square(5, 5, 10);
  EXPECT_EQ(MergeOutlines(a, crossing, kTolerance), MergeResult::OutlinesCross);

  // Clockwise inputs are turned round in place even when nothing merges.
  Polygon clockwise = ClockwiseSquare(0, 0, 10);
  Polygon apart = ClockwiseSquare(30, 0, 10);
  EXPECT_EQ(MergeOutlines(clockwise, apart, kTolerance), MergeResult::NoCommonEdge);
  EXPECT_GT(clockwise.UnitNormal().z, 0.0);
  EXPECT_GT(apart.UnitNormal().z, 0.0);
}

}  // namespace
}  // namespace quor::solver
