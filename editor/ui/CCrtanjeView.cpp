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
#include "editor/ui/view/ViewCore.h"

namespace quor {

wxIMPLEMENT_DYNAMIC_CLASS(CCrtanjeView, wxView);

// clang-format off
wxBEGIN_EVENT_TABLE(CCrtanjeView, wxView)
  EVT_MENU(cmd::kArrangeSubtract, CCrtanjeView::OnSubtract)
  EVT_UPDATE_UI(cmd::kArrangeSubtract, CCrtanjeView::OnUpdateSubtract)
wxEND_EVENT_TABLE()
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
  auto* mainFrame = wxDynamicCast(wxTheApp->GetTopWindow(), CMainFrame);
  if (mainFrame == nullptr) return false;
  m_core = std::make_unique<ViewCore>(*this, Services().profile);
  auto* frame = new CChildFrame(document, this, mainFrame);
  m_canvas = new ViewCanvas(frame, *this);
  m_logPixelsX = wxClientDC(m_canvas).GetPPI().x;
  m_textHeight = m_canvas->GetTextExtent("x").y;
  frame->Show();
  return true;
}

void CCrtanjeView::EnsureInitialUpdate() {
  auto* document = dynamic_cast<CCrtanjeDoc*>(GetDocument());
  if (m_initialUpdateDone || m_core == nullptr || document == nullptr) return;
  m_initialUpdateDone = true;
  m_core->OnInitialUpdate(*document);
  // The view was activated while the project was still being read: the
  // activation's status text is due now.
  if (GetDocumentManager()->GetCurrentView() == this) m_core->OnActivateView(true);
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
  EnsureInitialUpdate();
  if (update == nullptr) {
    m_core->OnUpdate(UpdateHint{}, nullptr);
    return;
  }
  m_core->OnUpdate(update->hint, update->payload);
}

void CCrtanjeView::OnActivateView(bool activate, wxView* activeView, wxView* deactiveView) {
  if (m_core != nullptr) m_core->OnActivateView(activate);
  wxView::OnActivateView(activate, activeView, deactiveView);
}

bool CCrtanjeView::OnClose(bool deleteWindow) {
  if (!wxView::OnClose(deleteWindow)) return false;
  Activate(false);
  return true;
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
  // No editing tool is current yet: nothing holds a half-done figure.
}

void CCrtanjeView::DrawToolOverlay(DrawContext&) {
  // No editing tool is current yet: there is no feedback to draw.
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
