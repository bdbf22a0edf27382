#include "editor/ui/WindowPlacement.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quor
