#include "editor/ui/CCrtanjeApp.h"

#include <wx/cmdline.h>
#include <wx/filehistory.h>
#include <wx/msgdlg.h>

#include "editor/document/CCrtanjeDocTemplate.h"
#include "editor/document/CSolverLibrary.h"
#include "editor/document/ComputeServices.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/EditSettings.h"
#include "editor/document/ProgramName.h"
#include "editor/grid/GridWndProc.h"
#include "editor/ui/CAboutDlg.h"
#include "editor/ui/CCrtanjeView.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/MenuBars.h"
#include "editor/ui/ProgramIcon.h"
#include "editor/ui/ProjectDocManager.h"
#include "editor/ui/RecentFileList.h"
#include "platform/instance/SingleInstance.h"
#include "platform/paths/ProgramDirectory.h"
#include "platform/profile/FileProfile.h"
#include "platform/profile/ProfilePath.h"
#include "platform/win/WindowSystem.h"
#include "viewer/ViewerFiles.h"

namespace quor {

namespace {

constexpr const char* kTitle = kProgramName;

void ShowStartupMessage(const char* text) {
  wxMessageBox(text, kTitle, wxOK | wxICON_ERROR);
}

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CCrtanjeApp, wxApp)
  EVT_MENU(cmd::kAppAbout, CCrtanjeApp::OnAppAbout)
  EVT_MENU(cmd::kHelpContents, CCrtanjeApp::OnHelpContents)
  EVT_MENU(cmd::kProjectSettings, CCrtanjeApp::OnSettings)
wxEND_EVENT_TABLE()
    // clang-format on

    CCrtanjeApp::CCrtanjeApp() = default;

CCrtanjeApp::~CCrtanjeApp() = default;

void CCrtanjeApp::OnInitCmdLine(wxCmdLineParser& parser) {
  wxApp::OnInitCmdLine(parser);
  parser.AddParam("project", wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
}

bool CCrtanjeApp::OnCmdLineParsed(wxCmdLineParser& parser) {
  if (parser.GetParamCount() > 0) m_fileToOpen = parser.GetParam(0);
  return wxApp::OnCmdLineParsed(parser);
}

bool CCrtanjeApp::OnInit() {
  SetAppName("quor");
  // The toolkit's own message boxes carry the same title as the editor's.
  SetAppDisplayName(kProgramName);
  if (!wxApp::OnInit()) return false;  // parses the command line

  m_instance = std::make_unique<SingleInstance>(DefaultInstancePaths());
  if (m_instance->IsAnotherRunning()) {
    if (m_instance->ActivateRunningInstance(std::string(m_fileToOpen.utf8_str()))) {
      // Handed over: end at once, and successfully.
      CallAfter([this] { ExitMainLoop(); });
      return true;
    }
    ShowStartupMessage("Cannot open more than one program instance at a time");
    return false;
  }
  if (!CSolverLibrary::Instance().IsLoaded()) {
    ShowStartupMessage("Could not load libTessmor.so");
    return false;
  }
  grid::RegisterGridClass(win::ThreadWindowSystem());

  m_profile = std::make_unique<FileProfile>(DefaultProfilePath());
  m_docManager = std::make_unique<ProjectDocManager>();
  LoadRecentFileList(*m_docManager->GetFileHistory(), m_profile->GetPath());
  if (!CreateMainFrame()) return false;
  // The template hands the documents the frame, so it comes after it.
  m_compute = std::make_unique<ComputeServices>(ComputeServices{
      CSolverLibrary::Instance(), m_computeWindows, ProgramDirectory(), viewer::ViewerLockPath()});
  m_services = std::make_unique<DocumentServices>(
      DocumentServices{m_messages, m_dialogs, *m_mainFrame, *m_profile, m_compute.get()});
  m_pDocTemplate = new CCrtanjeDocTemplate(m_docManager.get(), wxCLASSINFO(CCrtanjeView), *m_services);

  m_instance->Listen([this](const std::string& path) {
    if (m_mainFrame != nullptr) m_mainFrame->OnOpenFileAtom(path);
  });
  // Shown first: the project tabs take their menu bar from a shown frame.
  m_mainFrame->Show();
  // No empty project at start: only a named file is opened.
  if (!m_fileToOpen.empty() && m_docManager->CreateDocument(m_fileToOpen, wxDOC_SILENT) == nullptr) {
    m_mainFrame->Destroy();
    return false;
  }
  return true;
}

bool CCrtanjeApp::CreateMainFrame() {
  m_mainFrame = new CMainFrame(m_docManager.get(), *m_profile);
  if (!m_mainFrame->OnCreate()) {
    m_mainFrame->Destroy();
    m_mainFrame = nullptr;
    return false;
  }
  wxIcon icon;
  icon.CopyFromBitmap(wxBitmap(ProgramIcon()));
  m_mainFrame->SetIcon(icon);
  m_mainFrame->SetMenuBar(CreateMenuBar(MenuResource::NoProject, *m_docManager->GetFileHistory()));
  m_mainFrame->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == m_mainFrame) m_mainFrame = nullptr;
    event.Skip();
  });
  SetTopWindow(m_mainFrame);
  return true;
}

int CCrtanjeApp::OnExit() {
  if (m_docManager && m_profile) SaveRecentFileList(*m_docManager->GetFileHistory(), m_profile->GetPath());
  m_docManager.reset();
  m_services.reset();
  m_compute.reset();
  m_profile.reset();
  m_instance.reset();
  return wxApp::OnExit();
}

void CCrtanjeApp::OnAppAbout(wxCommandEvent&) {
  CAboutDlg dialog(GetTopWindow());
  dialog.ShowModal();
}

void CCrtanjeApp::OnHelpContents(wxCommandEvent&) {
  wxMessageBox("No help is available for QUOR on this system.", kTitle, wxOK | wxICON_INFORMATION,
               GetTopWindow());
}

void CCrtanjeApp::OnSettings(wxCommandEvent&) {
  EditSettings(nullptr, m_dialogs, *m_profile);
}

}  // namespace quor
