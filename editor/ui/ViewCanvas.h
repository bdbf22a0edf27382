// The editing view's window. It keeps the view's picture in a back buffer of
// the client's size, draws the whole scene into it through the view's core
// when the scene has changed, and copies it to the screen; it passes size,
// scroll bar, wheel and mouse input on to the view and its core. Figures drawn in
// exclusive-or go onto the same buffer, so a figure drawn twice gives back
// every pixel, in the buffer and on the screen.
#pragma once

#include <wx/window.h>

#include <functional>

#include "platform/draw/BackBufferDrawContext.h"

class wxMenu;

namespace quor {

class CCrtanjeView;
class ViewCore;
struct ScrollBars;

class ViewCanvas : public wxWindow {
 public:
  ViewCanvas(wxWindow* parent, CCrtanjeView& view);
  ~ViewCanvas() override;

  // The view goes before its window: from then on nothing is drawn or passed on.
  void DetachView() { m_view = nullptr; }

  void SetScrollBars(const ScrollBars& bars);
  // The scene is drawn anew and shown at once.
  void Repaint();
  // Draws the figure on the picture with the exclusive-or raster operation
  // selected (pen and brush are the caller's to choose) and shows the changed
  // pixels at once. Drawing the same figure again takes them back.
  void DrawXor(const std::function<void(DrawContext&)>& figure);
  const BackBufferDrawContext& GetBuffer() const { return m_buffer; }
  // Shows a pop-up menu at a client point; the chosen id or wxID_NONE.
  int RunPopupMenu(wxMenu& menu, DevicePoint point);

 private:
  ViewCore* Core() const;
  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnScroll(wxScrollWinEvent& event);
  void OnMouseWheel(wxMouseEvent& event);
  void OnMouseMove(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnLeftDClick(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnKeyUp(wxKeyEvent& event);
  void OnKillFocus(wxFocusEvent& event);
  void OnSetCursor(wxSetCursorEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  // Tells the core the client size when it has changed.
  void SyncClientSize(ViewCore& core);
  // Brings the buffer to the client size and draws the scene into it; false
  // when no buffer of that size can be had.
  bool RenderScene(ViewCore& core);
  void Present(const DeviceRect& area);

  CCrtanjeView* m_view;
  BackBufferDrawContext m_buffer;
  bool m_sceneStale = true;
  bool m_rendering = false;
  // Wheel rotation short of a whole notch, from devices that scroll smoothly.
  int m_wheelRotation = 0;

  wxDECLARE_EVENT_TABLE();
};

}  // namespace quor
