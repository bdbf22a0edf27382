#include "editor/model/CPolyline.h"

#include <gtest/gtest.h>

#include <cmath>

#include "editor/model/CConductorPolygon.h"
#include "editor/model/DrawHandle.h"
#include "editor/model/FakeViewMapping.h"
#include "platform/archive/Archive.h"
#include "platform/archive/ArchiveException.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/error/TextError.h"

namespace quor {
namespace {

using Kind = RecordingDrawContext::Kind;

CPolyline Path(std::initializer_list<Point3> points, bool closed) {
  CPolyline path;
  for (const Point3& point : points) path.AddNode(point);
  path.SetClosed(closed);
  return path;
}

CPolyline Square() {
  return Path({{0, 0, 0}, {100, 0, 0}, {100, 100, 0}, {0, 100, 0}}, true);
}

TEST(CPolylineTest, ContainsPointInsideOnEdgesAtVerticesAndOffThePlane) {
  const CPolyline square = Square();
  EXPECT_TRUE(square.ContainsPoint({50, 50, 0}));
  EXPECT_FALSE(square.ContainsPoint({150, 50, 0}));
  EXPECT_FALSE(square.ContainsPoint({100.5, 50, 0}));
  EXPECT_TRUE(square.ContainsPoint({100, 50, 0}));  // on an edge
  EXPECT_TRUE(square.ContainsPoint({0, 0, 0}));     // at a vertex
  EXPECT_TRUE(square.ContainsPoint({50, 50, 0.009}));
  EXPECT_FALSE(square.ContainsPoint({50, 50, 0.01}));
  EXPECT_FALSE(square.ContainsPoint({50, 50, -0.01}));

  const CPolyline ell =
      Path({{0, 0, 0}, {200, 0, 0}, {200, 100, 0}, {100, 100, 0}, {100, 200, 0}, {0, 200, 0}}, true);
  EXPECT_FALSE(ell.ContainsPoint({150, 150, 0}));  // in the notch
  EXPECT_TRUE(ell.ContainsPoint({50, 150, 0}));
  // The test walks the nodes whatever the closed flag, and needs three.
  EXPECT_FALSE(Path({{0, 0, 0}, {100, 0, 0}}, false).ContainsPoint({50, 0, 0}));
}

TEST(CPolylineTest, SegmentNearnessUsesTheBoxAndTheLine) {
  EXPECT_TRUE(IsPointNearSegment({0, 0, 0}, {100, 0, 0}, {50, 0.5, 0}, 1));
  EXPECT_FALSE(IsPointNearSegment({0, 0, 0}, {100, 0, 0}, {50, 1.5, 0}, 1));
  EXPECT_FALSE(IsPointNearSegment({0, 0, 0}, {100, 0, 0}, {101.5, 0, 0}, 1));  // beyond the end
  EXPECT_FALSE(IsPointNearSegment({0, 0, 0}, {100, 0, 0}, {50, 0, 5}, 1));     // z takes part
  // Coinciding ends have no line: inside the widened box counts as near.
  EXPECT_TRUE(IsPointNearSegment({5, 5, 0}, {5, 5, 0}, {5.5, 4.5, 0}, 1));
  EXPECT_FALSE(IsPointNearSegment({5, 5, 0}, {5, 5, 0}, {7, 5, 0}, 1));
}

TEST(CPolylineTest, HitTestOfClosedAndOpenPaths) {
  const CPolyline square = Square();
  EXPECT_TRUE(square.HitTest({100, 50, 0}, 1));     // on the box border and an edge
  EXPECT_FALSE(square.HitTest({100.5, 50, 0}, 1));  // no tolerance for the box
  EXPECT_TRUE(square.HitTest({50, 50, 0}, 1));

  CPolyline open = Path({{0, 0, 0}, {100, 0, 0}, {100, 100, 0}}, false);
  Point3* first = nullptr;
  Point3* second = nullptr;
  EXPECT_FALSE(open.HitTest({50, 50, 0}, 1));  // on the missing closing segment
  EXPECT_FALSE(open.HitTestEdge({50, 50, 0}, first, second, 1));
  ASSERT_TRUE(open.HitTestEdge({100, 60, 0}, first, second, 1));
  EXPECT_EQ(*first, Point3(100, 0, 0));
  EXPECT_EQ(*second, Point3(100, 100, 0));

  open.SetClosed(true);
  ASSERT_TRUE(open.HitTestEdge({50, 50, 0}, first, second, 1));
  EXPECT_EQ(first, open.GetNodes().GetAt(2));
  EXPECT_EQ(second, open.GetNodes().GetAt(0));
}

TEST(CPolylineTest, ClosingNeedsThreeNodesAndRemovingANodeReopens) {
  CPolyline two = Path({{0, 0, 0}, {1, 0, 0}}, true);
  EXPECT_FALSE(two.IsClosed());

  CPolyline triangle = Path({{0, 0, 0}, {10, 0, 0}, {0, 20, 0}}, true);
  ASSERT_TRUE(triangle.IsClosed());
  triangle.RemoveNode(-1);
  triangle.RemoveNode(3);
  EXPECT_EQ(triangle.GetNodes().GetCount(), 3);
  EXPECT_TRUE(triangle.IsClosed());
  triangle.RemoveNode(2);
  EXPECT_FALSE(triangle.IsClosed());
  EXPECT_EQ(triangle.GetBBox(), (DoubleRect{0, 0, 0, 10}));
}

TEST(CPolylineTest, NodeQueries) {
  CPolyline square = Square();
  std::vector<Point3*> selected;
  EXPECT_EQ(square.SelectNodesInRect(DoubleRect{100, -1, -1, 101}, selected), 2);  // top edge excluded
  EXPECT_EQ(selected.size(), 2u);
  EXPECT_EQ(square.FindNode({100, 99, 0}, 1), square.GetNodes().GetAt(2));
  EXPECT_EQ(square.FindNode({100, 99, 2}, 1), nullptr);

  EXPECT_THROW(CPolyline().GetZ(), TextError);
}

TEST(CPolylineTest, ScaleKeepsTheFirstZAndLeavesAFlatAxisAlone) {
  CPolyline path = Path({{0, 0, 5}, {100, 0, 7}, {100, 50, 9}}, true);
  path.Scale({0, 0, 0}, {200, 100, 0}, {100, 50, 0});
  EXPECT_EQ(*path.GetNodes().GetAt(2), Point3(200, 100, 5));
  EXPECT_EQ(path.GetNodes().GetAt(1)->z, 5);
  EXPECT_EQ(path.GetBBox(), (DoubleRect{100, 0, 0, 200}));

  // A box of zero width: x stays, y scales, nothing becomes NaN.
  CPolyline flat = Path({{10, 0, 0}, {10, 50, 0}, {10, 100, 0}}, true);
  flat.Scale({10, 0, 0}, {30, 200, 0}, {10, 100, 0});
  for (const Point3& node : flat.GetNodes()) {
    EXPECT_EQ(node.x, 10);
    EXPECT_FALSE(std::isnan(node.y));
  }
  EXPECT_EQ(flat.GetBBox(), (DoubleRect{200, 0, 10, 10}));
}

TEST(CPolylineTest, HandlesAreCornersOnly) {
  const CPolyline square = Square();
  EXPECT_EQ(square.GetHandlePoint(0, 10), (Point2{50, 110}));
  EXPECT_EQ(square.GetHandlePoint(7, 10), (Point2{110, -10}));
  EXPECT_EQ(square.GetHandlePoint(8, 10), (Point2{0, 0}));
  EXPECT_EQ(square.HitTestHandle({50, 110, 0}, 2, 10), -1);  // side handle 0
  EXPECT_EQ(square.HitTestHandle({112, -8, 0}, 2, 10), 7);   // border of the tolerance
  EXPECT_EQ(square.HitTestHandle({112.1, -10, 0}, 2, 10), -1);
  EXPECT_TRUE(square.IsInside(DoubleRect{100, 0, 0, 100}));
  EXPECT_FALSE(square.IsInside(DoubleRect{99, 0, 0, 100}));
}

TEST(CPolylineTest, DrawingPensBrushesAndPrimitives) {
  const test::FakeViewMapping view(1.0, 100);
  RecordingDrawContext dc;
  Path({{0, 0, 0}}, false).Draw(view, dc, 0, Rgb(1, 2, 3), true);
  EXPECT_TRUE(dc.Calls().empty());

  Square().Draw(view, dc, 0, Rgb(1, 2, 3), true);
  ASSERT_EQ(dc.Calls().size(), 1u);
  EXPECT_EQ(dc.Calls()[0].kind, Kind::Polygon);
  EXPECT_EQ(dc.Calls()[0].pen.colour, Rgb(0, 0, 0));  // black outline when filled
  EXPECT_EQ(dc.Calls()[0].brush, (Brush{BrushStyle::Solid, Rgb(1, 2, 3)}));
  EXPECT_EQ(dc.Calls()[0].points.front(), (DevicePoint{20, 120}));

  dc.Clear();
  Path({{0, 0, 0}, {100, 0, 0}}, false).Draw(view, dc, 0, Rgb(1, 2, 3), true);
  ASSERT_EQ(dc.Calls().size(), 1u);
  EXPECT_EQ(dc.Calls()[0].kind, Kind::Polyline);
  EXPECT_EQ(dc.Calls()[0].pen.colour, Rgb(1, 2, 3));
  EXPECT_EQ(dc.CurrentPen(), Pen{});  // put back
  EXPECT_EQ(dc.CurrentBrush(), Brush{});
}

// A view that cuts outlines to x and y within +-1000 units.
class ClippingView : public test::FakeViewMapping {
 public:
  ClippingView() : FakeViewMapping(1.0, 0.0) {}
  DoubleRect ClipRect() const override { return {1000.0, -1000.0, -1000.0, 1000.0}; }
};

TEST(CPolylineTest, NodesBeyondTheViewsClipRectAreCutOffBeforeTheyAreMapped) {
  const ClippingView view;
  RecordingDrawContext dc;
  // A strip to a node 1e15 units away: mapped as it is, it would leave int.
  Path({{0, 0, 0}, {1e15, 5e14, 0}, {0, 10, 0}}, true).Draw(view, dc, 0, Rgb(1, 2, 3), true);
  ASSERT_EQ(dc.Calls().size(), 1u);
  ASSERT_EQ(dc.Calls()[0].kind, Kind::Polygon);
  const std::vector<DevicePoint>& points = dc.Calls()[0].points;
  // Its long edges reach the cut at x = 1000 with their slope kept (y = x / 2).
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[1], (DevicePoint{1020, -480}));
  for (const DevicePoint& p : points) EXPECT_LE(p.x, 1020);

