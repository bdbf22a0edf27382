// The window of one open project: a tab of the main frame holding the
// project's editing view, with the project menu bar. It tells the main
// frame's bars which view became active.
#pragma once

#include <wx/docmdi.h>

class wxMenu;

namespace quor {

class CMainFrame;

class CChildFrame : public wxDocMDIChildFrame {
 public:
  CChildFrame(wxDocument* document, wxView* view, CMainFrame* mainFrame);
  ~CChildFrame() override;

 private:
  void OnMDIActivate(wxActivateEvent& event);

  CMainFrame& m_mainFrame;
  wxMenu* m_recentFiles = nullptr;  // owned by the menu bar
};

}  // namespace quor
