#include "editor/ui/CMainFrame.h"

#include <wx/aui/auibar.h>
#include <wx/msgdlg.h>

#include <algorithm>
#include <iterator>

#include "editor/document/ProgramName.h"
#include "editor/model/CShape.h"
#include "editor/ui/Accelerators.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/DisplayFit.h"
#include "editor/ui/MainToolbars.h"
#include "editor/ui/ProjectDropTarget.h"
#include "editor/ui/UnbuiltCommands.h"
#include "editor/ui/WindowPlacement.h"
#include "editor/ui/bars/ActivatedViewHint.h"
#include "editor/ui/bars/CDlgLayers.h"
#include "editor/ui/bars/CDlgProjectTree.h"
#include "editor/ui/bars/CInfoBar.h"
#include "editor/ui/bars/CProjectBar.h"
#include "editor/ui/dxfimport/FileImport.h"
#include "platform/profile/ProfileStore.h"

namespace quor {

namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kTitle = kProgramName;
constexpr const char* kReady = "Ready";
constexpr int kFootprintPaneWidth = 80;
// Room a status pane needs beside its text, on each side.
constexpr int kStatusPaneMargin = 12;

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CMainFrame, wxDocMDIParentFrame)
  EVT_MENU(cmd::kViewStandardBar, CMainFrame::OnViewBar)
  EVT_UPDATE_UI(cmd::kViewStandardBar, CMainFrame::OnUpdateViewBar)
  EVT_MENU(cmd::kViewToolsBar, CMainFrame::OnViewBar)
  EVT_UPDATE_UI(cmd::kViewToolsBar, CMainFrame::OnUpdateViewBar)
  EVT_MENU(cmd::kViewComputeBar, CMainFrame::OnViewBar)
  EVT_UPDATE_UI(cmd::kViewComputeBar, CMainFrame::OnUpdateViewBar)
  EVT_MENU(cmd::kViewInfoBar, CMainFrame::OnViewBar)
  EVT_UPDATE_UI(cmd::kViewInfoBar, CMainFrame::OnUpdateViewBar)
  EVT_MENU(cmd::kViewLayers, CMainFrame::OnViewLayers)
  EVT_UPDATE_UI(cmd::kViewLayers, CMainFrame::OnUpdateViewLayers)
  EVT_MENU(cmd::kViewProjectBar, CMainFrame::OnViewProjectBar)
  EVT_UPDATE_UI(cmd::kViewProjectBar, CMainFrame::OnUpdateViewProjectBar)
  EVT_MENU(cmd::kProjectBarClose, CMainFrame::OnCloseProjectBar)
  EVT_MENU(cmd::kViewStatusBar, CMainFrame::OnViewStatusBar)
  EVT_UPDATE_UI(cmd::kViewStatusBar, CMainFrame::OnUpdateViewStatusBar)
  EVT_UPDATE_UI(cmd::kEditPaste, CMainFrame::OnUpdatePaste)
  EVT_UPDATE_UI(cmd::kEditPasteOriginal, CMainFrame::OnUpdatePaste)
wxEND_EVENT_TABLE()
    // clang-format on

    CMainFrame::CMainFrame(wxDocManager* manager, ProfileStore& profile)
    : wxDocMDIParentFrame(manager, nullptr, wxID_ANY, kTitle, wxDefaultPosition, wxSize(1000, 750),
                          wxDEFAULT_FRAME_STYLE | wxFRAME_NO_WINDOW_MENU, "QUORMainWndClass"),
      m_profile(profile),
      m_bars(this) {
  for (const int id : UnbuiltCommandIds()) Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateDisabled, this, id);
  for (const int id : ProjectCommandIds()) Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateDisabled, this, id);
  Bind(wxEVT_SIZE, &CMainFrame::OnSizeOrMove, this);
  Bind(wxEVT_MOVE, &CMainFrame::OnSizeOrMove, this);
  Bind(wxEVT_IDLE, &CMainFrame::OnIdle, this);
  BindFileImport(*this);
}

