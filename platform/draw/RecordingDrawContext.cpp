#include "platform/draw/RecordingDrawContext.h"

#include <utility>

namespace quor {

Pen RecordingDrawContext::SelectPen(const Pen& pen) { return std::exchange(m_pen, pen); }

Brush RecordingDrawContext::SelectBrush(const Brush& brush) { return std::exchange(m_brush, brush); }

RasterOp RecordingDrawContext::SetRasterOp(RasterOp op) { return std::exchange(m_op, op); }

void RecordingDrawContext::Rectangle(const DeviceRect& rect) {
  Record(Kind::Rectangle, {{rect.left, rect.top}, {rect.right, rect.bottom}});
}

void RecordingDrawContext::Ellipse(const DeviceRect& rect) {
  Record(Kind::Ellipse, {{rect.left, rect.top}, {rect.right, rect.bottom}});
}

void RecordingDrawContext::Polygon(std::span<const DevicePoint> points) {
  Record(Kind::Polygon, {points.begin(), points.end()});
}

void RecordingDrawContext::Polyline(std::span<const DevicePoint> points) {
  Record(Kind::Polyline, {points.begin(), points.end()});
}

void RecordingDrawContext::Record(Kind kind, std::vector<DevicePoint> points) {
  m_calls.push_back(Call{kind, std::move(points), m_pen, m_brush, m_op});
}

}  // namespace quor
