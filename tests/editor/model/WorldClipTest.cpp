// Cutting outlines and paths to a world rectangle before they are mapped.
#include "editor/model/WorldClip.h"

#include <gtest/gtest.h>

#include <vector>

namespace quor {
namespace {

// x from 0 to 100, y from 0 to 50.
const DoubleRect kRect{50.0, 0.0, 0.0, 100.0};

TEST(WorldClipTest, OutlinesAreCutToTheRectangleAlongTheirOwnEdges) {
  const std::vector<Point2> inside{{10, 10}, {20, 10}, {20, 20}};
  EXPECT_EQ(ClipPolygon(inside, kRect), inside);
  const std::vector<Point2> outside{{200, 10}, {300, 10}, {300, 20}};
  EXPECT_TRUE(ClipPolygon(outside, kRect).empty());
  // A wedge to a point a billion units away along y = (x - 10) / 2 keeps
  // that direction up to the rectangle's right side, then runs along it.
  const std::vector<Point2> wedge{{10, 0}, {1e9 + 10, 0.5e9}, {10, 40}};
  const std::vector<Point2> cut = ClipPolygon(wedge, kRect);
  ASSERT_EQ(cut.size(), 5u);
  EXPECT_EQ(cut[0], (Point2{10, 0}));
  EXPECT_EQ(cut[1].x, 100.0);
  EXPECT_NEAR(cut[1].y, 45.0, 1e-6);
  EXPECT_EQ(cut[2], (Point2{100, 50}));
  EXPECT_NEAR(cut[3].x, 30.0, 1e-5);
  EXPECT_EQ(cut[3].y, 50.0);
  EXPECT_EQ(cut[4], (Point2{10, 40}));
}

TEST(WorldClipTest, PathsBreakIntoThePiecesInsideTheRectangle) {
  // In, out to the right, back in, then out below.
  const std::vector<Point2> path{{10, 10}, {200, 10}, {50, 40}, {50, -30}};
  const std::vector<std::vector<Point2>> pieces = ClipPath(path, kRect);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0], (std::vector<Point2>{{10, 10}, {100, 10}}));
  ASSERT_EQ(pieces[1].size(), 3u);
  EXPECT_EQ(pieces[1][1], (Point2{50, 40}));
  EXPECT_EQ(pieces[1][2], (Point2{50, 0}));
  EXPECT_NEAR(pieces[1][0].x, 100.0, 1e-9);
  EXPECT_TRUE(ClipPath(std::vector<Point2>{{-5, -5}, {-5, 60}}, kRect).empty());
}

}  // namespace
}  // namespace quor
