// The editor's main frame: the multiple-document frame with its toolbars and
// status bar, the relay of the documents' update hints to the bars, the
// internal clipboard shared by all open projects, and the profile values it
// keeps between runs.
#pragma once

#include <wx/aui/framemanager.h>
#include <wx/docmdi.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "editor/document/ClipboardObject.h"
#include "editor/document/MainFrameLink.h"
#include "editor/ui/BarHintReceiver.h"

class wxAuiToolBar;

namespace quor {

class CDlgLayers;
class CInfoBar;
class CProjectBar;
class ProfileStore;

class CMainFrame : public wxDocMDIParentFrame, public MainFrameLink {
 public:
  // The bars that receive hints, in the order they receive them.
  enum class HintSlot { LayersWindow, ProjectTree, InfoBar };

  CMainFrame(wxDocManager* manager, ProfileStore& profile);
  ~CMainFrame() override;

  // Creates the bars and applies the saved placement; false (after any
  // message) when the frame cannot be used.
  bool OnCreate();

  void BroadcastHint(const Hint& hint) override;
  // Pane 1: the active document's footprint size.
  void SetStatusText(const std::string& text) override;
  using wxDocMDIParentFrame::SetStatusText;
  // Pane 0: the prompt of the highlighted menu item or toolbar button, else "Ready".
  void DoGiveHelp(const wxString& text, bool show) override;

  // A bar registers itself here when it is created and null when it goes.
  void SetHintReceiver(HintSlot slot, BarHintReceiver* receiver);

  // Takes the objects of a Copy or Cut; the previous ones are deleted.
  void SetClipboard(std::vector<ClipboardObject> objects);
  void FreeClipboard();
  const std::vector<ClipboardObject>& GetClipboard() const { return m_clipboardObjects; }
  int GetClipboardCount() const { return m_clipboardCount; }

  // A later start of the editor asked for this file (empty: only come forward).
  void OnOpenFileAtom(const std::string& path);

  // "QUOR - <document>" while a project window is active, else "QUOR".
  void UpdateFrameTitle(const wxDocument* activeDocument);

  bool IsShowProjectBar() const { return m_bShowProjectBar; }
  bool IsShowLayers() const { return m_bShowLayers; }
  CInfoBar* GetInfoBar() const { return m_infoBar; }
  CProjectBar* GetProjectBar() const { return m_projectBar; }
  CDlgLayers* GetLayersWindow() const { return m_pLayersWnd; }

 private:
  void LoadBarSettings();
  void SaveBarSettings();
  bool CreateToolbars();
  void CreateBars();
  void CreateLayersWindow();
  void DestroyLayersWindow();
  void ShowProjectBar(bool show);
  void ApplyPlacement();
  void TrackNormalRect();
  wxWindow* BarOfCommand(int id) const;

  void OnViewBar(wxCommandEvent& event);
  void OnUpdateViewBar(wxUpdateUIEvent& event);
  void OnViewLayers(wxCommandEvent& event);
  void OnUpdateViewLayers(wxUpdateUIEvent& event);
  void OnViewProjectBar(wxCommandEvent& event);
  void OnUpdateViewProjectBar(wxUpdateUIEvent& event);
  void OnCloseProjectBar(wxCommandEvent& event);
  void OnViewStatusBar(wxCommandEvent& event);
  void OnUpdateViewStatusBar(wxUpdateUIEvent& event);
  void OnUpdatePaste(wxUpdateUIEvent& event);
  // Reached only when no project's view or document has answered.
  void OnUpdateDisabled(wxUpdateUIEvent& event);
  void OnSizeOrMove(wxEvent& event);
  void OnIdle(wxIdleEvent& event);

  bool m_bShowProjectBar = true;
  bool m_bShowLayers = true;
  ProfileStore& m_profile;
  wxAuiManager m_bars;
  wxAuiToolBar* m_standardBar = nullptr;
  wxAuiToolBar* m_toolsBar = nullptr;
  wxAuiToolBar* m_computeBar = nullptr;
  CInfoBar* m_infoBar = nullptr;
  CProjectBar* m_projectBar = nullptr;
  CDlgLayers* m_pLayersWnd = nullptr;  // owned by wx while shown
  std::array<BarHintReceiver*, 3> m_hintReceivers{};
  wxRect m_normalRect;
  int m_clipboardCount = 0;
  std::vector<ClipboardObject> m_clipboardObjects;

  wxDECLARE_EVENT_TABLE();
};

}  // namespace quor
