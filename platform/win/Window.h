// A window of the Win32-style layer: control id, parent, text, size, both
// scroll bars and an update region. Its behaviour is its window procedure;
// what it shows goes through its WindowHost.
#pragma once

#include <functional>
#include <string>

#include "platform/win/WinTypes.h"
#include "platform/win/WindowHost.h"

namespace quor::win {

class Window;
class WindowSystem;

using WindowProc = std::function<LRESULT(Window&, UINT, WPARAM, LPARAM)>;

struct ScrollBarState {
  bool shown = false;
  int min = 0;
  int max = 100;
  int pos = 0;
};

class Window {
 public:
  Window(WindowSystem& system, WindowProc proc, std::string text, UINT id, Window* parent, WindowHost* host);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  WindowSystem& System() const { return m_system; }
  UINT Id() const { return m_id; }
  Window* Parent() const { return m_parent; }
  WindowHost* Host() const { return m_host; }
  const std::string& Text() const { return m_text; }
  void SetText(std::string text) { m_text = std::move(text); }
  bool IsEnabled() const { return m_enabled; }
  // Sends WM_ENABLE when the state changes.
  void EnableWindow(bool enable);

  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  // Sends WM_DESTROY once; later messages are not delivered.
  void Destroy();
  bool IsDestroyed() const { return m_destroyed; }
  // Ends the window without WM_DESTROY (its creation failed).
  void Discard() { m_destroyed = true; }
  void DetachParent() { m_parent = nullptr; }

  // The outer size; the client area is what the shown scroll bars leave.
  // WM_SIZE is sent whenever the client size changes.
  void SetWindowSize(int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;

  // A null rectangle means the whole client area.
  void InvalidateRect(const RECT* rect, bool erase);
  bool HasUpdateRegion() const { return m_updateValid; }
  const RECT& UpdateRect() const { return m_update; }
  bool UpdateErase() const { return m_updateErase; }
  void ValidateAll();
  // Paints at once when the update region is not empty.
  void UpdateWindow();

  void ShowScrollBar(int bar, bool show);
  void SetScrollRange(int bar, int min, int max);
  // The position is kept within the range; returns the previous one.
  int SetScrollPos(int bar, int pos);
  const ScrollBarState& ScrollBar(int bar) const { return bar == SB_VERT ? m_vertical : m_horizontal; }

  void SetCursor(CursorShape shape);

 private:
  ScrollBarState& Bar(int bar) { return bar == SB_VERT ? m_vertical : m_horizontal; }
  void ClientChanged(int oldWidth, int oldHeight);

  WindowSystem& m_system;
  WindowProc m_proc;
  std::string m_text;
  UINT m_id;
  Window* m_parent;
  WindowHost* m_host;
  bool m_enabled = true;
  bool m_destroyed = false;
  int m_width = 0;
  int m_height = 0;
  ScrollBarState m_horizontal;
  ScrollBarState m_vertical;
  RECT m_update;
  bool m_updateValid = false;
  bool m_updateErase = false;
};

LRESULT SendMessage(Window* window, UINT message, WPARAM wParam, LPARAM lParam);
// Queued on the window's system; delivered by WindowSystem::PumpMessages.
bool PostMessage(Window* window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);

// The device context of a window outside painting, for one scope.
class WindowDC {
 public:
  explicit WindowDC(Window& window);
  ~WindowDC();
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  DrawContext& dc() const { return m_dc; }

 private:
  WindowHost& m_host;
  DrawContext& m_dc;
};

// BeginPaint .. EndPaint: validates the update region, sends WM_ERASEBKGND
// when it asked for erasing, and draws through the host.
class PaintScope {
 public:
  explicit PaintScope(Window& window);
  ~PaintScope();
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  DrawContext& dc() const { return m_dc; }
  const RECT& PaintRect() const { return m_rect; }

 private:
  RECT m_rect;
  WindowHost& m_host;
  DrawContext& m_dc;
};

}  // namespace quor::win
