#include "platform/draw/RecordingDrawContext.h"

#include <utility>

namespace quor {

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

void RecordingDrawContext::FillRect(const DeviceRect& rect, const Brush& brush) {
  Record(Kind::FillRect, {{rect.left, rect.top}, {rect.right, rect.bottom}}).brush = brush;
}

DeviceRect RecordingDrawContext::DrawEdge(const DeviceRect& rect, unsigned edge, unsigned flags) {
  Call& call = Record(Kind::Edge, {{rect.left, rect.top}, {rect.right, rect.bottom}});
  call.edge = edge;
  call.flags = flags;
  if (!(flags & BF_ADJUST)) return rect;
  // Each drawn side of an etched edge is two pixels thick.
  DeviceRect inner = rect;
  if (flags & BF_LEFT) inner.left += 2;
  if (flags & BF_TOP) inner.top += 2;
  if (flags & BF_RIGHT) inner.right -= 2;
  if (flags & BF_BOTTOM) inner.bottom -= 2;
  return inner;
}

void RecordingDrawContext::DrawText(std::string_view text, const DeviceRect& rect, unsigned format) {
  Call& call = Record(Kind::Text, {{rect.left, rect.top}, {rect.right, rect.bottom}});
  call.text = std::string(text);
  call.flags = format;
}

void RecordingDrawContext::DrawCheckBox(const DeviceRect& rect, bool checked) {
  Record(Kind::CheckBox, {{rect.left, rect.top}, {rect.right, rect.bottom}}).flags = checked ? 1 : 0;
}

DeviceSize RecordingDrawContext::TextExtent(std::string_view text) {
  return {kCharWidth * static_cast<int>(text.size()), kLineHeight};
}

int RecordingDrawContext::FontAscent() {
  return kAscent;
}

RecordingDrawContext::Call& RecordingDrawContext::Record(Kind kind, std::vector<DevicePoint> points) {
  return m_calls.emplace_back(Call{kind,
                                   std::move(points),
                                   CurrentPen(),
                                   CurrentBrush(),
                                   CurrentRasterOp(),
                                   {},
                                   0,
                                   0,
                                   CurrentFont(),
                                   CurrentTextColour()});
}

}  // namespace quor
