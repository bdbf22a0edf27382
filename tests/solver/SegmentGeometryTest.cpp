#include "solver/SegmentGeometry.h"

#include <gtest/gtest.h>

#include <optional>

namespace quor::solver {
namespace {

TEST(IntersectSegmentsTest, MeetingCrossingAndParallelSegments) {
  // Sharing the end point (1, 0, 0).
  std::optional<Point3> x = IntersectSegments({1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {1, 0, 0});
  ASSERT_TRUE(x);
  EXPECT_NEAR(x->x, 1, 1e-12);
  EXPECT_NEAR(x->y, 0, 1e-12);

  x = IntersectSegments({2, 2, 0}, {2, -2, 0}, {0, 0, 0}, {0, 2, 0});
  ASSERT_TRUE(x);
  EXPECT_NEAR(x->x, 1, 1e-12);
  EXPECT_NEAR(x->y, 1, 1e-12);

  EXPECT_FALSE(IntersectSegments({1, 0, 0}, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}));
  EXPECT_FALSE(IntersectSegments({1, 0, 0}, {2, 0, 0}, {0, 0, 0}, {0.5, 0, 0}));
  // Missing by a little more than the end slack.
  EXPECT_FALSE(IntersectSegments({1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {1.001, -0.5, 0}));
  EXPECT_TRUE(IntersectSegments({1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {1.00005, -0.5, 0}));
  EXPECT_FALSE(IntersectSegments({1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {0.5, 0.2, 0}));
}

TEST(DistanceTest, PointToSegment) {
  EXPECT_DOUBLE_EQ(PointSegmentDistance({-3, 4, 0}, {0, 0, 0}, {10, 0, 0}), 5.0);
  EXPECT_DOUBLE_EQ(PointSegmentDistance({13, 4, 0}, {0, 0, 0}, {10, 0, 0}), 5.0);
  EXPECT_DOUBLE_EQ(PointSegmentDistance({5, 0, 2}, {0, 0, 0}, {10, 0, 0}), 2.0);
  EXPECT_DOUBLE_EQ(PointSegmentDistance({3, 4, 0}, {0, 0, 0}, {0, 0, 0}), 5.0);
}

TEST(DistanceTest, SegmentToSegment) {
  EXPECT_NEAR(SegmentDistance({0, 0, 0}, {2, 2, 0}, {0, 2, 0}, {2, 0, 0}), 0.0, 1e-12);
  EXPECT_NEAR(SegmentDistance({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}), 1.0, 1e-12);
  EXPECT_EQ(SegmentDistance({0, 0, 0}, {1, 2, 3}, {0, 0, 0}, {1, 2, 3}), 0.0);
  // Parallel and apart along their line: nearest end points.
  EXPECT_NEAR(SegmentDistance({0, 0, 0}, {1, 0, 0}, {4, 4, 0}, {5, 4, 0}), 5.0, 1e-12);
  // Skew in space, closest points inside both.
  EXPECT_NEAR(SegmentDistance({-1, 0, 0}, {1, 0, 0}, {0, -1, 3}, {0, 1, 3}), 3.0, 1e-12);
  // The closest point of one line falls beyond its segment.
  EXPECT_NEAR(SegmentDistance({0, 0, 0}, {1, 0, 0}, {3, -1, 0}, {3, 1, 0}), 2.0, 1e-12);
  EXPECT_NEAR(SegmentDistance({0, 0, 0}, {0, 0, 0}, {3, -1, 0}, {3, 1, 0}), 3.0, 1e-12);
}

}  // namespace
}  // namespace quor::solver
