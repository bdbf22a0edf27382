// The drawing interface everything on screen draws through: a small device
// context in the manner of GDI (selected pen and brush, raster operation,
// device-pixel primitives). The screen implementation sits on a wx back
// buffer; tests use RecordingDrawContext.
#pragma once

#include <cstdint>
#include <span>

namespace quor {

// 0x00BBGGRR, as the stored colours of projects and profiles use it.
using COLORREF = std::uint32_t;

constexpr COLORREF Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}

struct DevicePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

// Right and bottom are exclusive, as with GDI rectangles.
struct DeviceRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

enum class PenStyle { Solid, Dash, Dot, Null };
enum class BrushStyle { Solid, Hollow };

// R2_COPYPEN draws the pen colour; R2_XORPEN XORs it into the pixels, so that
// drawing a figure twice restores them.
enum class RasterOp { CopyPen, XorPen };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 0;  // 0 and 1 both mean one pixel
  COLORREF colour = 0;
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
  BrushStyle style = BrushStyle::Solid;
  COLORREF colour = 0xFFFFFF;
  friend bool operator==(const Brush&, const Brush&) = default;
};

class DrawContext {
 public:
  virtual ~DrawContext() = default;

  // Each selector returns what was selected before, so callers can put it back.
  virtual Pen SelectPen(const Pen& pen) = 0;
  virtual Brush SelectBrush(const Brush& brush) = 0;
  virtual RasterOp SetRasterOp(RasterOp op) = 0;

  // Outline with the pen, interior with the brush.
  virtual void Rectangle(const DeviceRect& rect) = 0;
  virtual void Ellipse(const DeviceRect& rect) = 0;
  virtual void Polygon(std::span<const DevicePoint> points) = 0;
  // Pen only.
  virtual void Polyline(std::span<const DevicePoint> points) = 0;
};

// Selects a pen, brush or raster operation for one scope and restores the previous one.
class ScopedPen {
 public:
  ScopedPen(DrawContext& dc, const Pen& pen) : m_dc(dc), m_previous(dc.SelectPen(pen)) {}
  ~ScopedPen() { m_dc.SelectPen(m_previous); }
  ScopedPen(const ScopedPen&) = delete;
  ScopedPen& operator=(const ScopedPen&) = delete;

 private:
  DrawContext& m_dc;
  Pen m_previous;
};

class ScopedBrush {
 public:
  ScopedBrush(DrawContext& dc, const Brush& brush) : m_dc(dc), m_previous(dc.SelectBrush(brush)) {}
  ~ScopedBrush() { m_dc.SelectBrush(m_previous); }
  ScopedBrush(const ScopedBrush&) = delete;
  ScopedBrush& operator=(const ScopedBrush&) = delete;

 private:
  DrawContext& m_dc;
  Brush m_previous;
};

class ScopedRasterOp {
 public:
  ScopedRasterOp(DrawContext& dc, RasterOp op) : m_dc(dc), m_previous(dc.SetRasterOp(op)) {}
  ~ScopedRasterOp() { m_dc.SetRasterOp(m_previous); }
  ScopedRasterOp(const ScopedRasterOp&) = delete;
  ScopedRasterOp& operator=(const ScopedRasterOp&) = delete;

 private:
  DrawContext& m_dc;
  RasterOp m_previous;
};

}  // namespace quor
