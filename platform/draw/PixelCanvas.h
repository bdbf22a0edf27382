// Rasterises the device context's figures into a 24-bit RGB pixel array
// (3 bytes a pixel, rows top to bottom, the layout of a wx image). Every
// figure touches each of its pixels exactly once, so an exclusive-or figure
// drawn twice leaves the pixels exactly as they were.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/draw/DrawContext.h"

namespace quor {

class PixelCanvas {
 public:
  PixelCanvas() = default;
  PixelCanvas(std::span<std::uint8_t> rgb, int width, int height);

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  COLORREF PixelAt(int x, int y) const;

  void FillRect(const DeviceRect& rect, COLORREF colour, RasterOp op);
  // GDI figures: the outline with the pen, the inside with the brush.
  void Rectangle(const DeviceRect& rect, const Pen& pen, const Brush& brush, RasterOp op);
  void Ellipse(const DeviceRect& rect, const Pen& pen, const Brush& brush, RasterOp op);
  void Polygon(std::span<const DevicePoint> points, const Pen& pen, const Brush& brush, RasterOp op);
  // Each segment leaves out its last pixel, as GDI lines do.
  void Polyline(std::span<const DevicePoint> points, const Pen& pen, RasterOp op);
  void Edge(const DeviceRect& rect, unsigned edge, unsigned flags);
  void CheckBox(const DeviceRect& rect, bool checked);

  // The smallest rectangle holding every pixel changed since the last call.
  DeviceRect TakeDamage();

 private:
  struct Span {
    int y;
    int left;
    int right;  // exclusive
  };

  // The canvas grown by a margin wider than any pen: what figures are clipped to.
  DeviceRect GuardBox() const;
  void Plot(int x, int y, COLORREF colour, RasterOp op);
  void Paint(std::vector<DevicePoint> outline, const std::vector<Span>& inside, const Pen& pen,
             const Brush& brush, RasterOp op);
  void Touch(int left, int top, int right, int bottom);

  std::span<std::uint8_t> m_rgb;
  int m_width = 0;
  int m_height = 0;
  DeviceRect m_damage;
};

}  // namespace quor
