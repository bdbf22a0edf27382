// The Pan tool: the drawing follows the hand while the button is held.
#pragma once

#include "editor/ui/tools/CTool.h"

namespace quor {

class CPanTool : public CTool {
 public:
  static constexpr int kCommandId = 32829;

  CPanTool();

  int GetCommandId() const override { return kCommandId; }
  void OnLButtonDown(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnLButtonUp(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnMouseMove(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnSetCursor(ToolView& view) override;
  void Activate() override;

 private:
  int openHandCursor;
  int closedHandCursor;
  DevicePoint lastPixel;
  bool dragging = false;
};

}  // namespace quor
