#include "editor/ui/WindowPlacement.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace quor {
namespace {

TEST(WindowPlacement, PacksTheFortyFourByteRecordLittleEndian) {
  WindowPlacement placement;
  placement.left = 10;
  placement.top = 20;
  placement.right = 810;
  placement.bottom = 620;
  const std::vector<std::uint8_t> bytes = placement.Pack();
  ASSERT_EQ(bytes.size(), 44u);
  EXPECT_EQ(bytes[0], 44);     // length
  EXPECT_EQ(bytes[8], 1);      // SW_SHOWNORMAL
  EXPECT_EQ(bytes[12], 0xFF);  // minimised position -1
  EXPECT_EQ(bytes[28], 10);    // normal rectangle, left
  EXPECT_EQ(bytes[40], 0x6C);  // bottom 620 = 0x26C
  EXPECT_EQ(bytes[41], 0x02);

  const std::optional<WindowPlacement> back = WindowPlacement::Unpack(bytes);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->showCmd, SW_SHOWNORMAL);
  EXPECT_EQ(back->left, 10);
  EXPECT_EQ(back->bottom, 620);
  EXPECT_EQ(back->minX, -1);
}

TEST(WindowPlacement, IgnoresRecordsItDidNotWrite) {
  WindowPlacement placement;
  placement.right = 100;
  placement.bottom = 100;
  std::vector<std::uint8_t> bytes = placement.Pack();

  std::vector<std::uint8_t> shorter(bytes.begin(), bytes.end() - 1);
  EXPECT_FALSE(WindowPlacement::Unpack(shorter).has_value());
  std::vector<std::uint8_t> longer = bytes;
  longer.push_back(0);
  EXPECT_FALSE(WindowPlacement::Unpack(longer).has_value());
  std::vector<std::uint8_t> wrongLength = bytes;
  wrongLength[0] = 40;
  EXPECT_FALSE(WindowPlacement::Unpack(wrongLength).has_value());

  placement.right = placement.left;  // empty rectangle
  EXPECT_FALSE(WindowPlacement::Unpack(placement.Pack()).has_value());
}

// Stored values once went into int arithmetic as they came: a left edge of
// -2147483638 overflowed the width.
TEST(WindowPlacement, StoredRectanglesAreFittedToTheScreenWithoutOverflow) {
  const DeviceRect screen{0, 0, 1280, 1024};
  constexpr std::int64_t kMin = INT32_MIN;
  constexpr std::int64_t kMax = INT32_MAX;
  // On the screen already: unchanged.
  EXPECT_EQ(FitRectToScreen(30, 40, 730, 540, screen), (DeviceRect{30, 40, 730, 540}));
  // The overflowing position of a damaged profile: moved to the screen's edge, its size kept.
  EXPECT_EQ(FitRectToScreen(-2147483638, 20, 810, 620, screen), (DeviceRect{0, 20, 1280, 620}));
  EXPECT_EQ(FitRectToScreen(kMin, 0, 200, 300, screen), (DeviceRect{0, 0, 1280, 300}));
  EXPECT_EQ(FitRectToScreen(kMax - 10, kMax - 10, kMax, kMax, screen), (DeviceRect{1270, 1014, 1280, 1024}));
  EXPECT_EQ(FitRectToScreen(kMin, kMin, kMax, kMax, screen), screen);
  // Empty or inverted: one pixel, still on the screen.
  EXPECT_EQ(FitRectToScreen(500, 500, kMin, 400, screen), (DeviceRect{500, 500, 501, 501}));
  // A screen that does not start at the origin.
  EXPECT_EQ(FitRectToScreen(0, 0, 100, 100, DeviceRect{-1920, 100, 0, 1180}),
            (DeviceRect{-100, 100, 0, 200}));
}

}  // namespace
}  // namespace quor
