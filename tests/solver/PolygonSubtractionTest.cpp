#include "solver/PolygonSubtraction.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "TestPolygons.h"

namespace quor::solver {
namespace {

constexpr double kTolerance = 1e-4;

struct Keyhole {
  SubtractResult result;
  std::int32_t count;
  std::array<Point3, 12> out;
};

Keyhole Subtract(const Polygon& a, const Polygon& b, std::int32_t capacity = 12) {
  Keyhole k{SubtractResult::Done, capacity, {}};
  k.out.fill({-1, -1, -1});
  k.result = KeyholeSubtract(a, b, std::span<Point3>(k.out.data(), static_cast<std::size_t>(capacity)),
                             k.count, kTolerance);
  return k;
}

bool Same(const Point3& p, const Point3& q) {
  return p.x == q.x && p.y == q.y && p.z == q.z;
}

// Twice the signed area (seen from +z) of the stretch from first to last, closed.
double SignedArea(const Keyhole& k, int first, int last) {
  double twice = 0.0;
  for (int i = first; i <= last; ++i) {
    const Point3& p = k.out[static_cast<std::size_t>(i)];
    const Point3& q = k.out[static_cast<std::size_t>(i == last ? first : i + 1)];
    twice += p.x * q.y - q.x * p.y;
  }
  return twice;
}

void ExpectKeyhole(const Keyhole& k) {
  ASSERT_EQ(k.result, SubtractResult::Done);
  ASSERT_EQ(k.count, 10);
  EXPECT_TRUE(Same(k.out[0], k.out[6]));  // outer corner at the bridge
  EXPECT_TRUE(Same(k.out[1], k.out[5]));  // inner corner at the bridge
  // Four corner pairs are equally close; the first in the outer's order wins.
  EXPECT_TRUE(Same(k.out[0], Point3{0, 0, 0}));
  EXPECT_TRUE(Same(k.out[1], Point3{4, 4, 0}));
  EXPECT_LT(SignedArea(k, 1, 4), 0.0);  // the hole runs clockwise
  EXPECT_GT(SignedArea(k, 6, 9), 0.0);  // the boundary counter-clockwise
  EXPECT_TRUE(Same(k.out[10], Point3{-1, -1, -1}));
}

TEST(SubtractTest, SmallSquareInsideLargeGivesAKeyholeWhateverTheOrderAndOrientation) {
  ExpectKeyhole(Subtract(Square(0, 0, 10), Square(4, 4, 2)));
  ExpectKeyhole(Subtract(Square(4, 4, 2), Square(0, 0, 10)));
  ExpectKeyhole(Subtract(ClockwiseSquare(0, 0, 10), ClockwiseSquare(4, 4, 2)));
  ExpectKeyhole(Subtract(Square(0, 0, 10), ClockwiseSquare(4, 4, 2)));
}

TEST(SubtractTest, OverlappingAndDisjointPolygonsAreRefusedWithoutOutput) {
  const Keyhole partly = Subtract(Square(0, 0, 10), Square(8, 8, 4));
  EXPECT_EQ(partly.result, SubtractResult::PartialOverlap);
  EXPECT_EQ(partly.count, 12);
  EXPECT_TRUE(Same(partly.out[0], Point3{-1, -1, -1}));

  EXPECT_EQ(Subtract(Square(0, 0, 10), Square(20, 0, 4)).result, SubtractResult::Disjoint);
  EXPECT_EQ(Subtract(Square(0, 0, 10), Square(0, 0, 10)).result, SubtractResult::Disjoint);
}

TEST(SubtractTest, RegressionOutputNeverWrittenPastItsCapacity) {
  const Keyhole tight = Subtract(Square(0, 0, 10), Square(4, 4, 2), 10);
  EXPECT_EQ(tight.result, SubtractResult::Done);

  const Keyhole small = Subtract(Square(0, 0, 10), Square(4, 4, 2), 9);
  EXPECT_EQ(small.result, SubtractResult::OutputTooSmall);
  EXPECT_EQ(small.count, 10);
  for (const Point3& p : small.out) EXPECT_TRUE(Same(p, Point3{-1, -1, -1}));

  EXPECT_EQ(Subtract(Square(0, 0, 10), Square(4, 4, 2), 0).result, SubtractResult::OutputTooSmall);
}

}  // namespace
}  // namespace quor::solver
