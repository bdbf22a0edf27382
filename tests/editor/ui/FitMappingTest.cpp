#include "editor/ui/FitMapping.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quor {
namespace {

TEST(FitMapping, PutsTheFootprintInsideTheMarginWithYUp) {
  // 2540 x 1270 units in a 840 x 440 client: the width limits, 800 / 2540.
  const FitMapping mapping(2540.0, 1270.0, 840, 440);
  EXPECT_EQ(mapping.WorldToScreen({0.0, 1270.0}), (DevicePoint{20, 20}));
  EXPECT_EQ(mapping.WorldToScreen({2540.0, 0.0}), (DevicePoint{820, 420}));
  const DeviceRect rect = mapping.WorldRectToScreen({1270.0, 0.0, 0.0, 2540.0});
  EXPECT_EQ(rect, (DeviceRect{20, 20, 820, 420}));
  EXPECT_NEAR(mapping.PixelsToUnits(800.0), 2540.0, 1e-9);
}

TEST(FitMapping, TinyClientOrEmptyFootprintNeitherMirrorsNorDividesByZero) {
  const FitMapping tiny(2540.0, 2540.0, 10, 10);
  EXPECT_GT(tiny.Scale(), 0.0);
  EXPECT_TRUE(std::isfinite(tiny.PixelsToUnits(10.0)));
  const FitMapping empty(0.0, 0.0, 400, 300);
  EXPECT_GT(empty.Scale(), 0.0);
  EXPECT_TRUE(std::isfinite(empty.PixelsToUnits(1.0)));
}

}  // namespace
}  // namespace quor
