// The editing view's command map: every command the view handles, with its
// enabling rule and check mark. The effects are the core's.
#include <wx/menu.h>
#include <wx/treectrl.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "editor/document/DocumentServices.h"
#include "editor/document/MessageBoxes.h"
#include "editor/ui/CCrtanjeView.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/ViewCanvas.h"
#include "editor/ui/bars/CDlgProjectTree.h"
#include "editor/ui/bars/CProjectBar.h"
#include "editor/ui/view/ViewCore.h"
#include "platform/error/TextError.h"

namespace quor {

namespace {

struct ViewCommand {
  int id;
  void (*run)(ViewCore& core);
  // Null: enabled by the main frame or the document.
  bool (*enabled)(const ViewCore& core);
  // Null: no check mark.
  bool (*checked)(const ViewCore& core);
};

bool Always(const ViewCore&) {
  return true;
}

bool HasSelection(const ViewCore& core) {
  return core.HasSelection();
}

bool OneObject(const ViewCore& core) {
  return core.IsOneObjectSelected();
}

bool OnePolygon(const ViewCore& core) {
  return core.IsOnePolygonSelected();
}

// clang-format off
constexpr ViewCommand kCommands[] = {
    {cmd::kEditSelectAll, [](ViewCore& c) { c.SelectAll(); }, Always, nullptr},
    {cmd::kEditCopy, [](ViewCore& c) { c.Copy(); }, HasSelection, nullptr},
    {cmd::kEditCut, [](ViewCore& c) { c.Cut(); }, HasSelection, nullptr},
    {cmd::kEditDelete, [](ViewCore& c) { c.DeleteSelection(); }, HasSelection, nullptr},
    // Paste is enabled by the main frame, which holds the clipboard.
    {cmd::kEditPaste, [](ViewCore& c) { c.PasteWithOffset(); }, nullptr, nullptr},
    {cmd::kEditPasteOriginal, [](ViewCore& c) { c.Paste(0.0); }, nullptr, nullptr},
    // Undo is enabled by the document.
    {cmd::kEditUndo, [](ViewCore& c) { c.Undo(); }, nullptr, nullptr},
    {cmd::kViewProperties, [](ViewCore& c) { c.Properties(); }, OneObject, nullptr},
    {cmd::kPolygonProperties, [](ViewCore& c) { c.PolygonProperties(); }, OneObject, nullptr},
    {cmd::kViaProperties, [](ViewCore& c) { c.ViaProperties(); }, OneObject, nullptr},
    {cmd::kObjectIndex, [](ViewCore& c) { c.OnIndex(); }, Always, nullptr},
    {cmd::kArrangeBringToFront, [](ViewCore& c) { c.BringToFront(); }, OnePolygon, nullptr},
    {cmd::kArrangeSendToBack, [](ViewCore& c) { c.SendToBack(); }, OnePolygon, nullptr},
    {cmd::kArrangeSubtract, [](ViewCore& c) { c.Subtract(); },
     [](const ViewCore& c) { return c.IsTwoPolygonsSelected(); }, nullptr},
    {cmd::kViewZoomIn, [](ViewCore& c) { c.ZoomInCentre(); },
     [](const ViewCore& c) { return c.CanZoomIn(); }, nullptr},
    {cmd::kViewZoomOut, [](ViewCore& c) { c.ZoomOutCentre(); },
     [](const ViewCore& c) { return c.CanZoomOut(); }, nullptr},
    {cmd::kViewZoomAll, [](ViewCore& c) { c.ZoomAll(); }, Always, nullptr},
    {cmd::kViewShowGrid, [](ViewCore& c) { c.ToggleShowGrid(); }, Always,
     [](const ViewCore& c) { return c.IsShowGrid(); }},
    {cmd::kViewSnapToGrid, [](ViewCore& c) { c.ToggleSnapToGrid(); }, Always,
     [](const ViewCore& c) { return c.IsSnapToGrid(); }},
    {cmd::kViewRenderNormal, [](ViewCore& c) { c.SetRenderModeCommand(0); }, Always,
     [](const ViewCore& c) { return c.GetRenderMode() == 0; }},
    {cmd::kViewRenderWireFrame, [](ViewCore& c) { c.SetRenderModeCommand(1); }, Always,
     [](const ViewCore& c) { return c.GetRenderMode() == 1; }},
    {cmd::kProjectNewPolygon, [](ViewCore& c) { c.OnNewPolygon(); }, Always, nullptr},
    {cmd::kProjectNewLayer, [](ViewCore& c) { c.NewLayer(); }, Always, nullptr},
    {cmd::kProjectNewVia, [](ViewCore& c) { c.NewVia(); }, Always, nullptr},
    {cmd::kProjectFootprint, [](ViewCore& c) { c.EditFootprint(); }, Always, nullptr},
};
// clang-format on

const ViewCommand* FindCommand(int id) {
  for (const ViewCommand& command : kCommands) {
    if (command.id == id) return &command;
  }
  return nullptr;
}

}  // namespace

void CCrtanjeView::Guarded(const std::function<void(ViewCore&)>& action) {
  if (m_core == nullptr) return;
  try {
    action(*m_core);
  } catch (const TextError& e) {
    ShowMessage(e.Text());
  }
}

bool CCrtanjeView::IsDeleteKeyOfAnotherControl(const wxCommandEvent& event) const {
  // The menu bar makes Del a shortcut of the whole window, taken before the
  // control with the focus sees the key.
  const bool fromMenu = wxDynamicCast(event.GetEventObject(), wxMenu) != nullptr;
  return fromMenu && wxGetKeyState(WXK_DELETE) && m_canvas != nullptr && wxWindow::FindFocus() != m_canvas;
}

void CCrtanjeView::PassDeleteKeyOn() {
  // In the project tree Del deletes what the tree has selected; other
  // controls have no use for it.
  CProjectBar* bar = m_mainFrame->GetProjectBar();
  if (bar != nullptr && wxWindow::FindFocus() == &bar->GetTree().GetTree())
    bar->GetTree().GetLogic().OnDeleteKey();
}

void CCrtanjeView::BindCommands() {
  for (const ViewCommand& command : kCommands) {
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent& event) {
          const ViewCommand* found = FindCommand(event.GetId());
          if (event.GetId() == cmd::kEditDelete && IsDeleteKeyOfAnotherControl(event)) {
            PassDeleteKeyOn();
            return;
          }
          Guarded([found](ViewCore& core) { found->run(core); });
        },
        command.id);
    if (command.enabled == nullptr) continue;
    Bind(
        wxEVT_UPDATE_UI,
        [this](wxUpdateUIEvent& event) {
          const ViewCommand* found = FindCommand(event.GetId());
          if (m_core == nullptr) return;
          event.Enable(found->enabled(*m_core));
          if (found->checked != nullptr) event.Check(found->checked(*m_core));
        },
        command.id);
  }
}

}  // namespace quor
