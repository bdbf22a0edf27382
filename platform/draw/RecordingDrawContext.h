// A DrawContext that records every primitive with the pen, brush and raster
// operation in force, for tests that check what was drawn and in which order.
// Text is measured with fixed metrics (7 pixels a character, lines 16 high,
// ascent 13) so that layouts are the same on every machine.
#pragma once

#include <string>
#include <vector>

#include "platform/draw/SelectingDrawContext.h"

namespace quor {

class RecordingDrawContext : public SelectingDrawContext {
 public:
  enum class Kind { Rectangle, Ellipse, Polygon, Polyline, FillRect, Edge, Text, CheckBox };

  struct Call {
    Kind kind;
    std::vector<DevicePoint> points;  // rectangles: top-left, bottom-right
    Pen pen;
    Brush brush;
    RasterOp op;
    // Text, edges and check boxes only.
    std::string text = {};
    unsigned flags = 0;  // DT_ format, BF_ flags, or 1 for a checked box
    unsigned edge = 0;
    Font font = {};
    COLORREF textColour = 0;
  };

  void Rectangle(const DeviceRect& rect) override;
  void Ellipse(const DeviceRect& rect) override;
  void Polygon(std::span<const DevicePoint> points) override;
  void Polyline(std::span<const DevicePoint> points) override;
  void FillRect(const DeviceRect& rect, const Brush& brush) override;
  DeviceRect DrawEdge(const DeviceRect& rect, unsigned edge, unsigned flags) override;
  void DrawText(std::string_view text, const DeviceRect& rect, unsigned format) override;
  void DrawCheckBox(const DeviceRect& rect, bool checked) override;
  DeviceSize TextExtent(std::string_view text) override;
  int FontAscent() override;

  static constexpr int kCharWidth = 7;
  static constexpr int kLineHeight = 16;
  static constexpr int kAscent = 13;

  const std::vector<Call>& Calls() const { return m_calls; }
  void Clear() { m_calls.clear(); }

 private:
  Call& Record(Kind kind, std::vector<DevicePoint> points);

  std::vector<Call> m_calls;
};

}  // namespace quor
