// Rasterising into RGB pixels: GDI extents, edges, and exact exclusive-or.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "platform/draw/PixelCanvas.h"

namespace quor {
namespace {

class PixelCanvasTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 40;
  static constexpr int kHeight = 30;

  PixelCanvasTest() : pixels(kWidth * kHeight * 3) {
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i * 37 % 251);
    canvas = PixelCanvas(pixels, kWidth, kHeight);
  }

  int CountChanged(const std::vector<std::uint8_t>& before) const {
    int changed = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
      changed += pixels[i] != before[i] || pixels[i + 1] != before[i + 1] || pixels[i + 2] != before[i + 2];
    }
    return changed;
  }

  std::vector<std::uint8_t> pixels;
  PixelCanvas canvas;
};

const Pen kRedPen{PenStyle::Solid, 1, 0x0000FF};
const Brush kHollow{BrushStyle::Hollow, 0};
const Brush kGreen{BrushStyle::Solid, 0x00FF00};

TEST_F(PixelCanvasTest, RectangleCoversLeftTopToRightBottomExclusive) {
  canvas.FillRect({0, 0, kWidth, kHeight}, 0xFFFFFF, RasterOp::CopyPen);
  canvas.Rectangle({5, 5, 15, 10}, kRedPen, kGreen, RasterOp::CopyPen);
  EXPECT_EQ(canvas.PixelAt(5, 5), 0x0000FFu);
  EXPECT_EQ(canvas.PixelAt(14, 9), 0x0000FFu);
  EXPECT_EQ(canvas.PixelAt(15, 9), 0xFFFFFFu);
  EXPECT_EQ(canvas.PixelAt(6, 6), 0x00FF00u);
  // Without a pen GDI fills one pixel short at the right and bottom.
  canvas.Rectangle({20, 20, 25, 25}, Pen{PenStyle::Null, 0, 0}, kGreen, RasterOp::CopyPen);
  EXPECT_EQ(canvas.PixelAt(23, 23), 0x00FF00u);
  EXPECT_EQ(canvas.PixelAt(24, 23), 0xFFFFFFu);
  EXPECT_EQ(canvas.TakeDamage(), (DeviceRect{0, 0, kWidth, kHeight}));
  EXPECT_EQ(canvas.TakeDamage(), DeviceRect{});
}

TEST_F(PixelCanvasTest, EveryXorFigureDrawnTwiceRestoresThePixels) {
  const std::vector<std::uint8_t> before = pixels;
  const DevicePoint path[] = {{2, 2}, {30, 5}, {30, 5}, {10, 25}, {2, 2}};
  const DevicePoint star[] = {{20, 1}, {26, 28}, {4, 10}, {36, 10}, {14, 28}};
  const Pen wide{PenStyle::Solid, 3, 0x123456};
  const Pen dotted{PenStyle::Dot, 1, 0xFFFFFF};
  const auto drawAll = [&] {
    canvas.Rectangle({3, 4, 33, 21}, kRedPen, kHollow, RasterOp::XorPen);
    canvas.Rectangle({-5, -5, 8, 8}, wide, kGreen, RasterOp::XorPen);
    canvas.Polyline(path, dotted, RasterOp::XorPen);
    canvas.Polygon(star, kRedPen, kGreen, RasterOp::XorPen);
    canvas.Ellipse({5, 5, 35, 28}, wide, kGreen, RasterOp::XorPen);
    canvas.FillRect({10, 10, 50, 12}, 0xABCDEF, RasterOp::XorPen);
  };
  drawAll();
  EXPECT_GT(CountChanged(before), 300);
  drawAll();
  EXPECT_EQ(CountChanged(before), 0);
}

TEST_F(PixelCanvasTest, XorOutlineChangesExactlyItsBorderPixels) {
  const std::vector<std::uint8_t> before = pixels;
  canvas.Rectangle({10, 10, 20, 15}, kRedPen, kHollow, RasterOp::XorPen);
  // 10 by 5 outline: 2 x 10 + 2 x 3 pixels.
  EXPECT_EQ(CountChanged(before), 26);
  const std::size_t corner = 3 * (10 * kWidth + 10);
  EXPECT_EQ(pixels[corner], before[corner] ^ 0xFF);
  EXPECT_EQ(pixels[corner + 1], before[corner + 1]);
}

TEST_F(PixelCanvasTest, EtchedEdgeDrawsShadowThenHighlight) {
  canvas.FillRect({0, 0, kWidth, kHeight}, 0, RasterOp::CopyPen);
  canvas.Edge({0, 0, 10, 10}, EDGE_ETCHED, BF_RIGHT | BF_BOTTOM | BF_MIDDLE);
  EXPECT_EQ(canvas.PixelAt(9, 5), kButtonHighlightColour);
  EXPECT_EQ(canvas.PixelAt(8, 5), kButtonShadowColour);
  EXPECT_EQ(canvas.PixelAt(0, 0), kButtonFaceColour);
  EXPECT_EQ(canvas.PixelAt(5, 9), kButtonHighlightColour);
}

