#include "viewer/PolygonTriangulation.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace quor::viewer {
namespace {

using Triangle = std::array<Point3, 3>;

class RecordingSink : public TriangleSink {
 public:
  void Triangle(const Point3& a, const Point3& b, const Point3& c) override {
    triangles.push_back({a, b, c});
  }
  std::vector<std::array<Point3, 3>> triangles;
};

std::vector<Triangle> Cut(const std::vector<Point3>& nodes) {
  RecordingSink sink;
  draw_filled_polygon(nodes, sink);
  return sink.triangles;
}

double SignedArea(const Triangle& t) {
  return 0.5 * Point3Cross(t[1] - t[0], t[2] - t[0]).z;
}

double TotalArea(const std::vector<Triangle>& triangles) {
  double sum = 0.0;
  for (const Triangle& t : triangles) sum += SignedArea(t);
  return sum;
}

bool Same(const Point3& a, const Point3& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

void ExpectTriangle(const Triangle& t, const Point3& a, const Point3& b, const Point3& c) {
  EXPECT_TRUE(Same(t[0], a) && Same(t[1], b) && Same(t[2], c));
}

const std::vector<Point3> kSquare = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};

TEST(PolygonTriangulationTest, SquareGivesTwoEarsFromTheFirstNode) {
  const auto t = Cut(kSquare);
  ASSERT_EQ(t.size(), 2u);
  ExpectTriangle(t[0], kSquare[0], kSquare[1], kSquare[2]);
  ExpectTriangle(t[1], kSquare[0], kSquare[2], kSquare[3]);
}

TEST(PolygonTriangulationTest, LShapeIsCoveredWithoutTheNotch) {
  const std::vector<Point3> l = {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}};
  const auto t = Cut(l);
  ASSERT_EQ(t.size(), 4u);
  EXPECT_NEAR(TotalArea(t), 3.0, 1e-12);
  for (const Triangle& tri : t) {
    EXPECT_GT(SignedArea(tri), 0.0);
    const Point3 centre = (1.0 / 3.0) * (tri[0] + tri[1] + tri[2]);
    EXPECT_FALSE(centre.x > 1.0 && centre.y > 1.0) << "a triangle fills the notch";
  }
}

TEST(PolygonTriangulationTest, DuplicateNodesAreDroppedFirst) {
  // A repeated node in the middle and one that closes the ring on the first.
  const std::vector<Point3> repeated = {kSquare[0], kSquare[1], kSquare[1],
                                        kSquare[2], kSquare[3], kSquare[0]};
  const auto t = Cut(repeated);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_NEAR(TotalArea(t), 1.0, 1e-12);
  // A square that shrinks to a triangle is drawn as that triangle.
  const auto three = Cut({kSquare[0], kSquare[1], {1, 0.0005, 0}, kSquare[2]});
  ASSERT_EQ(three.size(), 1u);
  ExpectTriangle(three[0], kSquare[0], kSquare[1], kSquare[2]);
}

TEST(PolygonTriangulationTest, EarAcrossTheEndOfTheNodeList) {
  // The first two corners are convex, but their diagonals pass within 0.001
  // of the far edge, and the third is reflex: the first ear found is the
  // corner (3, 4, 0), which wraps round to the first node.
  const std::vector<Point3> p = {
      {0.0025, 0.0055, 0}, {0.0, 0.005, 0}, {0.004, 0.002, 0}, {0.0035, 0.004, 0}, {0.0035, 0.005, 0}};
  const auto t = Cut(p);
  ASSERT_EQ(t.size(), 3u);
  ExpectTriangle(t[0], p[3], p[4], p[0]);
  ExpectTriangle(t[1], p[0], p[1], p[2]);
  ExpectTriangle(t[2], p[0], p[2], p[3]);
  EXPECT_NEAR(TotalArea(t), 5.875e-6, 1e-15);
}

TEST(PolygonTriangulationTest, RefusedPlatesDrawNothing) {
  EXPECT_TRUE(Cut({kSquare[0], kSquare[1]}).empty());
  const std::vector<Point3> bent = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0.5}, {0, 1, 0}};
  EXPECT_TRUE(Cut(bent).empty());
  const std::vector<Point3> line = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}};
  EXPECT_TRUE(Cut(line).empty());
  // A bow tie: two edges that share no node cross.
  const std::vector<Point3> bowTie = {{0, 0, 0}, {1, 1, 0}, {1, 0, 0}, {0, 1, 0}};
  EXPECT_TRUE(Cut(bowTie).empty());
}

}  // namespace
}  // namespace quor::viewer
