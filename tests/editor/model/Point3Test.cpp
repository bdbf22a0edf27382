// The model's vector is the computation library's: nodes go to it as they
// are, and the model's vector functions agree with the library's.
#include "editor/model/Point3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/archive/Archive.h"

namespace quor::test {
namespace {

TEST(Point3Test, APlanePointAtAHeightKeepsItsCoordinates) {
  EXPECT_EQ(At(Point2{1.5, -2.0}, 3.25), (Point3{1.5, -2.0, 3.25}));
  EXPECT_NE(At(Point2{1.5, -2.0}, 3.25), (Point3{1.5, -2.0, 0.0}));
}

TEST(Point3Test, ProductsLengthsAndDistances) {
  const Point3 a{1.0, 2.0, 3.0};
  const Point3 b{-4.0, 5.0, 0.5};
  EXPECT_DOUBLE_EQ(Dot(a, b), -4.0 + 10.0 + 1.5);
  Point3 cross;
  Cross(cross, a, b);
  EXPECT_EQ(cross, (Point3{2.0 * 0.5 - 3.0 * 5.0, 3.0 * -4.0 - 1.0 * 0.5, 1.0 * 5.0 - 2.0 * -4.0}));
  EXPECT_DOUBLE_EQ(Dot(cross, a), 0.0);
  EXPECT_DOUBLE_EQ(Length(Point3{3.0, 4.0, 12.0}), 13.0);
  EXPECT_DOUBLE_EQ(Distance(a, Point3{1.0, 2.0, -1.0}), 4.0);
  EXPECT_DOUBLE_EQ(DistanceFromLine(Point3{2.0, 0.0, 0.0}, Point3{5.0, 3.0, 4.0}), 5.0);
  EXPECT_TRUE(std::isnan(DistanceFromLine(Point3{}, a)));
}

TEST(Point3Test, StoredAsXYThenZInEightByteDoubles) {
  std::vector<std::uint8_t> bytes;
  Point3 stored{0.5, -1.0, 2.0};
  Archive store(bytes, Archive::Mode::Store);
  SerializePoint(store, stored);
  ASSERT_EQ(bytes.size(), 24U);
  // 0.5 as a little-endian double ends in 0xE0 0x3F.
  EXPECT_EQ(bytes[6], 0xE0);
  EXPECT_EQ(bytes[7], 0x3F);
  Point3 loaded;
  Archive load(bytes, Archive::Mode::Load);
  SerializePoint(load, loaded);
  EXPECT_EQ(loaded, stored);
}

}  // namespace
}  // namespace quor::test
