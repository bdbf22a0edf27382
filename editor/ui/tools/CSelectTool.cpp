#include "editor/ui/tools/CSelectTool.h"

#include "editor/model/CShape.h"
#include "editor/model/Point3.h"
#include "editor/ui/CursorArt.h"
#include "editor/ui/tools/SelectGestures.h"
#include "editor/ui/tools/ToolPoints.h"
#include "editor/ui/tools/ToolView.h"
#include "editor/ui/tools/XorFigures.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

namespace {

// Corner handles stand this far outside the object's box.
constexpr double kHandleOffset = 10.0;

DoubleRect Moved(const DoubleRect& rect, const Point2& delta) {
  return {rect.top + delta.y, rect.bottom + delta.y, rect.left + delta.x, rect.right + delta.x};
}

}  // namespace

CSelectTool::CSelectTool()
    : arrowCursor(system_cursor::IDC_ARROW),
      handleCursors{system_cursor::IDC_SIZENS,   system_cursor::IDC_SIZENS,   system_cursor::IDC_SIZEWE,
                    system_cursor::IDC_SIZEWE,   system_cursor::IDC_SIZENWSE, system_cursor::IDC_SIZENESW,
                    system_cursor::IDC_SIZENESW, system_cursor::IDC_SIZENWSE} {}

void CSelectTool::OnLButtonDblClk(ToolView& view, unsigned flags, DevicePoint point) {
  ViewCore& core = view.Core();
  CShape* hit = core.HitTest(PointOnActiveLayer(view, WorldPoint(view, point)));
  state = State::Idle;
  if (hit == nullptr) {
    core.ClearSelection();
    core.Repaint();
    return;
  }
  if (AddsToSelection(flags)) {
    // Listed twice, an object would be moved and deleted twice.
    if (!core.IsSelected(hit)) core.AddToSelection(*hit);
    core.Repaint();
    return;
  }
  core.ClearSelection();
  core.AddToSelection(*hit);
  core.Repaint();
  view.OnProperties();
}

void CSelectTool::OnLButtonDown(ToolView& view, unsigned flags, DevicePoint point) {
  ViewCore& core = view.Core();
  pressPixel = point;
  const Point2 p = WorldPoint(view, point);
  const Point3 p3 = PointOnActiveLayer(view, p);
  int grabbed = 0;
  if (core.HitTestSelectionHandle(p3, grabbed) != nullptr) {
    StartResize(view, grabbed);
  } else if (CShape* hit = core.HitTest(p3)) {
    if (!core.IsSelected(hit)) {
      if (!AddsToSelection(flags)) core.ClearSelection();
      core.AddToSelection(*hit);
      core.Repaint();
    }
    outline = core.GetSelection().GetBounds();
    state = State::Moving;
  } else {
    if (!AddsToSelection(flags)) {
      core.ClearSelection();
      core.Repaint();
    }
    state = State::Selecting;
  }
  moved = false;
  lastPoint = anchor = p;
  OnSetCursor(view);
}

void CSelectTool::StartResize(ToolView& view, int grabbedHandle) {
  handle = grabbedHandle;
  const DoubleRect box = view.Core().GetSelection().GetBounds();
  const bool left = handle == 4 || handle == 6;
  const bool top = handle == 4 || handle == 5;
  movingCorner = {left ? box.left : box.right, top ? box.top : box.bottom};
  fixedCorner = {left ? box.right : box.left, top ? box.bottom : box.top};
  startCorner = movingCorner;
  DrawXorRect(view, kXorBlue, fixedCorner, movingCorner);
  state = State::Resizing;
}

Point2 CSelectTool::MoveDelta(ToolView& view, const Point2& p) const {
  const ViewCore& core = view.Core();
  const Point2 delta{p.x - anchor.x, p.y - anchor.y};
  const Point3 correction = core.SnapDelta(delta.x, delta.y, core.GetSelection().GetBounds());
  return {delta.x + correction.x, delta.y + correction.y};
}

Point2 CSelectTool::DraggedCorner(ToolView& view, const Point2& p) const {
  const ViewCore& core = view.Core();
  const double t = core.PixelsToUnits(kHandleOffset);
  const bool left = handle == 4 || handle == 6;
  const bool top = handle == 4 || handle == 5;
  return core.SnapPoint({left ? p.x + t : p.x - t, top ? p.y - t : p.y + t});
}

void CSelectTool::MoveCorner(const Point2& q) {
  const bool left = handle == 4 || handle == 6;
  const bool top = handle == 4 || handle == 5;
  movingCorner.x = (left ? q.x < fixedCorner.x : q.x > fixedCorner.x) ? q.x : fixedCorner.x;
  movingCorner.y = (top ? q.y > fixedCorner.y : q.y < fixedCorner.y) ? q.y : fixedCorner.y;
}

void CSelectTool::OnMouseMove(ToolView& view, unsigned, DevicePoint point) {
  const Point2 p = WorldPoint(view, point);
  switch (state) {
    case State::Idle:
      ShowObjectUnder(view, p);
      break;
    case State::Moving: {
      if (!moved && IsInDeadZone(pressPixel, point)) return;
      if (moved) DrawXorFrame(view, kXorBlue, outline);
      outline = Moved(view.Core().GetSelection().GetBounds(), MoveDelta(view, p));
      DrawXorFrame(view, kXorBlue, outline);
      break;
    }
    case State::Selecting:
      if (p == lastPoint) break;
      MoveXorRect(view, kXorRed, anchor, lastPoint, p);
      break;
    case State::Resizing: {
      const Point2 before = movingCorner;
      MoveCorner(DraggedCorner(view, p));
      MoveXorRect(view, kXorBlue, fixedCorner, before, movingCorner);
      break;
    }
  }
  moved = true;
  lastPoint = p;
}

void CSelectTool::OnLButtonUp(ToolView& view, unsigned, DevicePoint point) {
  ViewCore& core = view.Core();
  const Point2 p = WorldPoint(view, point);
  const State ended = state;
  state = State::Idle;
  if (!moved) return;
  switch (ended) {
    case State::Idle:
      return;
    case State::Selecting:
      DrawXorRect(view, kXorRed, anchor, p);
      core.SelectInRect(RectBetween(anchor, p));
      core.Repaint();
      return;
    case State::Moving: {
      const Point2 delta = MoveDelta(view, p);
      if (delta.x == 0.0 && delta.y == 0.0) {
        core.Repaint();
        return;
      }
      core.GetSelection().Offset(Point3(delta, 0.0));
      return;
    }
    case State::Resizing: {
      MoveCorner(DraggedCorner(view, p));
      // A box without width or height has no ratio to scale by.
      const bool flat = startCorner.x == fixedCorner.x || startCorner.y == fixedCorner.y;
      if (movingCorner.x == fixedCorner.x || movingCorner.y == fixedCorner.y || flat) {
        core.Repaint();
        return;
      }
      const double z = core.GetActiveZ();
      core.ResizeSelection(Point3(fixedCorner, z), Point3(movingCorner, z), Point3(startCorner, z));
      return;
    }
  }
}

void CSelectTool::OnSetCursor(ToolView& view) {
  view.SetCursor(state == State::Resizing ? handleCursors[handle] : arrowCursor);
}

void CSelectTool::Activate() {
  state = State::Idle;
  handle = 0;
}

void CSelectTool::Cancel(ToolView& view) {
  const bool busy = state != State::Idle;
  state = State::Idle;
  handle = 0;
  // A band or outline is on the picture only: painting anew takes it away.
  if (busy) view.Core().Repaint();
}

}  // namespace quor
