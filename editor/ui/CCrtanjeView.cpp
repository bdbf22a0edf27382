#include "editor/ui/CCrtanjeView.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/settings.h>

#include <cassert>
#include <vector>

#include "editor/document/CCrtanjeDoc.h"
#include "editor/document/CCrtanjeDocTemplate.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/MainFrameLink.h"
#include "editor/document/MessageBoxes.h"
#include "editor/document/UpdateHintObject.h"
#include "editor/model/CShape.h"
#include "editor/ui/CChildFrame.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/ViewCanvas.h"
#include "editor/ui/ViewContextMenus.h"
#include "editor/ui/bars/CInfoBar.h"
#include "editor/ui/dialogs/CDlgConductorIndex.h"
#include "editor/ui/polygondialog/CDlgPolygon.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

wxIMPLEMENT_DYNAMIC_CLASS(CCrtanjeView, wxView);

CCrtanjeView::CCrtanjeView() = default;

CCrtanjeView::~CCrtanjeView() {
  // The window is deleted later, by wx; it must not reach a dead view.
  if (m_canvas != nullptr) m_canvas->DetachView();
}

DocumentServices& CCrtanjeView::Services() const {
  auto* projects = dynamic_cast<CCrtanjeDocTemplate*>(GetDocument()->GetDocumentTemplate());
  assert(projects && "project views are made by the project template");
  return projects->GetServices();
}

bool CCrtanjeView::OnCreate(wxDocument* document, long) {
  m_mainFrame = wxDynamicCast(wxTheApp->GetTopWindow(), CMainFrame);
  if (m_mainFrame == nullptr) return false;
  m_core = std::make_unique<ViewCore>(*this, Services().profile);
  BindCommands();
  BindToolCommands();
  auto* frame = new CChildFrame(document, this, m_mainFrame);
  m_canvas = new ViewCanvas(frame, *this);
  m_logPixelsX = wxClientDC(m_canvas).GetPPI().x;
  m_textHeight = m_canvas->GetTextExtent("x").y;
  // The frame is shown once the project has been read or made: see OnActivateView.
  return true;
}

void CCrtanjeView::EnsureInitialUpdate() {
  auto* document = dynamic_cast<CCrtanjeDoc*>(GetDocument());
  if (m_initialUpdateDone || m_core == nullptr || document == nullptr) return;
  m_initialUpdateDone = true;
  m_core->OnInitialUpdate(*document);
}

void CCrtanjeView::OnDraw(wxDC* dc) {
  // The picture as the window shows it.
  if (m_canvas == nullptr) return;
  const wxSize size = m_canvas->GetClientSize();
  m_canvas->GetBuffer().Blit(*dc, {0, 0, size.x, size.y});
}

void CCrtanjeView::OnUpdate(wxView*, wxObject* hint) {
  if (m_core == nullptr) return;
  const auto* update = dynamic_cast<const UpdateHintObject*>(hint);
  // The framework's first update comes once the project is loaded: it is
  // the view's initial update, which sends no hint of its own.
  if (update == nullptr && !m_initialUpdateDone) {
    EnsureInitialUpdate();
    return;
  }
  // Any later update of the framework's own is hint 0.
  m_core->OnUpdate(update != nullptr ? update->hint : Hint());
}

void CCrtanjeView::OnActivateView(bool activate, wxView* activeView, wxView* deactiveView) {
  // The framework activates a new view once its project has been read or
  // made. Only then does its window show: shown earlier, it would be
  // activated at once and the bars would read a project not there yet.
  auto* frame = static_cast<CChildFrame*>(GetFrame());
  if (activate && frame != nullptr && !frame->IsProjectShown()) {
    EnsureInitialUpdate();
    frame->ShowProject();
  }
  if (m_core != nullptr) m_core->OnActivateView(activate);
  wxView::OnActivateView(activate, activeView, deactiveView);
}

bool CCrtanjeView::OnClose(bool deleteWindow) {
  if (!wxView::OnClose(deleteWindow)) return false;
  Activate(false);
  if (auto* frame = static_cast<CChildFrame*>(GetFrame())) frame->ForgetView();
  return true;
}

