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
  // Passes input on to the current editing tool; a refusal of the document
  // on the way is shown.
  void DispatchToTool(const std::function<void(CTool& tool, ToolView& view)>& call);
  const ViewTools& GetTools() const { return m_tools; }
  // The cursor the current tool asked for last.
  int GetToolCursor() const { return m_toolCursor; }

  // EditingView; Repaint also serves ViewHost.
  void SetActiveLayer(double z) override;
  void ClearSelection() override;
  void AddToSelection(CShape& shape) override;
  void Repaint() override;

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
  void DrawToolOverlay(DrawContext& dc) override;
  void BroadcastHint(UpdateHint hint, const void* payload) override;

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

  void OnToolCommand(wxCommandEvent& event);
  void OnUpdateToolCommand(wxUpdateUIEvent& event);
  void OnSubtract(wxCommandEvent& event);
  void OnUpdateSubtract(wxUpdateUIEvent& event);
  bool IsTwoPolygonsSelected() const;

  std::unique_ptr<ViewCore> m_core;
  ViewTools m_tools;
  int m_toolCursor = system_cursor::IDC_ARROW;
  CMainFrame* m_mainFrame = nullptr;
  ViewCanvas* m_canvas = nullptr;  // owned by the child frame
  // The window's metrics, fixed for its life.
  int m_logPixelsX = 0;
  int m_textHeight = 0;
  bool m_initialUpdateDone = false;

  wxDECLARE_DYNAMIC_CLASS(CCrtanjeView);
  wxDECLARE_EVENT_TABLE();
};

}  // namespace quor
