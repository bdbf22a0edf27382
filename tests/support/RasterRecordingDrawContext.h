// A recording device context that also rasterises every figure into its own
// pixel canvas, for tests and harnesses that check both what was asked for and
// that drawing it ends. Text is recorded only.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/draw/PixelCanvas.h"
#include "platform/draw/RecordingDrawContext.h"

namespace quor::test {

class RasterRecordingDrawContext : public RecordingDrawContext {
 public:
  RasterRecordingDrawContext(int width, int height);

  void Rectangle(const DeviceRect& rect) override;
  void Ellipse(const DeviceRect& rect) override;
  void Polygon(std::span<const DevicePoint> points) override;
  void Polyline(std::span<const DevicePoint> points) override;
  void FillRect(const DeviceRect& rect, const Brush& brush) override;
  DeviceRect DrawEdge(const DeviceRect& rect, unsigned edge, unsigned flags) override;
  void DrawCheckBox(const DeviceRect& rect, bool checked) override;

  const PixelCanvas& Canvas() const { return m_canvas; }

 private:
  std::vector<std::uint8_t> m_pixels;
  PixelCanvas m_canvas;
};

}  // namespace quor::test