CMainFrame::~CMainFrame() {
  // The bars go with the frame's children; no hint may reach them after this.
  m_hintReceivers = {};
  SaveBarSettings();
  FreeClipboard();
  m_bars.UnInit();
}

bool CMainFrame::OnCreate() {
  LoadBarSettings();
  if (m_bShowLayers) CreateLayersWindow();
  if (!CreateToolbars()) {
    wxMessageBox("Failed to create toolbar", kTitle, wxOK, this);
    return false;
  }
  if (CreateStatusBar(2) == nullptr) {
    wxMessageBox("Failed to create status bar", kTitle, wxOK, this);
    return false;
  }
  const int widths[] = {-1, kFootprintPaneWidth};
  SetStatusWidths(static_cast<int>(std::size(widths)), widths);
  SetStatusText(kReady, 0);
  SetAcceleratorTable(CreateAcceleratorTable());
  SetDropTarget(new ProjectDropTarget(*GetDocumentManager()));
  ApplyPlacement();
  return true;
}

void CMainFrame::LoadBarSettings() {
  m_bShowProjectBar = m_profile.GetProfileInt(kSection, "ShowProjectBar", 1) != 0;
  m_bShowLayers = m_profile.GetProfileInt(kSection, "ShowLayers", 1) != 0;
}

void CMainFrame::SaveBarSettings() {
  m_profile.WriteProfileInt(kSection, "ShowProjectBar", m_bShowProjectBar ? 1 : 0);
  m_profile.WriteProfileInt(kSection, "ShowLayers", m_bShowLayers ? 1 : 0);
  if (m_normalRect.IsEmpty()) return;
  // Stored as shown normally, so a frame closed maximised reopens restored.
  WindowPlacement placement;
  placement.showCmd = SW_SHOWNORMAL;
  placement.left = m_normalRect.GetLeft();
  placement.top = m_normalRect.GetTop();
  placement.right = m_normalRect.GetRight() + 1;
  placement.bottom = m_normalRect.GetBottom() + 1;
  m_profile.WriteProfileBinary(kSection, "Position", placement.Pack());
}

bool CMainFrame::CreateToolbars() {
  m_standardBar = CreateToolbar(this, ToolbarResource::Standard);
  m_toolsBar = CreateToolbar(this, ToolbarResource::Tools);
  m_computeBar = CreateToolbar(this, ToolbarResource::Compute);
  if (m_standardBar == nullptr || m_toolsBar == nullptr || m_computeBar == nullptr) return false;
  // Two rows at the top: Standard then Compute, and Tools then the info bar.
  m_bars.AddPane(m_standardBar,
                 wxAuiPaneInfo().Name("Standard").Caption("Standard").ToolbarPane().Top().Row(0).Position(0));
  m_bars.AddPane(m_computeBar, wxAuiPaneInfo()
                                   .Name("Compute")
                                   .Caption("Compute")
                                   .ToolbarPane()
                                   .Top()
                                   .Row(0)
                                   .Position(1)
                                   .LeftDockable(false)
                                   .RightDockable(false)
                                   .BottomDockable(false));
  m_bars.AddPane(m_toolsBar,
                 wxAuiPaneInfo().Name("Tools").Caption("Tools").ToolbarPane().Top().Row(1).Position(0));
  CreateBars();
  m_bars.AddPane(GetClientWindow(), wxAuiPaneInfo().Name("Projects").CenterPane());
  m_bars.Update();
  return true;
}

