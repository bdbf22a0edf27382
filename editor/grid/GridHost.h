// A wx window that owns one grid control: turns wx paint, size, key,
// mouse, focus and scroll events into the grid's messages, shows the grid's
// back buffer, its scroll bars and caret, and hands the grid's notifications
// to its wx parent as QUOR_EVT_GRID_NOTIFY command events (GetInt() = the
// notification code, GetExtraLong() = its lParam).
#pragma once

#include <wx/event.h>
#include <wx/window.h>

#include <memory>
#include <string>

#include "platform/draw/BackBufferDrawContext.h"
#include "platform/win/Window.h"

class wxScrollBar;

namespace quor::win {
class WindowSystem;
}

wxDECLARE_EVENT(QUOR_EVT_GRID_NOTIFY, wxCommandEvent);

namespace quor::grid {

class GridHost : public wxWindow, private win::WindowHost {
 public:
  // The "grid" class must be registered on the system (RegisterGridClass).
  GridHost(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size,
           const std::string& title = "");
  ~GridHost() override;

  win::LRESULT Send(win::UINT message, win::WPARAM wParam = 0, win::LPARAM lParam = 0);
  win::Window& GridWindow() const { return *m_grid; }
  const BackBufferDrawContext& Buffer() const { return m_buffer; }
  // The grid hears of it as WM_ENABLE.
  bool Enable(bool enable = true) override;

 private:
  DrawContext& BeginDraw() override;
  void EndDraw() override;
  void ScrollBarsChanged() override;
  void SetCursorShape(win::CursorShape shape) override;
  void CaretChanged() override;
  void FocusGiven() override;

  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnCharHook(wxKeyEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnMouse(wxMouseEvent& event);
  void OnSetFocus(wxFocusEvent& event);
  void OnKillFocus(wxFocusEvent& event);
  void OnScroll(wxScrollEvent& event);
  void SendKey(win::UINT virtualKey, int character, int navigation = wxNavigationKeyEvent::IsForward);
  // The grid's answer to a dialog asking whether it wants the key.
  win::LRESULT DialogCode(win::UINT virtualKey);
  // Runs what the grid queued and follows the focus the grid gave away, in
  // the direction of wx navigation given.
  void Pump(int navigation = wxNavigationKeyEvent::IsForward);
  win::LRESULT ForwardNotification(win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
  wxRect CaretRect() const;

  win::WindowSystem& m_system;
  BackBufferDrawContext m_buffer;
  // Stands in for the parent window on the grid's side of the layer.
  std::unique_ptr<win::Window> m_parentProxy;
  std::unique_ptr<win::Window> m_grid;
  wxScrollBar* m_horizontal = nullptr;  // owned by wx as children
  wxScrollBar* m_vertical = nullptr;
  wxRect m_caretShown;
  int m_drawDepth = 0;
  bool m_closing = false;

  wxDECLARE_EVENT_TABLE();
};

}  // namespace quor::grid
