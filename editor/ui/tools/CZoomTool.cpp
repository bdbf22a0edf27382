#include "editor/ui/tools/CZoomTool.h"

#include <cstdlib>

#include "editor/ui/CursorArt.h"
#include "editor/ui/tools/ToolView.h"
#include "editor/ui/tools/XorFigures.h"
#include "editor/ui/view/MouseFlags.h"
#include "editor/ui/view/ViewCore.h"
#include "platform/win/WinTypes.h"

namespace quor {

namespace {

// A drag shorter than this in both directions is a click.
constexpr int kMinZoomDrag = 11;

}  // namespace

CZoomTool::CZoomTool() : cursors{cursor::kZoomIn, cursor::kZoomOut, cursor::kZoomIn} {}

void CZoomTool::OnKeyDown(ToolView& view, unsigned key, unsigned, unsigned) {
  if (key != win::VK_SHIFT) return;
  if (state == State::ZoomIn) state = State::ZoomOut;
  OnSetCursor(view);
}

void CZoomTool::OnKeyUp(ToolView& view, unsigned key, unsigned, unsigned) {
  if (key != win::VK_SHIFT || state != State::ZoomOut) return;
  state = State::ZoomIn;
  OnSetCursor(view);
}

void CZoomTool::OnLButtonDown(ToolView& view, unsigned, DevicePoint point) {
  switch (state) {
    case State::ZoomOut:
      view.Core().ZoomOut(point);
      return;
    case State::ZoomIn:
      anchor = lastPoint = view.Core().ScreenToWorld(point);
      pressPixel = point;
      return;
    case State::Rectangle:
      return;
  }
}

void CZoomTool::OnMouseMove(ToolView& view, unsigned flags, DevicePoint point) {
  if (state == State::ZoomIn && (flags & MK_LBUTTON) != 0) {
    const bool wide = std::abs(point.x - pressPixel.x) >= kMinZoomDrag;
    const bool high = std::abs(point.y - pressPixel.y) >= kMinZoomDrag;
    if (wide || high) state = State::Rectangle;
  }
  if (state != State::Rectangle) return;
  const Point2 p = view.Core().ScreenToWorld(point);
  MoveXorRect(view, kXorRed, anchor, lastPoint, p);
  lastPoint = p;
}

void CZoomTool::OnLButtonUp(ToolView& view, unsigned, DevicePoint point) {
  switch (state) {
    case State::ZoomIn:
      view.Core().ZoomIn(point);
      return;
    case State::Rectangle:
      state = State::ZoomIn;
      view.Core().ZoomToRect(RectBetween(anchor, lastPoint));
      return;
    case State::ZoomOut:
      return;
  }
}

void CZoomTool::OnSetCursor(ToolView& view) {
  view.SetCursor(cursors[static_cast<int>(state)]);
}

void CZoomTool::Activate() {
  state = State::ZoomIn;
}

}  // namespace quor
