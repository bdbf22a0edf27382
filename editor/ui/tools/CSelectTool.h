// The Select tool, the view's default: selects by click, Shift/Ctrl-click and
// rubber band, moves the selection by dragging, resizes a single selected
// polygon by a corner handle, opens an object's properties on double click,
// and describes the object under the idle pointer in the status bar.
#pragma once

#include <array>

#include "editor/model/DoubleRect.h"
#include "editor/model/Point2.h"
#include "editor/ui/tools/CTool.h"

namespace quor {

class CSelectTool : public CTool {
 public:
  static constexpr int kCommandId = 32830;
  enum class State { Idle = 0, Moving = 1, Selecting = 2, Resizing = 3 };

  CSelectTool();

  int GetCommandId() const override { return kCommandId; }
  void OnLButtonDblClk(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnLButtonDown(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnLButtonUp(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnMouseMove(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnSetCursor(ToolView& view) override;
  void Activate() override;
  void Cancel(ToolView& view) override;

  State GetState() const { return state; }

 private:
  void StartResize(ToolView& view, int grabbedHandle);
  // The move so far, with the grid correction of the selection's box.
  Point2 MoveDelta(ToolView& view, const Point2& p) const;
  // The corner the pointer drags: the handle's offset taken off, snapped.
  Point2 DraggedCorner(ToolView& view, const Point2& p) const;
  // Each coordinate that would reach or pass the fixed corner stays at it.
  void MoveCorner(const Point2& q);

  bool moved = false;
  State state = State::Idle;
  int handle = 0;
  int arrowCursor;
  std::array<int, 8> handleCursors;
  DoubleRect outline;
  Point2 movingCorner;
  Point2 startCorner;
  Point2 fixedCorner;
  Point2 lastPoint;
  Point2 anchor;
  DevicePoint pressPixel;
};

}  // namespace quor
