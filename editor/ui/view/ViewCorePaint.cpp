// The view's picture: the background, the footprint, the layers, the grid,
// the axes, the selection and the current tool's overlay, in that order.
#include <algorithm>
#include <array>
#include <cmath>

#include "editor/document/ProjectDocument.h"
#include "editor/model/CStructure.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

namespace {

void Line(DrawContext& dc, DevicePoint from, DevicePoint to) {
  const std::array<DevicePoint, 2> points{from, to};
  dc.Polyline(points);
}

// A label whose top-left corner lies at the point.
void Label(DrawContext& dc, std::string_view text, DevicePoint topLeft) {
  const DeviceSize size = dc.TextExtent(text);
  dc.DrawText(text, {topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy},
              DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void ViewCore::OnDraw(DrawContext& dc) {
  if (!m_firstPaintDone) {
    m_firstPaintDone = true;
    ZoomAll();
  }
  dc.FillRect({0, 0, m_clientSize.cx, m_clientSize.cy}, Brush{BrushStyle::Solid, kBackgroundColour});
  DrawScene(dc);
}

void ViewCore::DrawScene(DrawContext& dc) {
  if (m_document == nullptr) return;
  const CStructure& model = m_document->GetModel();
  model.DrawFootprint(*this, dc);
  model.DrawLayers(*this, dc, m_renderMode == 0);
  if (m_showGrid) DrawGrid(dc);
  DrawAxes(dc);
  m_selection.Draw(dc, m_nodeDisplay);
  m_host.DrawToolOverlay(dc);
}

void ViewCore::DrawGrid(DrawContext& dc) const {
  // Lines closer than 3 pixels (rounded) would only grey the footprint over;
  // a spacing far below a pixel would never end.
  constexpr double kMinGridPixels = 3.0;
  const double spacing = m_gridSpacing;
  if (!(PixelsPerUnit() * spacing >= kMinGridPixels - 0.5)) return;
  double length = 0.0;
  double width = 0.0;
  GetFootprint(length, width);
  const ScopedPen dotted(dc, Pen{PenStyle::Dot, 0, m_gridColor});
  // Strictly inside the footprint (its edges are drawn by the footprint) and
  // only the lines in the client area, so a zoomed-in view draws no more
  // lines than the window holds. Counted, not summed, so the lines stay put.
  const GridLines columns =
      VisibleGridLines(ScreenXToWorld(0), ScreenXToWorld(m_clientSize.cx), length, m_clientSize.cx);
  for (double i = columns.first; i <= columns.last; ++i) {
    const double x = i * spacing;
    Line(dc, WorldToScreen({x, 0.0}), WorldToScreen({x, width}));
  }
  const GridLines rows =
      VisibleGridLines(ScreenYToWorld(m_clientSize.cy), ScreenYToWorld(0), width, m_clientSize.cy);
  for (double i = rows.first; i <= rows.last; ++i) {
    const double y = i * spacing;
    Line(dc, WorldToScreen({0.0, y}), WorldToScreen({length, y}));
  }
}

ViewCore::GridLines ViewCore::VisibleGridLines(double low, double high, double extent, int pixels) const {
  // Beyond this, consecutive line indices are no longer distinct doubles.
  constexpr double kLastExactIndex = 9007199254740992.0;  // 2^53
  const double spacing = m_gridSpacing;
  const double first = std::max(1.0, std::ceil(low / spacing));
  // The last line strictly inside the footprint.
  const double last = std::min(std::floor(high / spacing), std::ceil(extent / spacing) - 1.0);
  // Far from the origin the spacing can be finer than double resolves there:
  // more lines than pixels means the lines cannot be told apart, so none.
  if (!(last - first <= pixels) || last >= kLastExactIndex) return {1.0, 0.0};
  return {first, last};
}

void ViewCore::DrawAxes(DrawContext& dc) const {
  constexpr int kAxis = 30;
  constexpr int kTip = 37;  // where the arrowheads end and the labels begin
  double length = 0.0;
  double width = 0.0;
  GetFootprint(length, width);
  const DeviceSize footprint = WorldSizeToScreen(length, width);
  if (footprint.cx < kAxis || footprint.cy < kAxis) return;

  const DevicePoint o = WorldToScreen({0.0, 0.0});
  // Axes whose origin lies far off the client area would not show, and their
  // arrowheads' pixel sums could leave int.
  constexpr int kReach = 64;
  if (o.x < -kReach || o.y < -kReach || o.x > m_clientSize.cx + kReach || o.y > m_clientSize.cy + kReach)
    return;
  const ScopedPen red(dc, Pen{PenStyle::Solid, 0, kAxesColour});
  Line(dc, o, {o.x + kAxis, o.y});
  Line(dc, o, {o.x, o.y - kAxis});
  const std::array<DevicePoint, 4> xHead{
      DevicePoint{o.x + kAxis, o.y - 5}, {o.x + kAxis, o.y + 5}, {o.x + kTip, o.y}, {o.x + kAxis, o.y - 5}};
  const std::array<DevicePoint, 4> yHead{
      DevicePoint{o.x - 5, o.y - kAxis}, {o.x + 5, o.y - kAxis}, {o.x, o.y - kTip}, {o.x - 5, o.y - kAxis}};
  dc.Polygon(xHead);
  dc.Polygon(yHead);
  Label(dc, "x", {o.x + kTip, o.y});
  Label(dc, "y", {o.x - 11, o.y - 52});
}

}  // namespace quor
