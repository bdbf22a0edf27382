// The seven editing tools of one view and the current one. The view hands
// every mouse and key gesture to the current tool; changing the tool cancels
// and deactivates the old one and activates the new one.
#pragma once

#include <functional>

#include "editor/ui/tools/CPanTool.h"
#include "editor/ui/tools/CPolylineNodeTool.h"
#include "editor/ui/tools/CPolylineTool.h"
#include "editor/ui/tools/CRectangleTool.h"
#include "editor/ui/tools/CSelectTool.h"
#include "editor/ui/tools/CViaTool.h"
#include "editor/ui/tools/CZoomTool.h"

namespace quor {

class ViewTools {
 public:
  // The Select tool is current.
  ViewTools();
  ViewTools(const ViewTools&) = delete;
  ViewTools& operator=(const ViewTools&) = delete;

  CTool& GetTool() const { return *m_pTool; }
  // Hands input or a command to the current tool: what the model undergoes
  // meanwhile is the tool's own doing.
  void Run(ToolView& view, const std::function<void(CTool& tool, ToolView& view)>& call);
  // Before a change to the model that is not the current tool's own: a
  // gesture that holds the mouse, or a figure drawn between presses, is put
  // back, so that one gesture stays one undo step.
  void CancelHeldGesture(ToolView& view, bool mouseHeld);
  // Also when the tool is current already: a half-done gesture is abandoned.
  void SetTool(ToolView& view, CTool& tool);
  // Cancel before an undo, which takes away whole what the tool has begun.
  void CancelForUndo(ToolView& view);
  // The tool of a tool command (its resource id), or null.
  CTool* FindTool(int commandId);
  // A tool command: that tool becomes current; the Polyline Node tool shows
  // the selection's nodes.
  void OnToolCommand(ToolView& view, int commandId);
  bool IsCurrent(int commandId) const { return m_pTool->GetCommandId() == commandId; }

  CPolylineTool& Polyline() { return m_polyline; }
  CZoomTool& Zoom() { return m_zoom; }
  CPanTool& Pan() { return m_pan; }
  CSelectTool& Select() { return m_select; }
  CRectangleTool& Rectangle() { return m_rectangle; }
  CViaTool& Via() { return m_via; }
  CPolylineNodeTool& PolylineNode() { return m_polylineNode; }

 private:
  CPolylineTool m_polyline;
  CZoomTool m_zoom;
  CPanTool m_pan;
  CSelectTool m_select;
  CRectangleTool m_rectangle;
  CViaTool m_via;
  CPolylineNodeTool m_polylineNode;
  CTool* m_pTool;
  bool m_running = false;
};

}  // namespace quor