void CMainFrame::CreateBars() {
  m_infoBar = new CInfoBar(this);
  m_bars.AddPane(m_infoBar, wxAuiPaneInfo()
                                .Name("Info")
                                .Caption("Info")
                                .ToolbarPane()
                                .Top()
                                .Row(1)
                                .Position(1)
                                .LeftDockable(false)
                                .RightDockable(false)
                                .BottomDockable(false));
  m_infoBar->SetCoordinates(0, 0);
  m_projectBar = new CProjectBar(this, *this, cmd::kProjectBarClose);
  m_bars.AddPane(m_projectBar, wxAuiPaneInfo()
                                   .Name("ProjectBar")
                                   .Caption("Project Bar")
                                   .CaptionVisible(false)
                                   .Left()
                                   .Layer(1)
                                   .BestSize(CProjectBar::kWidth, -1)
                                   .MinSize(CProjectBar::kWidth, -1)
                                   .Show(m_bShowProjectBar));
  SetHintReceiver(HintSlot::ProjectTree, &m_projectBar->GetTree());
  SetHintReceiver(HintSlot::InfoBar, m_infoBar);
}

void CMainFrame::CreateLayersWindow() {
  m_pLayersWnd = new CDlgLayers(this, m_profile, cmd::kViewLayers);
  SetHintReceiver(HintSlot::LayersWindow, m_pLayersWnd);
  m_pLayersWnd->Show();
}

void CMainFrame::DestroyLayersWindow() {
  SetHintReceiver(HintSlot::LayersWindow, nullptr);
  if (m_pLayersWnd != nullptr) m_pLayersWnd->Destroy();
  m_pLayersWnd = nullptr;
}

void CMainFrame::ShowProjectBar(bool show) {
  m_bShowProjectBar = show;
  m_bars.GetPane(m_projectBar).Show(show);
  m_bars.Update();
}

void CMainFrame::ApplyPlacement() {
  const std::optional<std::vector<std::uint8_t>> bytes = m_profile.GetProfileBinary(kSection, "Position");
  if (!bytes) return;
  const std::optional<WindowPlacement> placement = WindowPlacement::Unpack(*bytes);
  if (!placement) return;
  SetSize(FitRectToDisplay(placement->left, placement->top, placement->right, placement->bottom));
  TrackNormalRect();
  if (placement->showCmd == SW_SHOWMAXIMIZED) Maximize();
  if (placement->showCmd == SW_SHOWMINIMIZED) Iconize();
}

void CMainFrame::TrackNormalRect() {
  if (!IsMaximized() && !IsIconized()) m_normalRect = GetRect();
}

void CMainFrame::OnSizeOrMove(wxEvent& event) {
  TrackNormalRect();
  event.Skip();
}

void CMainFrame::OnIdle(wxIdleEvent& event) {
  // wx swaps the active tab's menu bar in at idle time, a step per pass; keep
  // the passes coming until it is shown, not until the next user input.
  const wxMDIChildFrame* child = GetActiveChild();
  if (child != nullptr && child->GetMenuBar() != nullptr && !child->GetMenuBar()->IsShown()) {
    event.RequestMore();
  }
  event.Skip();
}

void CMainFrame::BroadcastHint(const Hint& hint) {
  for (std::size_t slot = 0; slot < m_hintReceivers.size(); ++slot) {
    BarHintReceiver* receiver = m_hintReceivers[slot];
    if (receiver == nullptr) continue;
    if (slot == std::size_t(HintSlot::LayersWindow) && !m_bShowLayers) continue;
    receiver->OnHint(hint);
  }
}

void CMainFrame::SetHintReceiver(HintSlot slot, BarHintReceiver* receiver) {
  m_hintReceivers[std::size_t(slot)] = receiver;
}

void CMainFrame::SetStatusText(const std::string& text) {
  const wxString shown = wxString::FromUTF8(text);
  if (wxStatusBar* bar = GetStatusBar()) {
    // The pane grows to its text ("1000 x 500" and longer), with the
    // toolkit's room around it and the size grip the last pane carries.
    const int needed = bar->GetTextExtent(shown).x + 2 * kStatusPaneMargin + bar->GetSize().y;
    const int widths[] = {-1, std::max(kFootprintPaneWidth, needed)};
    bar->SetStatusWidths(static_cast<int>(std::size(widths)), widths);
  }
  SetStatusText(shown, 1);
  if (wxStatusBar* bar = GetStatusBar()) bar->Update();
}

