#include "editor/ui/tools/XorFigures.h"

#include <algorithm>
#include <array>

#include "editor/model/DrawHandle.h"
#include "editor/ui/tools/ToolView.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

namespace {

// The segment's pen is fixed: with XOR on white it shows as red.
constexpr COLORREF kSegmentPen = 0xFFFF00;
constexpr int kCrossArm = 3;
constexpr int kMarkerPixels = 4;

// The figure with a solid one-pixel pen and exclusive-or selected, both put
// back afterwards.
template <typename Figure>
void DrawWithXorPen(ToolView& view, COLORREF pen, Figure&& figure) {
  view.DrawXor([&](DrawContext& dc) {
    const ScopedPen selectedPen(dc, Pen{PenStyle::Solid, 0, pen});
    const ScopedRasterOp xorOp(dc, RasterOp::XorPen);
    figure(dc);
  });
}

void Line(DrawContext& dc, DevicePoint from, DevicePoint to) {
  const std::array<DevicePoint, 2> points{from, to};
  dc.Polyline(points);
}

}  // namespace

DoubleRect RectBetween(const Point2& corner1, const Point2& corner2) {
  return {std::max(corner1.y, corner2.y), std::min(corner1.y, corner2.y), std::min(corner1.x, corner2.x),
          std::max(corner1.x, corner2.x)};
}

void DrawXorRect(ToolView& view, COLORREF colour, const Point2& corner1, const Point2& corner2) {
  DrawXorFrame(view, colour, RectBetween(corner1, corner2));
}

void MoveXorRect(ToolView& view, COLORREF colour, const Point2& fixed, const Point2& from, const Point2& to) {
  DrawXorRect(view, colour, fixed, from);
  DrawXorRect(view, colour, fixed, to);
}

void DrawXorFrame(ToolView& view, COLORREF colour, const DoubleRect& rect) {
  const DeviceRect r = view.Core().WorldRectToScreen(rect);
  DrawWithXorPen(view, XorPenColour(colour), [&](DrawContext& dc) {
    const std::array<DevicePoint, 5> outline{DevicePoint{r.left, r.top}, DevicePoint{r.right, r.top},
                                             DevicePoint{r.right, r.bottom}, DevicePoint{r.left, r.bottom},
                                             DevicePoint{r.left, r.top}};
    dc.Polyline(outline);
  });
}

void DrawXorSegment(ToolView& view, const Point2& from, const Point2& to) {
  const DevicePoint a = view.Core().WorldToScreen(from);
  const DevicePoint b = view.Core().WorldToScreen(to);
  DrawWithXorPen(view, kSegmentPen, [&](DrawContext& dc) { Line(dc, a, b); });
}

void DrawXorCross(ToolView& view, COLORREF colour, const Point2& point) {
  const DevicePoint p = view.Core().WorldToScreen(point);
  constexpr int d = kCrossArm;
  DrawWithXorPen(view, XorPenColour(colour), [&](DrawContext& dc) {
    Line(dc, {p.x - d, p.y + d}, p);
    Line(dc, {p.x + d, p.y - d}, p);
    Line(dc, {p.x + d, p.y + d}, {p.x - d - 1, p.y - d - 1});
  });
}

void DrawXorMarker(ToolView& view, COLORREF colour, const Point2& point) {
  const ViewCore& core = view.Core();
  view.DrawXor([&](DrawContext& dc) { DrawXorHandle(Point3(point, 0.0), core, dc, colour, kMarkerPixels); });
}

}  // namespace quor
