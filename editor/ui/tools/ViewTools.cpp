#include "editor/ui/tools/ViewTools.h"

#include <array>

namespace quor {

ViewTools::ViewTools() : m_pTool(&m_polyline) {
  m_pTool->Activate();
}

void ViewTools::SetTool(ToolView& view, CTool& tool) {
  m_pTool->Cancel(view);
  m_pTool->Deactivate(view);
  m_pTool = &tool;
  m_pTool->Activate();
}

CTool* ViewTools::FindTool(int commandId) {
  const std::array<CTool*, 5> tools{&m_polyline, &m_zoom, &m_pan, &m_rectangle, &m_via};
  for (CTool* tool : tools) {
    if (tool->GetCommandId() == commandId) return tool;
  }
  return nullptr;
}

void ViewTools::OnToolCommand(ToolView& view, int commandId) {
  CTool* tool = FindTool(commandId);
  if (tool == nullptr) return;
  SetTool(view, *tool);
}

}  // namespace quor
