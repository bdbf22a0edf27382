#include "viewer/ViewerApp.h"

#include <wx/gdicmn.h>
#include <wx/image.h>

#include <cstdlib>

#include "viewer/ListingReader.h"
#include "viewer/ViewerFiles.h"
#include "viewer/ViewerFrame.h"
#include "viewer/ViewerLock.h"
#include "viewer/ViewerMessage.h"
#include "viewer/ViewerPixelFormat.h"
#include "viewer/WindowPlacement.h"

namespace quor::viewer {

namespace {

const char kTitle[] = "3D Viewer";
// A display without a usable OpenGL format ends the program: it could show nothing.
constexpr int kPixelFormatFailure = 1;

}  // namespace

ViewerApp::ViewerApp() = default;
ViewerApp::~ViewerApp() = default;

bool ViewerApp::OnInit() {
  wxImage::AddHandler(new wxPNGHandler);  // bitmaps go to the clipboard as PNG; wx owns the handler
  // Whatever Start decides, the program runs on to OnRun, which returns the exit code.
  m_started = Start();
  if (!m_started) m_lock.reset();
  return true;
}

bool ViewerApp::Start() {
  m_lock = ViewerLock::Acquire(ViewerLockPath().string());
  if (!m_lock) {
    ShowViewerMessage("Cannot open more than one program instance at a time.", kTitle, wxICON_EXCLAMATION);
    return false;
  }
  const wxSize screen = wxGetDisplaySize();
  const std::filesystem::path iniPath = ViewerIniPath();
  const WindowPlacement placement = PlaceWindow(ReadWindowRect(iniPath.string()), screen.x, screen.y);

  // No listing named counts as a listing that cannot be read.
  PlateStore plates;
  if (argc < 2 || read_plate_list(std::string(argv[1].fn_str()), plates) != ListingStatus::Read) {
    ShowViewerMessage("Error in data transfer.", kTitle, wxICON_ERROR);
    return false;
  }

  const std::optional<wxGLAttributes> format = ChoosePixelFormat();
  if (!format) {
    ShowViewerMessage("ChoosePixelFormat failed", "Error", wxICON_NONE);
    m_exitCode = kPixelFormatFailure;
    return false;
  }
  auto* frame = new ViewerFrame(placement, *format, std::move(plates), iniPath);  // wx owns windows
  if (!frame->HasContext()) {
    ShowViewerMessage("SetPixelFormat failed", "Error", wxICON_NONE);
    frame->Destroy();
    m_exitCode = kPixelFormatFailure;
    return false;
  }
  frame->Show();
  return true;
}

int ViewerApp::OnRun() {
  return m_started ? wxApp::OnRun() : m_exitCode;
}

int ViewerApp::OnExit() {
  m_lock.reset();  // removes the lock file
  return wxApp::OnExit();
}

}  // namespace quor::viewer

wxIMPLEMENT_APP_NO_MAIN(quor::viewer::ViewerApp);

int main(int argc, char** argv) {
  setenv("GDK_BACKEND", "x11", 0);  // the OpenGL canvas draws through GLX, on X11 only
  return wxEntry(argc, argv);
}
