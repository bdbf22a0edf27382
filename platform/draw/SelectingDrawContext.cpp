#include "platform/draw/SelectingDrawContext.h"

#include <utility>

namespace quor {

Pen SelectingDrawContext::SelectPen(const Pen& pen) {
  return std::exchange(m_pen, pen);
}

Brush SelectingDrawContext::SelectBrush(const Brush& brush) {
  return std::exchange(m_brush, brush);
}

RasterOp SelectingDrawContext::SetRasterOp(RasterOp op) {
  return std::exchange(m_op, op);
}

Font SelectingDrawContext::SelectFont(const Font& font) {
  return std::exchange(m_font, font);
}

COLORREF SelectingDrawContext::SetTextColor(COLORREF colour) {
  return std::exchange(m_textColour, colour);
}

void SelectingDrawContext::ResetState() {
  SelectPen(Pen{});
  SelectBrush(Brush{});
  SetRasterOp(RasterOp::CopyPen);
  SelectFont(Font{});
  SetTextColor(0);
}

}  // namespace quor
