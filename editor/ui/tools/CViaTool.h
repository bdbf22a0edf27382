// The Via tool: press, drag a cross to the via's centre, release, and
// complete the via in the Via dialog; the new via becomes the selection.
#pragma once

#include "editor/model/Point2.h"
#include "editor/ui/tools/CTool.h"

namespace quor {

class CViaTool : public CTool {
 public:
  static constexpr int kCommandId = 32853;
  enum class State { Idle = 0, Dragging = 1, Dialog = 2 };

  CViaTool();

  int GetCommandId() const override { return kCommandId; }
  void OnLButtonDown(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnLButtonUp(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnMouseMove(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnSetCursor(ToolView& view) override;
  void Activate() override;
  void Cancel(ToolView& view) override;
  // While the dialog is open: a cross at the centre.
  void DrawOverlay(ToolView& view, DrawContext& dc) override;

  State GetState() const { return state; }

 private:
  Point2 point;
  int cursor;
  State state = State::Idle;
};

}  // namespace quor
