// The editing view of a project: wx's view over the toolkit-free ViewCore,
// which does the mapping, zoom, grid, selection and painting. The view gives
// the core what it needs of the editor (window metrics, scroll bars,
// repaints, message boxes, the main frame's bars), hands it the document's
// hints, and handles the view's own commands. The bars see it as a BarView.
// The child frame and the canvas are made here, as wx's document/view
// expects of a view.
#pragma once

#include <wx/docview.h>

#include <functional>
#include <memory>

#include "editor/ui/CursorArt.h"
#include "editor/ui/bars/BarView.h"
#include "editor/ui/tools/ToolView.h"
#include "editor/ui/tools/ViewTools.h"
#include "editor/ui/view/ViewHost.h"

class wxMenu;

namespace quor {

class CMainFrame;
class ViewCanvas;
class ViewCore;
struct DocumentServices;

class CCrtanjeView : public wxView, public BarView, public ViewHost, public ToolView {
 public:
  CCrtanjeView();
  // Writes the view's profile values (through the core).
  ~CCrtanjeView() override;

  bool OnCreate(wxDocument* document, long flags) override;
  void OnDraw(wxDC* dc) override;
  void OnUpdate(wxView* sender, wxObject* hint) override;
  bool OnClose(bool deleteWindow) override;
  // The project has a new name (Save As): the titles show it.
  void OnChangeFilename() override;
  void OnActivateView(bool activate, wxView* activeView, wxView* deactiveView) override;

  // Null before OnCreate.
  ViewCore* GetCore() const { return m_core.get(); }
  // Null once the window is gone.
  ViewCanvas* GetCanvas() const { return m_canvas; }
  // The canvas says so when it goes first.
  void OnCanvasDestroyed() { m_canvas = nullptr; }

  // The mouse is over the client point: the info bar shows it in the
  // project's display unit.
  void ShowCoordinates(DevicePoint point);
  // A key went down in the view's window (a Win32 virtual key code).
  void OnKeyDown(unsigned key, int repeat, unsigned flags);
  // The context menu at a client point: what is hit there is selected and
  // the menu of its kind shown; the chosen command runs as from the menu bar.
  void OnContextMenu(DevicePoint point);
  // Shows a pop-up menu at a client point and returns the chosen command id
  // (wxID_NONE when dismissed). Tests put a script in its place.
  using PopupRunner = std::function<int(wxMenu& menu, DevicePoint point)>;
  void SetPopupRunner(PopupRunner runner) { m_popup = std::move(runner); }

  // The current editing tool's input, in the order the window reports it;
  // a refusal of the document on the way is shown (ViewToolInput.cpp).
  void ToolLButtonDown(unsigned flags, DevicePoint point);
  void ToolLButtonUp(unsigned flags, DevicePoint point);
  void ToolLButtonDblClk(unsigned flags, DevicePoint point);
  void ToolMouseMove(unsigned flags, DevicePoint point);
  void ToolKeyUp(unsigned key, int repeat, unsigned flags);
  void ToolKillFocus();
  // True when the tool has set the cursor.
  bool ToolSetCursor();
  const ViewTools& GetTools() const { return m_tools; }
  // The cursor the current tool asked for last.
  int GetToolCursor() const { return m_toolCursor; }

  // EditingView; Repaint also serves ViewHost.
  void SetActiveLayer(double z) override;
  void ClearSelection() override;
  void AddToSelection(CShape& shape) override;
  void Repaint() override;
  void CancelHeldGesture() override;

  // BarView.
  ProjectDocument& GetProjectDocument() const override;
  double GetActiveZ() const override;
  void RunViewCommand(int id) override;

  // ViewHost.
  int GetLogPixelsX() const override { return m_logPixelsX; }
  int GetTextHeight() const override { return m_textHeight; }
  DeviceSize GetScrollBarSizes() const override;
  void SetScrollBars(const ScrollBars& bars) override;
  void ShowMessage(const std::string& text) override;
  void CancelTool() override;
  void CancelToolForUndo() override;
  void DrawToolOverlay(DrawContext& dc) override;
  void BroadcastHint(const Hint& hint) override;
  void ToolKeyDown(unsigned key, int repeat, unsigned flags) override;
  void SetSelectTool() override;
  int GetToolCommandId() const override;
  const std::vector<ClipboardObject>& GetClipboard() const override;
  void SetClipboard(std::vector<ClipboardObject> objects) override;
  bool RunPolygonDialog(CConductorPolygon& polygon, double z, bool newPolygon) override;
  std::optional<int> AskConductorIndex(const std::string& text) override;

  // ToolView.
  ViewCore& Core() override { return *m_core; }
  void DrawXor(const std::function<void(DrawContext&)>& figure) override;
  void SetCursor(int cursorId) override;
  void SetMessageText(const std::string& text) override;
  void OnProperties() override;

 private:
  DocumentServices& Services() const;
  // The document's own values are taken once it has been read or made: at
  // the framework's update after reading, or else at the first activation.
  void EnsureInitialUpdate();

  // The command map: each of the view's commands with its enabling rule and
  // check mark (ViewCommands.cpp).
  void BindCommands();
  // Del pressed in another control of the main window reaches the menu bar's
  // Delete first; it is given to that control instead.
  bool IsDeleteKeyOfAnotherControl(const wxCommandEvent& event) const;
  void PassDeleteKeyOn();
  // Runs an action of the core; a refusal of the document is shown.
  void Guarded(const std::function<void(ViewCore&)>& action);
  // The tool commands with their check marks (ViewToolInput.cpp).
  void BindToolCommands();
  void DispatchToTool(const std::function<void(CTool& tool, ToolView& view)>& call);

  std::unique_ptr<ViewCore> m_core;
  ViewTools m_tools;
  int m_toolCursor = system_cursor::IDC_ARROW;
  CMainFrame* m_mainFrame = nullptr;
  ViewCanvas* m_canvas = nullptr;  // owned by the child frame
  // The window's metrics, fixed for its life.
  int m_logPixelsX = 0;
  int m_textHeight = 0;
  bool m_initialUpdateDone = false;
  PopupRunner m_popup;

  wxDECLARE_DYNAMIC_CLASS(CCrtanjeView);
};

}  // namespace quor
