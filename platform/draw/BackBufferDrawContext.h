// The screen's DrawContext: a per-window RGB back buffer. Figures are
// rasterised by our own code, so exclusive-or drawing is exact (the
// toolkit's XOR on GTK3 is not bitwise); text goes through wx. The owner
// copies the damaged area to its window.
#pragma once

#include <wx/font.h>
#include <wx/image.h>

#include "platform/draw/PixelCanvas.h"
#include "platform/draw/SelectingDrawContext.h"

class wxDC;

namespace quor {

class BackBufferDrawContext : public SelectingDrawContext {
 public:
  BackBufferDrawContext(int width, int height);

  // Keeps what fits of the picture; new area is white. False, with the
  // buffer as it was, when one of that size cannot be allocated.
  bool Resize(int width, int height);
  // A deep copy: the buffer itself is written through a raw pointer.
  wxImage Image() const { return m_image.Copy(); }
  COLORREF PixelAt(int x, int y) const { return m_canvas.PixelAt(x, y); }
  // The area changed since the last call, to be copied to the screen.
  DeviceRect TakeDamage();
  // Copies the given area of the buffer to a window's device context.
  void Blit(wxDC& dc, const DeviceRect& area) const;

  void Rectangle(const DeviceRect& rect) override;
  void Ellipse(const DeviceRect& rect) override;
  void Polygon(std::span<const DevicePoint> points) override;
  void Polyline(std::span<const DevicePoint> points) override;
  Font SelectFont(const Font& font) override;
  void FillRect(const DeviceRect& rect, const Brush& brush) override;
  DeviceRect DrawEdge(const DeviceRect& rect, unsigned edge, unsigned flags) override;
  void DrawText(std::string_view text, const DeviceRect& rect, unsigned format) override;
  void DrawCheckBox(const DeviceRect& rect, bool checked) override;
  DeviceSize TextExtent(std::string_view text) override;
  int FontAscent() override;

 private:
  void Attach();
  void DrawLines(const std::vector<wxString>& lines, const DeviceRect& rect, unsigned format);

  wxImage m_image;
  PixelCanvas m_canvas;
  // What changed that the canvas does not track: text, and what an earlier canvas saw.
  DeviceRect m_damage;
  wxFont m_wxFont;  // the selected font, made once
};

}  // namespace quor