  dc.Clear();
  Path({{-5000, 0, 0}, {0, 0, 0}, {0, 5000, 0}}, false).Draw(view, dc, 0, Rgb(1, 2, 3), false);
  ASSERT_EQ(dc.Calls().size(), 1u);
  EXPECT_EQ(dc.Calls()[0].points, (std::vector<DevicePoint>{{-980, 20}, {20, 20}, {20, -980}}));
}

TEST(CPolylineTest, NodeSquaresMarkTheCurrentNode) {
  const test::FakeViewMapping view(2.0, 100);
  RecordingDrawContext dc;
  const CPolyline square = Square();
  square.DrawNodes(view, dc, square.GetNodes().GetAt(1));
  ASSERT_EQ(dc.Calls().size(), 4u);
  EXPECT_EQ(dc.Calls()[0].pen, (Pen{PenStyle::Solid, 0, Rgb(0, 0, 0)}));
  EXPECT_EQ(dc.Calls()[1].pen, (Pen{PenStyle::Solid, 2, Rgb(255, 0, 0)}));
  // Half size 4 pixels at 2 pixels per unit around (0, 0).
  EXPECT_EQ(dc.Calls()[0].points, (std::vector<DevicePoint>{{16, 216}, {24, 224}}));
}

TEST(CPolylineTest, XorHandleInvertsThePenAndRestoresTheRasterOp) {
  const test::FakeViewMapping view(1.0, 100);
  RecordingDrawContext dc;
  DrawXorHandle({0, 0, 0}, view, dc, Rgb(255, 0, 0), 4);
  ASSERT_EQ(dc.Calls().size(), 1u);
  EXPECT_EQ(dc.Calls()[0].op, RasterOp::XorPen);
  EXPECT_EQ(dc.Calls()[0].pen.colour, Rgb(0, 255, 255));
  EXPECT_EQ(dc.Calls()[0].brush.style, BrushStyle::Hollow);
  EXPECT_EQ(dc.CurrentRasterOp(), RasterOp::CopyPen);
}

TEST(CPolylineTest, RecordRoundTripAndTwoNodeClosedRecordLoadsOpen) {
  CConductorPolygon polygon;
  polygon.conductorIndex = 3;
  polygon.id = 9;
  const CPolyline square = Square();
  for (const Point3& node : square.GetNodes()) polygon.AddNode(node);
  polygon.SetClosed(true);
  std::vector<std::uint8_t> bytes;
  Archive store(bytes, Archive::Mode::Store);
  polygon.Serialize(store);
  ASSERT_EQ(bytes.size(), 13u + 24 * 4);

  CConductorPolygon loaded;
  Archive load(bytes, Archive::Mode::Load);
  loaded.Serialize(load);
  EXPECT_EQ(loaded.conductorIndex, 3u);
  EXPECT_EQ(loaded.id, 9u);
  EXPECT_TRUE(loaded.IsClosed());
  EXPECT_EQ(loaded.GetBBox(), polygon.GetBBox());
  EXPECT_EQ(*loaded.GetNodes().GetAt(3), Point3(0, 100, 0));

  // Closed byte 1, two nodes.
  std::vector<std::uint8_t> two;
  Archive storeTwo(two, Archive::Mode::Store);
  storeTwo.WriteU32(0);
  storeTwo.WriteU32(1);
  storeTwo.WriteU8(1);
  storeTwo.WriteI32(2);
  for (double v : {0.0, 0.0, 0.0, 5.0, 0.0, 0.0}) storeTwo.WriteF64(v);
  CConductorPolygon open;
  Archive loadTwo(two, Archive::Mode::Load);
  open.Serialize(loadTwo);
  EXPECT_FALSE(open.IsClosed());
  EXPECT_EQ(open.GetNodes().GetCount(), 2);

  // A node count the data cannot hold is a file cut short.
  two.resize(two.size() - 1);
  CConductorPolygon cut;
  Archive loadCut(two, Archive::Mode::Load);
  EXPECT_THROW(cut.Serialize(loadCut), ArchiveException);
}

}  // namespace
}  // namespace quor
