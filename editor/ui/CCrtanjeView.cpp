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
#include "editor/ui/ArtBitmaps.h"
#include "editor/ui/CChildFrame.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/ViewCanvas.h"
#include "editor/ui/bars/CInfoBar.h"
#include "editor/ui/view/ViewCore.h"
#include "platform/error/TextError.h"

namespace quor {

wxIMPLEMENT_DYNAMIC_CLASS(CCrtanjeView, wxView);

// clang-format off
wxBEGIN_EVENT_TABLE(CCrtanjeView, wxView)
  EVT_MENU(cmd::kToolSelect, CCrtanjeView::OnToolCommand)
  EVT_UPDATE_UI(cmd::kToolSelect, CCrtanjeView::OnUpdateToolCommand)
  EVT_MENU(cmd::kToolPolylineNode, CCrtanjeView::OnToolCommand)
  EVT_UPDATE_UI(cmd::kToolPolylineNode, CCrtanjeView::OnUpdateToolCommand)
  EVT_MENU(cmd::kToolPolyline, CCrtanjeView::OnToolCommand)
  EVT_UPDATE_UI(cmd::kToolPolyline, CCrtanjeView::OnUpdateToolCommand)
  EVT_MENU(cmd::kToolRectangle, CCrtanjeView::OnToolCommand)
  EVT_UPDATE_UI(cmd::kToolRectangle, CCrtanjeView::OnUpdateToolCommand)
  EVT_MENU(cmd::kToolVia, CCrtanjeView::OnToolCommand)
  EVT_UPDATE_UI(cmd::kToolVia, CCrtanjeView::OnUpdateToolCommand)
  EVT_MENU(cmd::kViewPan, CCrtanjeView::OnToolCommand)
  EVT_UPDATE_UI(cmd::kViewPan, CCrtanjeView::OnUpdateToolCommand)
  EVT_MENU(cmd::kViewZoom, CCrtanjeView::OnToolCommand)
  EVT_UPDATE_UI(cmd::kViewZoom, CCrtanjeView::OnUpdateToolCommand)
  EVT_MENU(cmd::kArrangeSubtract, CCrtanjeView::OnSubtract)
  EVT_UPDATE_UI(cmd::kArrangeSubtract, CCrtanjeView::OnUpdateSubtract)
wxEND_EVENT_TABLE();
// clang-format on

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
  m_core->OnUpdate(update != nullptr ? update->hint : UpdateHint{},
                   update != nullptr ? update->payload : nullptr);
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

void CCrtanjeView::CancelTool() {
  DispatchToTool([](CTool& tool, ToolView& view) { tool.Cancel(view); });
}

void CCrtanjeView::DrawToolOverlay(DrawContext& dc) {
  m_tools.GetTool().DrawOverlay(*this, dc);
}

void CCrtanjeView::DispatchToTool(const std::function<void(CTool& tool, ToolView& view)>& call) {
  if (m_core == nullptr) return;
  try {
    call(m_tools.GetTool(), *this);
  } catch (const TextError& error) {
    ShowMessage(error.Text());
  }
}

void CCrtanjeView::DrawXor(const std::function<void(DrawContext&)>& figure) {
  if (m_canvas != nullptr) m_canvas->DrawXor(figure);
}

void CCrtanjeView::SetCursor(int cursorId) {
  m_toolCursor = cursorId;
  if (m_canvas != nullptr) m_canvas->SetCursor(LoadCursorResource(cursorId));
}

void CCrtanjeView::SetMessageText(const std::string& text) {
  m_mainFrame->SetStatusText(wxString::FromUTF8(text), 0);
}

void CCrtanjeView::OnProperties() {
  RunViewCommand(cmd::kViewProperties);
}

void CCrtanjeView::OnToolCommand(wxCommandEvent& event) {
  const int id = ResourceCommandId(event.GetId());
  DispatchToTool([this, id](CTool&, ToolView& view) { m_tools.OnToolCommand(view, id); });
}

void CCrtanjeView::OnUpdateToolCommand(wxUpdateUIEvent& event) {
  event.Enable(true);
  event.Check(m_tools.IsCurrent(ResourceCommandId(event.GetId())));
}

void CCrtanjeView::BroadcastHint(UpdateHint hint, const void* payload) {
  Services().frame.BroadcastHint(hint, payload);
}

bool CCrtanjeView::IsTwoPolygonsSelected() const {
  const CSelection& selection = m_core->GetSelection();
  return selection.GetCount() == 2 && selection.GetType() == CShape::kConductorPolygon;
}

void CCrtanjeView::OnSubtract(wxCommandEvent&) {
  auto* document = dynamic_cast<CCrtanjeDoc*>(GetDocument());
  if (document == nullptr || !IsTwoPolygonsSelected()) return;
  // A copy: the subtraction's hints empty the selection while it runs.
  const std::vector<CShape*> objects = m_core->GetSelection().GetObjects();
  document->SubtractPolygons(objects);
}

void CCrtanjeView::OnUpdateSubtract(wxUpdateUIEvent& event) {
  event.Enable(IsTwoPolygonsSelected());
}

}  // namespace quor
