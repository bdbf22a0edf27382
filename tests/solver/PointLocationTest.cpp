#include "solver/PointLocation.h"

#include <gtest/gtest.h>

#include <vector>

#include "TestPolygons.h"

namespace quor::solver {
namespace {

constexpr double kTolerance = 1e-6;

TEST(PointInPolygonTest, InsideOnTheBoundaryAndOffThePlane) {
  const Polygon square = Square(0, 0, 1);
  EXPECT_EQ(PointInPolygon({0.5, 0.5, 0}, square, kTolerance), 1.0);
  EXPECT_EQ(PointInPolygon({0.5, 0.5, 0.005}, square, kTolerance), 1.0);
  EXPECT_EQ(PointInPolygon({0.5, 0.5, 0.02}, square, kTolerance), 0.0);
  EXPECT_EQ(PointInPolygon({0.5, 0.5, -0.02}, square, kTolerance), 0.0);
  EXPECT_EQ(PointInPolygon({0.5, 0, 0}, square, kTolerance), 0.5);
  EXPECT_EQ(PointInPolygon({1, 1, 0}, square, kTolerance), 0.5);
  EXPECT_EQ(PointInPolygon({1.0000001, 1, 0}, square, kTolerance), 0.5);
  EXPECT_EQ(PointInPolygon({1.5, 0.5, 0}, square, kTolerance), 0.0);
  EXPECT_EQ(PointInPolygon({3, 3, 0}, square, kTolerance), 0.0);
  // Orientation does not matter.
  EXPECT_EQ(PointInPolygon({0.5, 0.5, 0}, ClockwiseSquare(0, 0, 1), kTolerance), 1.0);
  EXPECT_EQ(PointInPolygon({0.5, 0.5, 0}, MakePolygon({{0, 0, 0}, {1, 1, 0}}), kTolerance), 0.0);
}

TEST(PointInPolygonTest, ReentrantCornersAndDoubleWinding) {
  const Polygon l = MakePolygon({{1, 1, 0}, {1, 2, 0}, {0, 2, 0}, {0, 0, 0}, {2, 0, 0}, {2, 1, 0}});
  EXPECT_EQ(PointInPolygon({0.5, 1.5, 0}, l, kTolerance), 1.0);
  EXPECT_EQ(PointInPolygon({1.5, 1.5, 0}, l, kTolerance), 0.0);
  EXPECT_EQ(PointInPolygon({1, 1, 0}, l, kTolerance), 0.5);

  // A five-pointed star drawn in one line winds twice around its middle.
  const Polygon star =
      MakePolygon({{0, 10, 0}, {5.878, -8.09, 0}, {-9.511, 3.09, 0}, {9.511, 3.09, 0}, {-5.878, -8.09, 0}});
  EXPECT_EQ(PointInPolygon({0, 0, 0}, star, kTolerance), 2.0);
  EXPECT_EQ(PointInPolygon({0, 8, 0}, star, kTolerance), 1.0);
  EXPECT_TRUE(IsReentrantOutline(star));
  EXPECT_FALSE(IsReentrantOutline(l));
  EXPECT_FALSE(IsReentrantOutline(Square(0, 0, 1)));
}

TEST(PointInRegionTest, InsideTheOuterPolygonAndOutsideItsHoles) {
  const std::vector<Polygon> region{Square(0, 0, 10), ClockwiseSquare(4, 4, 2), Square(7, 7, 1)};
  EXPECT_TRUE(PointInRegion({1, 1, 0}, region, kTolerance));
  EXPECT_FALSE(PointInRegion({5, 5, 0}, region, kTolerance));
  EXPECT_FALSE(PointInRegion({7.5, 7.5, 0}, region, kTolerance));
  EXPECT_FALSE(PointInRegion({11, 1, 0}, region, kTolerance));
  EXPECT_FALSE(PointInRegion({1, 1, 0.5}, region, kTolerance));
  // A point on a hole's edge sees it under pi: not outside the hole.
  EXPECT_FALSE(PointInRegion({4, 5, 0}, region, kTolerance));
  EXPECT_FALSE(PointInRegion({1, 1, 0}, std::vector<Polygon>{}, kTolerance));
}

TEST(ContainmentTest, HowOnePolygonsVerticesLieInAnother) {
  const Polygon outer = Square(0, 0, 10);
  EXPECT_EQ(ClassifyContainment(outer, Square(2, 2, 2), kTolerance), Containment::Wholly);
  EXPECT_EQ(ClassifyContainment(outer, Square(8, 8, 4), kTolerance), Containment::Partly);
  EXPECT_EQ(ClassifyContainment(outer, Square(20, 0, 4), kTolerance), Containment::None);
  EXPECT_EQ(ClassifyContainment(outer, outer, kTolerance), Containment::None);
  EXPECT_EQ(ClassifyContainment(outer, Polygon(), kTolerance), Containment::None);
  // A polygon touching the boundary from inside is wholly inside.
  EXPECT_EQ(ClassifyContainment(outer, Square(0, 0, 5), kTolerance), Containment::Wholly);

  EXPECT_TRUE(AllVerticesInside(outer, Square(0, 0, 10), kTolerance));
  EXPECT_TRUE(AllVerticesInside(outer, Square(1, 1, 2), kTolerance));
  EXPECT_FALSE(AllVerticesInside(outer, Square(8, 8, 4), kTolerance));
}

}  // namespace
}  // namespace quor::solver