void CMainFrame::DoGiveHelp(const wxString& text, bool show) {
  wxStatusBar* bar = GetStatusBar();
  const wxString shown = show && !text.empty() ? text : wxString(kReady);
  if (bar != nullptr && bar->GetStatusText(0) != shown) bar->SetStatusText(shown, 0);
}

void CMainFrame::SetClipboard(std::vector<ClipboardObject> objects) {
  FreeClipboard();
  m_clipboardObjects = std::move(objects);
  m_clipboardCount = static_cast<int>(m_clipboardObjects.size());
}

void CMainFrame::FreeClipboard() {
  if (m_clipboardCount == 0) return;
  m_clipboardObjects.clear();
  m_clipboardCount = 0;
}

void CMainFrame::OnOpenFileAtom(const std::string& path) {
  if (IsIconized()) Iconize(false);
  Raise();
  // The framework's open road: an open project is only activated.
  if (!path.empty()) GetDocumentManager()->CreateDocument(wxString::FromUTF8(path), wxDOC_SILENT);
}

void CMainFrame::UpdateFrameTitle(const wxDocument* activeDocument) {
  if (activeDocument == nullptr) {
    SetTitle(kTitle);
    return;
  }
  SetTitle(wxString(kTitle) + " - " + activeDocument->GetUserReadableName());
}

wxWindow* CMainFrame::BarOfCommand(int id) const {
  if (id == cmd::kViewStandardBar) return m_standardBar;
  if (id == cmd::kViewToolsBar) return m_toolsBar;
  if (id == cmd::kViewInfoBar) return m_infoBar;
  return m_computeBar;
}

void CMainFrame::OnViewBar(wxCommandEvent& event) {
  wxAuiPaneInfo& pane = m_bars.GetPane(BarOfCommand(event.GetId()));
  pane.Show(!pane.IsShown());
  m_bars.Update();
}

void CMainFrame::OnUpdateViewBar(wxUpdateUIEvent& event) {
  event.Check(m_bars.GetPane(BarOfCommand(event.GetId())).IsShown());
}

void CMainFrame::OnViewLayers(wxCommandEvent&) {
  m_bShowLayers = !m_bShowLayers;
  if (!m_bShowLayers) {
    DestroyLayersWindow();
    return;
  }
  CreateLayersWindow();
  // The new window fills itself from the active project's view at once.
  if (wxView* view = GetDocumentManager()->GetCurrentView()) m_pLayersWnd->OnHint(ActivatedViewHint(view));
}

void CMainFrame::OnUpdateViewLayers(wxUpdateUIEvent& event) {
  event.Check(m_bShowLayers);
}

void CMainFrame::OnViewProjectBar(wxCommandEvent&) {
  ShowProjectBar(!m_bShowProjectBar);
}

void CMainFrame::OnUpdateViewProjectBar(wxUpdateUIEvent& event) {
  event.Check(m_bShowProjectBar);
}

void CMainFrame::OnCloseProjectBar(wxCommandEvent&) {
  ShowProjectBar(false);
}

void CMainFrame::OnViewStatusBar(wxCommandEvent&) {
  wxStatusBar* bar = GetStatusBar();
  if (bar == nullptr) return;
  bar->Show(!bar->IsShown());
  SendSizeEvent();
}

void CMainFrame::OnUpdateViewStatusBar(wxUpdateUIEvent& event) {
  event.Check(GetStatusBar() != nullptr && GetStatusBar()->IsShown());
}

void CMainFrame::OnUpdatePaste(wxUpdateUIEvent& event) {
  event.Enable(m_clipboardCount >= 1);
}

void CMainFrame::OnUpdateDisabled(wxUpdateUIEvent& event) {
  event.Enable(false);
}

}  // namespace quor
