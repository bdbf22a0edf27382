// The drawing interface everything on screen draws through: a small device
// context in the manner of GDI (selected pen and brush, raster operation,
// device-pixel primitives). The screen implementation sits on a wx back
// buffer; tests use RecordingDrawContext.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

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

struct DeviceSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const DeviceSize&, const DeviceSize&) = default;
};

// A font request; pointSize 0 is the desktop's default GUI font.
struct Font {
  int pointSize = 0;
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// Text layout flags at their GDI values.
inline constexpr unsigned DT_LEFT = 0x0000;
inline constexpr unsigned DT_CENTER = 0x0001;
inline constexpr unsigned DT_RIGHT = 0x0002;
inline constexpr unsigned DT_VCENTER = 0x0004;
inline constexpr unsigned DT_WORDBREAK = 0x0010;
inline constexpr unsigned DT_SINGLELINE = 0x0020;
inline constexpr unsigned DT_NOPREFIX = 0x0800;
inline constexpr unsigned DT_EDITCONTROL = 0x2000;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// Edge styles and border flags at their GDI values.
inline constexpr unsigned BDR_RAISEDOUTER = 0x0001;
inline constexpr unsigned BDR_SUNKENOUTER = 0x0002;
inline constexpr unsigned BDR_RAISEDINNER = 0x0004;
inline constexpr unsigned BDR_SUNKENINNER = 0x0008;
inline constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr unsigned BF_LEFT = 0x0001;
inline constexpr unsigned BF_TOP = 0x0002;
inline constexpr unsigned BF_RIGHT = 0x0004;
inline constexpr unsigned BF_BOTTOM = 0x0008;
inline constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr unsigned BF_MIDDLE = 0x0800;
inline constexpr unsigned BF_ADJUST = 0x2000;

// The desktop colours that edges and frame controls are drawn in.
inline constexpr COLORREF kButtonFaceColour = 0xF0F0F0;
inline constexpr COLORREF kButtonShadowColour = 0xA0A0A0;
inline constexpr COLORREF kButtonHighlightColour = 0xFFFFFF;

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

  // Text is always drawn with a transparent background.
  virtual Font SelectFont(const Font& font) = 0;
  virtual COLORREF SetTextColor(COLORREF colour) = 0;
  // Fills left..right-1 by top..bottom-1 with the brush, under the raster operation.
  virtual void FillRect(const DeviceRect& rect, const Brush& brush) = 0;
  // Draws the edge on the sides named by the BF_ flags; returns the rectangle
  // inside the drawn borders when BF_ADJUST is given, else the rectangle itself.
  virtual DeviceRect DrawEdge(const DeviceRect& rect, unsigned edge, unsigned flags) = 0;
  // Lays the text out in the rectangle by the DT_ flags, clipped to it.
  virtual void DrawText(std::string_view text, const DeviceRect& rect, unsigned format) = 0;
  // A push-button check box, as large a square as the rectangle holds, centred in it.
  virtual void DrawCheckBox(const DeviceRect& rect, bool checked) = 0;
  // Extent of a single line in the selected font; the height is the font's line height.
  virtual DeviceSize TextExtent(std::string_view text) = 0;
  virtual int FontAscent() = 0;
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

class ScopedFont {
 public:
  ScopedFont(DrawContext& dc, const Font& font) : m_dc(dc), m_previous(dc.SelectFont(font)) {}
  ~ScopedFont() { m_dc.SelectFont(m_previous); }
  ScopedFont(const ScopedFont&) = delete;
  ScopedFont& operator=(const ScopedFont&) = delete;

 private:
  DrawContext& m_dc;
  Font m_previous;
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
