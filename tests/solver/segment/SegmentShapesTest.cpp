#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "solver/segment/SegmentBridgeEdges.h"
#include "solver/segment/SegmentCellClip.h"
#include "solver/segment/SegmentCellGrids.h"
#include "solver/segment/SegmentEdgeIndex.h"
#include "solver/segment/SegmentGrid.h"
#include "solver/segment/SegmentLimits.h"
#include "solver/segment/SegmentPatchShapes.h"
#include "solver/segment/SegmentRun.h"

namespace quor::solver {

namespace {

const std::array<Point3, 3> kAxes{Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{0, 0, 1}};

double TotalArea(const std::vector<Polygon>& pieces) {
  double area = 0.0;
  for (const Polygon& piece : pieces) area += piece.Area();
  return area;
}

TEST(SegmentShapesTest, RayLineDistancesMeasureAlongEachAxisToTheNearestLine) {
  // A segment straight ahead along x: met along x only.
  auto d = RayLineDistances({0, 0, 0}, {5, -1, 0}, {5, 1, 0}, kAxes);
  EXPECT_DOUBLE_EQ(d[0], 5.0);
  EXPECT_DOUBLE_EQ(d[1], 1e20);
  EXPECT_DOUBLE_EQ(d[2], 1e20);
  // The line x + y = 2: met at x = 2 and at y = 2.
  d = RayLineDistances({0, 0, 0}, {2, 0, 0}, {0, 2, 0}, kAxes);
  EXPECT_NEAR(d[0], 2.0, 1e-12);
  EXPECT_NEAR(d[1], 2.0, 1e-12);
  // Beyond the segment's start, the nearest point is its end vertex (2, 1).
  d = RayLineDistances({0, 0, 0}, {2, 1, 0}, {4, 1, 0}, kAxes);
  EXPECT_NEAR(d[0], 2.5, 1e-12);
  EXPECT_NEAR(d[1], 5.0, 1e-12);
  // On the segment: no distance at all.
  EXPECT_DOUBLE_EQ(RayLineDistances({1, 0, 0}, {0, 0, 0}, {2, 0, 0}, kAxes)[0], 0.0);
}

TEST(SegmentShapesTest, QuadSkewMeasureRanksParallelogramsAboveDegenerateQuads) {
  EXPECT_NEAR(QuadSkewMeasure({0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}), 1.0, 1e-12);
  EXPECT_NEAR(QuadSkewMeasure({0, 0, 0}, {2, 0, 0}, {3, 1, 0}, {1, 1, 0}), 1.0, 1e-12);
  // q2 on the line from q1 to q3: a triangle in disguise.
  EXPECT_NEAR(QuadSkewMeasure({0, 0, 0}, {1, 0, 0}, {0.5, 0.5, 0}, {0, 1, 0}), 0.0, 1e-12);
  EXPECT_EQ(QuadSkewMeasure({1, 1, 0}, {1, 1, 0}, {1, 1, 0}, {1, 1, 0}), -100.0);
}

TEST(SegmentShapesTest, SplitCellPolygonCutsByVertexCountAndKeepsTheArea) {
  const Polygon square = Rectangle(0, 0, 1, 1);
  ASSERT_EQ(SplitCellPolygon(square).size(), 1u);
  const Polygon triangleLike = Outline({{0, 0, 0}, {1, 0, 0}, {0.5, 0.5, 0}, {0, 1, 0}});
  const auto halves = SplitCellPolygon(triangleLike);
  ASSERT_EQ(halves.size(), 2u);
  EXPECT_EQ(halves[0].Count() + halves[1].Count(), 6);
  const Polygon pentagon = Outline({{0.5, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0.5, 0}});
  const Polygon hexagon = Outline({{1, 0, 0}, {2, 0, 0}, {3, 1, 0}, {2, 2, 0}, {1, 2, 0}, {0, 1, 0}});
  for (const Polygon& cell : {square, triangleLike, pentagon, hexagon}) {
    const auto pieces = SplitCellPolygon(cell);
    EXPECT_NEAR(TotalArea(pieces), cell.Area(), 1e-12) << cell.Count() << " vertices";
    for (const Polygon& piece : pieces) EXPECT_TRUE(piece.Count() == 3 || piece.Count() == 4);
  }
  EXPECT_EQ(SplitCellPolygon(pentagon).size(), 2u);
  EXPECT_EQ(SplitCellPolygon(hexagon).size(), 2u);
  EXPECT_TRUE(SplitCellPolygon(Outline({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}})).empty());
}

// The unit square's corner (1, 1) lies in the cell [0.5, 1.5]^2, and (1, 0)
// in [0.5, 1.5] x [-0.5, 0.5]: the walk leaves and enters the plate there.
TEST(SegmentShapesTest, ClipCellFollowsTheOutlineThroughTheCell) {
  const std::vector<Polygon> plate{Rectangle(0, 0, 1, 1)};
  const auto corners = [](double x, double y) {
    return std::array<Point3, 4>{Point3{x, y, 0}, {x + 1, y, 0}, {x + 1, y + 1, 0}, {x, y + 1, 0}};
  };
  SegmentCellClip clip = ClipCell(corners(0.5, 0.5), {true, false, false, false}, plate, 1e-6);
  EXPECT_EQ(clip.insertedCorner, 2);
  EXPECT_NEAR(Polygon(clip.points).Area(), 0.25, 1e-12);
  ASSERT_EQ(clip.points.size(), 4u);
  EXPECT_NEAR((clip.points[2] - Point3{1, 1, 0}).Length(), 0.0, 1e-12);

  clip = ClipCell(corners(0.5, -0.5), {false, false, false, true}, plate, 1e-6);
  EXPECT_NEAR(Polygon(clip.points).Area(), 0.25, 1e-12);
  EXPECT_NEAR(Polygon(clip.points).UnitNormal().z, 1.0, 1e-12) << "counter-clockwise like the cell";

  // A hole's edge crossed with no corner of it in the cell.
  const std::vector<Polygon> holed{Rectangle(-5, -5, 5, 5), Rectangle(0.25, -3, 3, 3).Reversed()};
  clip = ClipCell(corners(-0.5, 0), {true, false, false, true}, holed, 1e-6);
  EXPECT_EQ(clip.insertedCorner, -1);
  EXPECT_NEAR(Polygon(clip.points).Area(), 0.75, 1e-12);
}

TEST(SegmentShapesTest, TheGridFramesThePlateAndStaysWithinItsCap) {
  const SegmentGrid flat(Outline({{0, 0, 7}, {1000, 300, 7}, {0, 500, 7}}), 100.0);
  EXPECT_NEAR(flat.U().x, 1.0, 1e-12) << "x for a level plate, whatever its longest edge";
  EXPECT_EQ(flat.CellsU(), 12);
  EXPECT_EQ(flat.CellsV(), 7);
  EXPECT_TRUE(flat.IsSmall());
  EXPECT_NEAR(flat.Node(0, 0).z, 7.0, 1e-9);

  const SegmentGrid wall(Outline({{0, 0, 0}, {0, 0, 300}, {0, 1000, 300}, {0, 1000, 0}}), 100.0);
  EXPECT_NEAR(wall.U().y, 1.0, 1e-12) << "along the longest edge, (0, 0, 300) to (0, 1000, 300)";

  // 5000 steps long: a grid of 3000 cells must still reach both ends.
  const SegmentGrid strip(Rectangle(0, 0, 5000, 2), 1.0);
  EXPECT_LE(strip.CellsU(), SegmentGrid::kMaxCells);
  EXPECT_LT(strip.Node(0, 0).x, 0.0);
  EXPECT_GT(strip.Node(strip.CellsU(), 0).x, 5000.0);
}

// The cut from (0, 0) to the hole at (300, 400) and back bounds nothing, so
// it limits no cell.
TEST(SegmentShapesTest, BridgeEdgesLimitNoCell) {
  Polygon keyhole = Outline({{0, 0, 0},
                             {300, 400, 0},
                             {300, 600, 0},
                             {500, 600, 0},
                             {500, 400, 0},
                             {300, 400, 0},
                             {0, 0, 0},
                             {1000, 0, 0},
                             {1000, 1000, 0},
                             {0, 1000, 0}});
  MarkBridgeEdges(keyhole, 0.01);
  EXPECT_EQ(std::vector<std::int32_t>(keyhole.Flags().begin(), keyhole.Flags().end()),
            (std::vector<std::int32_t>{1, 1, 0, 0, 0, 1, 1, 0, 0, 0}));

  const std::vector<Plate> plates{Plate(std::vector<Polygon>{keyhole}, 0, 1.0, 1.0)};
  const SegmentGrid grid(keyhole, 10.0);
  SegmentCellGrids cells(grid.CellsU(), grid.CellsV());
  const std::int32_t a = 16;  // the cell centred at (155, 205), 1.25 from the cut along x
  const std::int32_t b = 21;
  ASSERT_NEAR((grid.CellCentre(a, b) - Point3{155, 205, 0}).Length(), 0.0, 1e-9);
  cells.state[cells.Index(a, b)] = 0;
  const std::atomic<std::int32_t> running{1};
  const std::vector<SegmentEdge> edges = CollectSegmentEdges(plates);
  const SegmentEdgeIndex index(edges);
  ASSERT_TRUE(ComputeSubdivisionLimits(grid, cells, edges, index, 1, 1.0, running));
  EXPECT_EQ(cells.limitU[cells.Index(a, b)], 15) << "the left edge, 155 away";
  EXPECT_EQ(cells.limitV[cells.Index(a, b)], 20) << "the bottom edge, 205 away";

  std::vector<Plate> unmarked = plates;
  for (std::int32_t& flag : unmarked[0].outline[0].Flags()) flag = 0;
  // The index keeps serving when only the flags change.
  ASSERT_TRUE(ComputeSubdivisionLimits(grid, cells, CollectSegmentEdges(unmarked), index, 1, 1.0, running));
  EXPECT_EQ(cells.limitU[cells.Index(a, b)], 1);
}

}  // namespace

}  // namespace quor::solver
