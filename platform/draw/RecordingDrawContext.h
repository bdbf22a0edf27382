// A DrawContext that records every primitive with the pen, brush and raster
// operation in force, for tests that check what was drawn and in which order.
#pragma once

#include <string>
#include <vector>

#include "platform/draw/DrawContext.h"

namespace quor {

class RecordingDrawContext : public DrawContext {
 public:
  enum class Kind { Rectangle, Ellipse, Polygon, Polyline };

  struct Call {
    Kind kind;
    std::vector<DevicePoint> points;  // rectangles: top-left, bottom-right
    Pen pen;
    Brush brush;
    RasterOp op;
  };

  Pen SelectPen(const Pen& pen) override;
  Brush SelectBrush(const Brush& brush) override;
  RasterOp SetRasterOp(RasterOp op) override;
  void Rectangle(const DeviceRect& rect) override;
  void Ellipse(const DeviceRect& rect) override;
  void Polygon(std::span<const DevicePoint> points) override;
  void Polyline(std::span<const DevicePoint> points) override;

  const std::vector<Call>& Calls() const { return m_calls; }
  const Pen& CurrentPen() const { return m_pen; }
  const Brush& CurrentBrush() const { return m_brush; }
  RasterOp CurrentRasterOp() const { return m_op; }
  void Clear() { m_calls.clear(); }

 private:
  void Record(Kind kind, std::vector<DevicePoint> points);

  std::vector<Call> m_calls;
  Pen m_pen;
  Brush m_brush;
  RasterOp m_op = RasterOp::CopyPen;
};

}  // namespace quor
