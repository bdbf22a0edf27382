// The editor's application object: start-up in a fixed order (one instance
// per user, the computation library, the profile and recent files, the main
// frame and the project template, the file named on the command line), the
// About and Help commands, and the exit.
#pragma once

#include <wx/app.h>

#include <memory>

#include "editor/document/WxComputeWindows.h"
#include "editor/document/WxMessageBoxes.h"
#include "editor/ui/dialogs/WxDocumentDialogs.h"

class wxCmdLineParser;
class wxDocManager;

namespace quor {

class CCrtanjeDocTemplate;
class CMainFrame;
class FileProfile;
class SingleInstance;
struct ComputeServices;
struct DocumentServices;

class CCrtanjeApp : public wxApp {
 public:
  CCrtanjeApp();
  ~CCrtanjeApp() override;

  bool OnInit() override;  // the start-up; false ends the program at once
  int OnExit() override;

  void OnInitCmdLine(wxCmdLineParser& parser) override;
  bool OnCmdLineParsed(wxCmdLineParser& parser) override;

 private:
  bool CreateMainFrame();
  void OnAppAbout(wxCommandEvent& event);
  void OnHelpContents(wxCommandEvent& event);
  // Settings with no project open: only the profile's defaults change.
  void OnSettings(wxCommandEvent& event);

  wxString m_fileToOpen;
  std::unique_ptr<SingleInstance> m_instance;
  std::unique_ptr<FileProfile> m_profile;
  WxMessageBoxes m_messages;
  WxDocumentDialogs m_dialogs{m_messages};
  WxComputeWindows m_computeWindows;
  std::unique_ptr<ComputeServices> m_compute;
  std::unique_ptr<DocumentServices> m_services;
  std::unique_ptr<wxDocManager> m_docManager;
  CMainFrame* m_mainFrame = nullptr;              // owned by wx
  CCrtanjeDocTemplate* m_pDocTemplate = nullptr;  // owned by the document manager

  wxDECLARE_EVENT_TABLE();
};

}  // namespace quor
