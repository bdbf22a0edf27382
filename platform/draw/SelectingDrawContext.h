// What a device context holds between calls: the selected pen, brush, font,
// raster operation and text colour. The screen and the recording contexts
// keep them alike, so that a drawing recorded in a test is the drawing the
// screen gets.
#pragma once

#include "platform/draw/DrawContext.h"

namespace quor {

class SelectingDrawContext : public DrawContext {
 public:
  Pen SelectPen(const Pen& pen) override;
  Brush SelectBrush(const Brush& brush) override;
  RasterOp SetRasterOp(RasterOp op) override;
  Font SelectFont(const Font& font) override;
  COLORREF SetTextColor(COLORREF colour) override;

  const Pen& CurrentPen() const { return m_pen; }
  const Brush& CurrentBrush() const { return m_brush; }
  RasterOp CurrentRasterOp() const { return m_op; }
  const Font& CurrentFont() const { return m_font; }
  COLORREF CurrentTextColour() const { return m_textColour; }

  // Back to the selections of a fresh device context.
  void ResetState();

 private:
  Pen m_pen;
  Brush m_brush;
  RasterOp m_op = RasterOp::CopyPen;
  Font m_font;
  COLORREF m_textColour = 0;
};

}  // namespace quor
