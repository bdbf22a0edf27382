// The tools' exclusive-or figures: their pixels, pens and raster operation,
// and that each leaves the device context's selections as it found them.
#include <gtest/gtest.h>

#include <vector>

#include "ToolTestView.h"
#include "editor/ui/tools/XorFigures.h"

namespace quor::test {
namespace {

using Kind = RecordingDrawContext::Kind;

class XorFiguresTest : public ::testing::Test, public ToolTestView {
 protected:
  const RecordingDrawContext::Call& Only() {
    EXPECT_EQ(dc().Calls().size(), 1u);
    return dc().Calls().front();
  }
  RecordingDrawContext& dc() { return toolView.xorFigures; }
  void ExpectSelectionsRestored() {
    EXPECT_EQ(dc().CurrentRasterOp(), RasterOp::CopyPen);
    EXPECT_EQ(dc().CurrentPen(), Pen{});
    EXPECT_EQ(dc().CurrentBrush(), Brush{});
  }
};

TEST_F(XorFiguresTest, RectIsTheNormalisedFrameAsOneClosedFivePointPolyline) {
  // Corners given lower right first.
  DrawXorRect(toolView, kXorRed, {762.0, 254.0}, {254.0, 508.0});
  const auto& call = Only();
  EXPECT_EQ(call.kind, Kind::Polyline);
  EXPECT_EQ(call.points, (std::vector<DevicePoint>{GridPixel(1, 2), GridPixel(3, 2), GridPixel(3, 1),
                                                   GridPixel(1, 1), GridPixel(1, 2)}));
  // Red shows on white because the pen is its inverse.
  EXPECT_EQ(call.pen, (Pen{PenStyle::Solid, 0, 0xFFFF00}));
  EXPECT_EQ(call.op, RasterOp::XorPen);
  ExpectSelectionsRestored();
}

TEST_F(XorFiguresTest, SegmentUsesItsFixedPenWithoutInversion) {
  DrawXorSegment(toolView, {254.0, 254.0}, {762.0, 508.0});
  const auto& call = Only();
  EXPECT_EQ(call.points, (std::vector<DevicePoint>{GridPixel(1, 1), GridPixel(3, 2)}));
  EXPECT_EQ(call.pen.colour, 0xFFFF00u);
  EXPECT_EQ(call.op, RasterOp::XorPen);
}

TEST_F(XorFiguresTest, CrossHasThreeObliqueStrokesAboutThePoint) {
  DrawXorCross(toolView, kXorBlue, {254.0, 254.0});
  const DevicePoint p = GridPixel(1, 1);
  ASSERT_EQ(dc().Calls().size(), 3u);
  EXPECT_EQ(dc().Calls()[0].points, (std::vector<DevicePoint>{{p.x - 3, p.y + 3}, p}));
  EXPECT_EQ(dc().Calls()[1].points, (std::vector<DevicePoint>{{p.x + 3, p.y - 3}, p}));
  EXPECT_EQ(dc().Calls()[2].points, (std::vector<DevicePoint>{{p.x + 3, p.y + 3}, {p.x - 4, p.y - 4}}));
  EXPECT_EQ(dc().Calls()[2].pen.colour, 0x00FFFFu);
  ExpectSelectionsRestored();
}

TEST_F(XorFiguresTest, MarkerIsAHollowSquareFourPixelsEitherSide) {
  DrawXorMarker(toolView, kXorRed, {254.0, 254.0});
  const auto& call = Only();
  const DevicePoint p = GridPixel(1, 1);
  EXPECT_EQ(call.kind, Kind::Rectangle);
  EXPECT_EQ(call.points, (std::vector<DevicePoint>{{p.x - 4, p.y - 4}, {p.x + 4, p.y + 4}}));
  EXPECT_EQ(call.brush.style, BrushStyle::Hollow);
  EXPECT_EQ(call.op, RasterOp::XorPen);
  ExpectSelectionsRestored();
}

}  // namespace
}  // namespace quor::test
