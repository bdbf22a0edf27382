// The editing tools' common base: every mouse and key gesture in the view
// goes to the view's current tool through these operations, in this order of
// declaration. The base does nothing; each tool overrides what it uses. A
// tool keeps no view: the view passes itself to every operation.
#pragma once

#include "platform/draw/DrawContext.h"

namespace quor {

class ToolView;

class CTool {
 public:
  CTool() = default;
  CTool(const CTool&) = delete;
  CTool& operator=(const CTool&) = delete;
  virtual ~CTool();

  // The tool's command (and toolbar button) id, as the resources number it.
  virtual int GetCommandId() const = 0;
  // `flags` are the MK_ key-state flags; `point` is in client pixels.
  virtual void OnLButtonDblClk(ToolView& view, unsigned flags, DevicePoint point);
  virtual void OnLButtonDown(ToolView& view, unsigned flags, DevicePoint point);
  virtual void OnLButtonUp(ToolView& view, unsigned flags, DevicePoint point);
  virtual void OnMouseMove(ToolView& view, unsigned flags, DevicePoint point);
  // `key` is the virtual-key code.
  virtual void OnKeyDown(ToolView& view, unsigned key, unsigned repeatCount, unsigned keyFlags);
  virtual void OnKeyUp(ToolView& view, unsigned key, unsigned repeatCount, unsigned keyFlags);
  virtual void OnKillFocus(ToolView& view);
  // Shows the tool's cursor.
  virtual void OnSetCursor(ToolView& view);
  // Back to idle, as the tool is made current.
  virtual void Activate();
  // Abandons a gesture in progress.
  virtual void Cancel(ToolView& view);
  // True while a figure the tool has begun in the model waits for more input
  // between presses of the button.
  virtual bool IsDrawing() const { return false; }
  virtual void Deactivate(ToolView& view);
  // The tool's feedback, drawn last in every repaint.
  virtual void DrawOverlay(ToolView& view, DrawContext& dc);

 protected:
  // The cursor routine the Polyline and Pan tools share: the second cursor
  // while their flag is set, else the first.
  static void SetFlaggedCursor(ToolView& view, bool flag, int cursor, int flaggedCursor);
};

}  // namespace quor
