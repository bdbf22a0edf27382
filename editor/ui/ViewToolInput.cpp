// The editing view's side of its tools: the window's input handed to the
// current tool, the tool commands and their check marks, and what the tools
// ask of the window (exclusive-or drawing, cursors, the status text).
#include <wx/docview.h>

#include "editor/document/DocumentCommands.h"
#include "editor/ui/ArtBitmaps.h"
#include "editor/ui/CCrtanjeView.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/ViewCanvas.h"
#include "editor/ui/view/MouseFlags.h"
#include "platform/error/TextError.h"

namespace quor {

void CCrtanjeView::BindToolCommands() {
  for (const int id : {cmd::kToolSelect, cmd::kToolPolylineNode, cmd::kToolPolyline, cmd::kToolRectangle,
                       cmd::kToolVia, cmd::kViewPan, cmd::kViewZoom}) {
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent& event) {
          const int resourceId = ResourceCommandId(event.GetId());
          DispatchToTool(
              [this, resourceId](CTool&, ToolView& view) { m_tools.OnToolCommand(view, resourceId); });
        },
        id);
    Bind(
        wxEVT_UPDATE_UI,
        [this](wxUpdateUIEvent& event) {
          event.Enable(true);
          event.Check(m_tools.IsCurrent(ResourceCommandId(event.GetId())));
        },
        id);
  }
}

void CCrtanjeView::DispatchToTool(const std::function<void(CTool& tool, ToolView& view)>& call) {
  if (m_core == nullptr) return;
  try {
    m_tools.Run(*this, call);
  } catch (const TextError& error) {
    ShowMessage(error.Text());
  }
}

void CCrtanjeView::CancelHeldGesture() {
  const bool held = m_canvas != nullptr && m_canvas->HasCapture();
  Guarded([&](ViewCore&) { m_tools.CancelHeldGesture(*this, held); });
}

void CCrtanjeView::CancelTool() {
  DispatchToTool([](CTool& tool, ToolView& view) { tool.Cancel(view); });
}

void CCrtanjeView::CancelToolForUndo() {
  DispatchToTool([this](CTool&, ToolView& view) { m_tools.CancelForUndo(view); });
}

void CCrtanjeView::DrawToolOverlay(DrawContext& dc) {
  m_tools.GetTool().DrawOverlay(*this, dc);
}

void CCrtanjeView::ToolKeyDown(unsigned key, int repeat, unsigned flags) {
  DispatchToTool([&](CTool& tool, ToolView& view) { tool.OnKeyDown(view, key, repeat, flags); });
}

void CCrtanjeView::SetSelectTool() {
  DispatchToTool([this](CTool&, ToolView& view) { m_tools.SetTool(view, m_tools.Select()); });
}

int CCrtanjeView::GetToolCommandId() const {
  return m_tools.GetTool().GetCommandId();
}

void CCrtanjeView::ToolLButtonDown(unsigned flags, DevicePoint point) {
  // The button that went down is down.
  DispatchToTool([&](CTool& tool, ToolView& view) { tool.OnLButtonDown(view, flags | MK_LBUTTON, point); });
}

void CCrtanjeView::ToolLButtonUp(unsigned flags, DevicePoint point) {
  DispatchToTool([&](CTool& tool, ToolView& view) { tool.OnLButtonUp(view, flags & ~MK_LBUTTON, point); });
}

void CCrtanjeView::ToolLButtonDblClk(unsigned flags, DevicePoint point) {
  DispatchToTool([&](CTool& tool, ToolView& view) { tool.OnLButtonDblClk(view, flags | MK_LBUTTON, point); });
}

void CCrtanjeView::ToolMouseMove(unsigned flags, DevicePoint point) {
  // The pointer over the client area asks the tool for its cursor, except
  // while a drag holds the mouse: the tool sets it itself then.
  if (m_canvas != nullptr && !m_canvas->HasCapture()) ToolSetCursor();
  DispatchToTool([&](CTool& tool, ToolView& view) { tool.OnMouseMove(view, flags, point); });
}

void CCrtanjeView::ToolKeyUp(unsigned key, int repeat, unsigned flags) {
  DispatchToTool([&](CTool& tool, ToolView& view) { tool.OnKeyUp(view, key, repeat, flags); });
}

void CCrtanjeView::ToolKillFocus() {
  DispatchToTool([](CTool& tool, ToolView& view) { tool.OnKillFocus(view); });
}

bool CCrtanjeView::ToolSetCursor() {
  DispatchToTool([](CTool& tool, ToolView& view) { tool.OnSetCursor(view); });
  return m_core != nullptr;
}

void CCrtanjeView::DrawXor(const std::function<void(DrawContext&)>& figure) {
  if (m_canvas != nullptr) m_canvas->DrawXor(figure);
}

void CCrtanjeView::SetCursor(int cursorId) {
  // Asked on every move of the pointer: only a change makes a new cursor.
  if (cursorId == m_toolCursor) return;
  m_toolCursor = cursorId;
  if (m_canvas != nullptr) m_canvas->SetCursor(LoadCursorResource(cursorId));
}

void CCrtanjeView::SetMessageText(const std::string& text) {
  m_mainFrame->SetStatusText(wxString::FromUTF8(text), 0);
}

void CCrtanjeView::OnProperties() {
  RunViewCommand(cmd::kViewProperties);
}

}  // namespace quor
