// The view's picture: the background, the footprint, the layers, the grid,
// the axes, the selection and the current tool's overlay, in that order.
#include <array>

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
  // Lines closer than 3 pixels would only grey the footprint over.
  constexpr int kMinGridPixels = 3;
  const double spacing = m_gridSpacing;
  if (UnitsToPixels(spacing) < kMinGridPixels) return;
  double length = 0.0;
  double width = 0.0;
  GetFootprint(length, width);
  const ScopedPen dotted(dc, Pen{PenStyle::Dot, 0, m_gridColor});
  // Strictly inside the footprint: its edges are drawn by the footprint.
  for (double x = spacing; x < length; x += spacing) {
    Line(dc, WorldToScreen({x, 0.0}), WorldToScreen({x, width}));
  }
  for (double y = spacing; y < width; y += spacing) {
    Line(dc, WorldToScreen({0.0, y}), WorldToScreen({length, y}));
  }
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
