#include "editor/ui/CChildFrame.h"

#include <wx/filehistory.h>
#include <wx/menu.h>

#include "editor/ui/CMainFrame.h"
#include "editor/ui/MenuBars.h"
#include "editor/ui/bars/ActivatedViewHint.h"

namespace quor {

CChildFrame::CChildFrame(wxDocument* document, wxView* view, CMainFrame* mainFrame)
    : wxDocMDIChildFrame(document, view, mainFrame, wxID_ANY, document->GetUserReadableName()),
      m_mainFrame(*mainFrame) {
  wxFileHistory& history = *document->GetDocumentManager()->GetFileHistory();
  SetMenuBar(CreateMenuBar(MenuResource::Project, history));
  m_recentFiles = static_cast<wxMenu*>(history.GetMenus().GetLast()->GetData());
  Bind(wxEVT_ACTIVATE, &CChildFrame::OnMDIActivate, this);
}

CChildFrame::~CChildFrame() {
  if (wxDocManager* manager = wxDocManager::GetDocumentManager()) {
    if (wxFileHistory* history = manager->GetFileHistory()) history->RemoveMenu(m_recentFiles);
  }
  ForgetView();
}

void CChildFrame::ShowProject() {
  m_projectShown = true;
  Show();
}

void CChildFrame::ForgetView() {
  // Tabs report no deactivation when the active one closes: the bars must
  // still forget its view, before another tab reports its activation.
  if (m_viewForgotten || m_mainFrame.GetActiveChild() != this) return;
  m_viewForgotten = true;
  m_mainFrame.BroadcastHint(UpdateHint::HintViewDeactivated);
  m_mainFrame.UpdateFrameTitle(nullptr);
}

void CChildFrame::DoGiveHelp(const wxString& text, bool show) {
  m_mainFrame.DoGiveHelp(text, show);
}

void CChildFrame::OnMDIActivate(wxActivateEvent& event) {
  // Before the project is there (a dialog of File New closing activates the
  // hidden frame) the bars must not see it. Not skipped: the framework would
  // pass it on to the view.
  if (!m_projectShown) return;
  // Our handler runs before the framework's; activating the view here first
  // keeps the framework's order (view activation, then the bars). The
  // framework's own activation repeats it, which changes nothing.
  wxView* view = GetView();
  if (view != nullptr) view->Activate(event.GetActive());
  event.Skip();
  // What the pointer showed over the previous project is no longer there.
  m_mainFrame.DoGiveHelp(wxString(), false);
  if (event.GetActive()) {
    m_mainFrame.BroadcastHint(ActivatedViewHint(view));
    m_mainFrame.UpdateFrameTitle(GetDocument());
    return;
  }
  m_mainFrame.BroadcastHint(UpdateHint::HintViewDeactivated);
  m_mainFrame.UpdateFrameTitle(nullptr);
}

}  // namespace quor