TEST_F(PixelCanvasTest, CheckBoxIsASquareWithAMarkOnlyWhenChecked) {
  canvas.FillRect({0, 0, kWidth, kHeight}, 0xFF0000, RasterOp::CopyPen);
  canvas.CheckBox({0, 0, 40, 16}, false);
  EXPECT_EQ(canvas.PixelAt(2, 8), 0xFF0000u);  // outside the centred square
  EXPECT_EQ(canvas.PixelAt(20, 8), 0xFFFFFFu);
  int marks = 0;
  canvas.CheckBox({0, 0, 40, 16}, true);
  for (int y = 0; y < 16; ++y) {
    for (int x = 12; x < 28; ++x) marks += canvas.PixelAt(x, y) == 0;
  }
  EXPECT_GT(marks, 10);
}

// Points far outside the canvas (a node a billion units away, a zoomed-in
// footprint) once made line drawing overflow int and walk billions of pixels.
constexpr int kFar = std::numeric_limits<int>::max();
constexpr int kNear = std::numeric_limits<int>::min();

TEST_F(PixelCanvasTest, FarFiguresAreClippedToTheCanvasAndKeepTheirVisiblePixels) {
  canvas.FillRect({0, 0, kWidth, kHeight}, 0xFFFFFF, RasterOp::CopyPen);
  // A line to a far point keeps its direction on the canvas: y = x / 2.
  const DevicePoint slope[] = {{0, 0}, {kFar - 1, kFar / 2}};
  canvas.Polyline(slope, kRedPen, RasterOp::CopyPen);
  EXPECT_EQ(canvas.PixelAt(20, 10), 0x0000FFu);
  EXPECT_EQ(canvas.PixelAt(38, 19), 0x0000FFu);
  EXPECT_EQ(canvas.PixelAt(20, 12), 0xFFFFFFu);
  // A horizontal line from one end of int to the other.
  const DevicePoint across[] = {{kNear, 25}, {kFar, 25}};
  canvas.Polyline(across, kRedPen, RasterOp::CopyPen);
  for (int x = 0; x < kWidth; ++x) EXPECT_EQ(canvas.PixelAt(x, 25), 0x0000FFu) << x;
  // A rectangle larger than int's range fills the whole canvas with its brush.
  canvas.Rectangle({kNear, kNear, kFar, kFar}, kRedPen, kGreen, RasterOp::CopyPen);
  EXPECT_EQ(canvas.PixelAt(0, 0), 0x00FF00u);
  EXPECT_EQ(canvas.PixelAt(kWidth - 1, kHeight - 1), 0x00FF00u);
}

TEST_F(PixelCanvasTest, FarPolygonAndEllipseFillOnlyWhatTheyCover) {
  canvas.FillRect({0, 0, kWidth, kHeight}, 0xFFFFFF, RasterOp::CopyPen);
  // A triangle whose far corner lies beyond int's range to the right: left of x = 10 stays white.
  const DevicePoint wedge[] = {{10, 0}, {kFar, 0}, {kFar, kFar}, {10, kFar}};
  canvas.Polygon(wedge, kRedPen, kGreen, RasterOp::CopyPen);
  EXPECT_EQ(canvas.PixelAt(9, 15), 0xFFFFFFu);
  EXPECT_EQ(canvas.PixelAt(10, 15), 0x0000FFu);
  EXPECT_EQ(canvas.PixelAt(25, 15), 0x00FF00u);
  // A huge circle whose left edge runs through x = 5: its inside right of it is filled.
  canvas.FillRect({0, 0, kWidth, kHeight}, 0xFFFFFF, RasterOp::CopyPen);
  const int radius = 1 << 29;
  canvas.Ellipse({5, 15 - radius, 5 + 2 * radius, 15 + radius}, kRedPen, kGreen, RasterOp::CopyPen);
  EXPECT_EQ(canvas.PixelAt(4, 15), 0xFFFFFFu);
  EXPECT_EQ(canvas.PixelAt(5, 15), 0x0000FFu);
  EXPECT_EQ(canvas.PixelAt(20, 15), 0x00FF00u);
}

TEST_F(PixelCanvasTest, FarXorFiguresDrawnTwiceRestoreThePixels) {
  const std::vector<std::uint8_t> before = pixels;
  const DevicePoint path[] = {{kNear, kNear}, {20, 15}, {kFar, 3}, {kNear, kFar}};
  const Pen dashed{PenStyle::Dash, 3, 0x123456};
  const auto drawAll = [&] {
    canvas.Polyline(path, dashed, RasterOp::XorPen);
    canvas.Polygon(path, kRedPen, kGreen, RasterOp::XorPen);
    canvas.Ellipse({kNear, kNear, kFar, 20}, dashed, kGreen, RasterOp::XorPen);
    canvas.Rectangle({kNear, 5, 30, kFar}, dashed, kHollow, RasterOp::XorPen);
  };
  drawAll();
  EXPECT_GT(CountChanged(before), 100);
  drawAll();
  EXPECT_EQ(CountChanged(before), 0);
}

}  // namespace
}  // namespace quor
