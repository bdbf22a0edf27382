// The viewer's main window: menu, accelerators and the command handler,
// around the OpenGL canvas; keeps its rectangle for the next start.
#pragma once

#include <wx/frame.h>

#include <filesystem>

#include "viewer/PlateStore.h"

class wxGLAttributes;

namespace quor::viewer {

class ViewerCanvas;
class ViewerScene;
struct WindowPlacement;

class ViewerFrame : public wxFrame {
 public:
  ViewerFrame(const WindowPlacement& placement, const wxGLAttributes& attributes, PlateStore plates,
              std::filesystem::path iniPath);

  // False when no rendering context could be made.
  bool HasContext() const;

 private:
  void OnCommand(wxCommandEvent& event);
  void OnUpdateCheck(wxUpdateUIEvent& event);
  void OnClose(wxCloseEvent& event);
  void OnMenuOpen(wxMenuEvent& event);
  void OnMenuClose(wxMenuEvent& event);
  void OnCharHook(wxKeyEvent& event);
  void Execute(int id, ViewerScene& scene);
  void CopyToClipboard();
  void SaveWindowRect() const;

  ViewerCanvas* m_canvas;  // owned by wx as a child window
  std::filesystem::path m_iniPath;
  int m_openMenus = 0;

  wxDECLARE_EVENT_TABLE();
};

}  // namespace quor::viewer
