#include "editor/ui/tools/ViewTools.h"

#include <array>
#include <utility>

#include "editor/ui/tools/ToolView.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

ViewTools::ViewTools() : m_pTool(&m_select) {
  m_pTool->Activate();
}

void ViewTools::SetTool(ToolView& view, CTool& tool) {
  m_pTool->Cancel(view);
  m_pTool->Deactivate(view);
  m_pTool = &tool;
  m_pTool->Activate();
}

void ViewTools::Run(ToolView& view, const std::function<void(CTool& tool, ToolView& view)>& call) {
  struct Running {
    bool& flag;
    const bool before = std::exchange(flag, true);
    ~Running() { flag = before; }
  } running{m_running};
  call(*m_pTool, view);
}

void ViewTools::CancelHeldGesture(ToolView& view, bool mouseHeld) {
  if (m_running || !(mouseHeld || m_pTool->IsDrawing())) return;
  Run(view, [](CTool& tool, ToolView& inView) { tool.Cancel(inView); });
}

void ViewTools::CancelForUndo(ToolView& view) {
  if (m_pTool == &m_polyline) {
    m_polyline.CancelForUndo(view);
    return;
  }
  m_pTool->Cancel(view);
}

CTool* ViewTools::FindTool(int commandId) {
  const std::array<CTool*, 7> tools{&m_polyline,  &m_zoom, &m_pan,         &m_select,
                                    &m_rectangle, &m_via,  &m_polylineNode};
  for (CTool* tool : tools) {
    if (tool->GetCommandId() == commandId) return tool;
  }
  return nullptr;
}

void ViewTools::OnToolCommand(ToolView& view, int commandId) {
  CTool* tool = FindTool(commandId);
  if (tool == nullptr) return;
  SetTool(view, *tool);
  if (tool != &m_polylineNode) return;
  ViewCore& core = view.Core();
  core.SetNodeDisplay(1);
  core.Repaint();
}

}  // namespace quor
