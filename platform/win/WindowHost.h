// The screen side of one window: where its drawing lands and how scroll
// bars, the mouse cursor, the caret and the keyboard focus are shown. The
// window layer calls it; a toolkit window or a test fake implements it.
#pragma once

namespace quor {
class DrawContext;
}

namespace quor::win {

enum class CursorShape { Arrow, SizeWestEast };

class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // A device context in its fresh state (default pen, brush, font, copy
  // raster operation); what is drawn shows once EndDraw is called.
  virtual DrawContext& BeginDraw() = 0;
  virtual void EndDraw() = 0;
  virtual void ScrollBarsChanged() = 0;
  virtual void SetCursorShape(CursorShape shape) = 0;
  virtual void CaretChanged() = 0;
  // The layer gave this window the keyboard focus.
  virtual void FocusGiven() = 0;
};

}  // namespace quor::win
