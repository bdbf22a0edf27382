#include "editor/ui/tools/CTool.h"

#include "editor/ui/tools/ToolView.h"

namespace quor {

CTool::~CTool() = default;

void CTool::OnLButtonDblClk(ToolView&, unsigned, DevicePoint) {}

void CTool::OnLButtonDown(ToolView&, unsigned, DevicePoint) {}

void CTool::OnLButtonUp(ToolView&, unsigned, DevicePoint) {}

void CTool::OnMouseMove(ToolView&, unsigned, DevicePoint) {}

void CTool::OnKeyDown(ToolView&, unsigned, unsigned, unsigned) {}

void CTool::OnKeyUp(ToolView&, unsigned, unsigned, unsigned) {}

void CTool::OnKillFocus(ToolView&) {}

void CTool::OnSetCursor(ToolView&) {}

void CTool::Activate() {}

void CTool::Cancel(ToolView&) {}

void CTool::Deactivate(ToolView&) {}

void CTool::DrawOverlay(ToolView&, DrawContext&) {}

void CTool::SetFlaggedCursor(ToolView& view, bool flag, int cursor, int flaggedCursor) {
  view.SetCursor(flag ? flaggedCursor : cursor);
}

}  // namespace quor