void CCrtanjeView::OnChangeFilename() {
  wxView::OnChangeFilename();
  // The main frame's title names the project of the active tab.
  auto* frame = static_cast<CChildFrame*>(GetFrame());
  if (frame != nullptr && frame->IsProjectShown() && m_mainFrame->GetActiveChild() == frame) {
    m_mainFrame->UpdateFrameTitle(GetDocument());
  }
}

void CCrtanjeView::ShowCoordinates(DevicePoint point) {
  CInfoBar* bar = m_mainFrame->GetInfoBar();
  if (bar == nullptr) return;
  const Point2 shown = m_core->GetDisplayCoordinates(point);
  bar->SetCoordinates(shown.x, shown.y);
}

void CCrtanjeView::SetActiveLayer(double z) {
  m_core->SetActiveLayer(z);
}

void CCrtanjeView::ClearSelection() {
  m_core->ClearSelection();
}

void CCrtanjeView::AddToSelection(CShape& shape) {
  m_core->AddToSelection(shape);
}

void CCrtanjeView::Repaint() {
  if (m_canvas != nullptr) m_canvas->Repaint();
}

ProjectDocument& CCrtanjeView::GetProjectDocument() const {
  return *dynamic_cast<CCrtanjeDoc*>(GetDocument());
}

double CCrtanjeView::GetActiveZ() const {
  return m_core->GetActiveZ();
}

void CCrtanjeView::RunViewCommand(int id) {
  // Through the child frame, which routes it as its menu bar would.
  wxCommandEvent command(wxEVT_MENU, id);
  command.SetEventObject(GetFrame());
  GetFrame()->GetEventHandler()->ProcessEvent(command);
}

DeviceSize CCrtanjeView::GetScrollBarSizes() const {
  return {wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, m_canvas),
          wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, m_canvas)};
}

void CCrtanjeView::SetScrollBars(const ScrollBars& bars) {
  if (m_canvas != nullptr) m_canvas->SetScrollBars(bars);
}

void CCrtanjeView::ShowMessage(const std::string& text) {
  Services().messages.ShowMessage(text);
}

const std::vector<ClipboardObject>& CCrtanjeView::GetClipboard() const {
  return m_mainFrame->GetClipboard();
}

void CCrtanjeView::SetClipboard(std::vector<ClipboardObject> objects) {
  m_mainFrame->SetClipboard(std::move(objects));
}

bool CCrtanjeView::RunPolygonDialog(CConductorPolygon& polygon, double z, bool newPolygon) {
  PolygonDialogCore::ViewHooks hooks{[this](int) { Repaint(); }, [this] { Repaint(); }};
  CDlgPolygon dialog(m_mainFrame, GetProjectDocument(), polygon, z, newPolygon, std::move(hooks),
                     Services().messages);
  return dialog.ShowModal() == wxID_OK;
}

std::optional<int> CCrtanjeView::AskConductorIndex(const std::string& text) {
  CDlgConductorIndex dialog(m_mainFrame, text, Services().messages);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return dialog.Index();
}

void CCrtanjeView::OnKeyDown(unsigned key, int repeat, unsigned flags) {
  Guarded([&](ViewCore& core) { core.OnKeyDown(key, repeat, flags); });
}

void CCrtanjeView::OnContextMenu(DevicePoint point) {
  int menu = ViewCore::kMenuEmpty;
  Guarded([&](ViewCore& core) { menu = core.OnContextMenu(point); });
  const std::unique_ptr<wxMenu> popup = CreateViewContextMenu(menu);
  // The items show the state of now, as the menu bar's do when opened.
  UpdateMenuItems(*popup, *m_mainFrame);
  const int chosen = m_popup ? m_popup(*popup, point) : m_canvas->RunPopupMenu(*popup, point);
  if (chosen == wxID_NONE) return;
  // Routed as a command of the menu bar.
  wxCommandEvent command(wxEVT_MENU, chosen);
  command.SetEventObject(m_mainFrame);
  m_mainFrame->ProcessWindowEvent(command);
}

void CCrtanjeView::BroadcastHint(const Hint& hint) {
  Services().frame.BroadcastHint(hint);
}

}  // namespace quor
