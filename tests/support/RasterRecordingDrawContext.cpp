#include "support/RasterRecordingDrawContext.h"

namespace quor::test {

RasterRecordingDrawContext::RasterRecordingDrawContext(int width, int height)
    : m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3, 0xFF),
      m_canvas(m_pixels, width, height) {}

void RasterRecordingDrawContext::Rectangle(const DeviceRect& rect) {
  RecordingDrawContext::Rectangle(rect);
  m_canvas.Rectangle(rect, CurrentPen(), CurrentBrush(), CurrentRasterOp());
}

void RasterRecordingDrawContext::Ellipse(const DeviceRect& rect) {
  RecordingDrawContext::Ellipse(rect);
  m_canvas.Ellipse(rect, CurrentPen(), CurrentBrush(), CurrentRasterOp());
}

void RasterRecordingDrawContext::Polygon(std::span<const DevicePoint> points) {
  RecordingDrawContext::Polygon(points);
  m_canvas.Polygon(points, CurrentPen(), CurrentBrush(), CurrentRasterOp());
}

void RasterRecordingDrawContext::Polyline(std::span<const DevicePoint> points) {
  RecordingDrawContext::Polyline(points);
  m_canvas.Polyline(points, CurrentPen(), CurrentRasterOp());
}

void RasterRecordingDrawContext::FillRect(const DeviceRect& rect, const Brush& brush) {
  RecordingDrawContext::FillRect(rect, brush);
  m_canvas.FillRect(rect, brush.colour, CurrentRasterOp());
}

DeviceRect RasterRecordingDrawContext::DrawEdge(const DeviceRect& rect, unsigned edge, unsigned flags) {
  const DeviceRect inner = RecordingDrawContext::DrawEdge(rect, edge, flags);
  m_canvas.Edge(rect, edge, flags);
  return inner;
}

void RasterRecordingDrawContext::DrawCheckBox(const DeviceRect& rect, bool checked) {
  RecordingDrawContext::DrawCheckBox(rect, checked);
  m_canvas.CheckBox(rect, checked);
}

}  // namespace quor::test
