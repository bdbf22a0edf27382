// The Rectangle tool: a drag from corner to corner adds an axis-parallel
// conductor polygon to the active layer, snapped to the grid.
#pragma once

#include "editor/model/Point2.h"
#include "editor/ui/tools/CTool.h"

namespace quor {

class CRectangleTool : public CTool {
 public:
  static constexpr int kCommandId = 32831;
  enum class State { Idle = 0, Dragging = 1 };

  CRectangleTool();

  int GetCommandId() const override { return kCommandId; }
  void OnLButtonDown(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnLButtonUp(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnMouseMove(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnSetCursor(ToolView& view) override;
  void Activate() override;
  void Cancel(ToolView& view) override;

  State GetState() const { return state; }

 private:
  int cursor;
  State state = State::Idle;
  Point2 anchor;
  Point2 lastPoint;
};

}  // namespace quor
