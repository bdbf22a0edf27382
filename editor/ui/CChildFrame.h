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

  // Shows the window once its project has been read or made. Until then the
  // frame takes part in no activation.
  void ShowProject();
  bool IsProjectShown() const { return m_projectShown; }

  // The view is closing. While this is the active tab the bars forget the
  // view now: its project is deleted before wx deletes this frame.
  void ForgetView();

  // Menu prompts go to the main frame's status bar: a tab has none.
  void DoGiveHelp(const wxString& text, bool show) override;

 private:
  void OnMDIActivate(wxActivateEvent& event);

  CMainFrame& m_mainFrame;
  wxMenu* m_recentFiles = nullptr;  // owned by the menu bar
  bool m_projectShown = false;
  bool m_viewForgotten = false;
};

}  // namespace quor
