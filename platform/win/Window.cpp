#include "platform/win/Window.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "platform/win/WindowSystem.h"

namespace quor::win {

Window::Window(WindowSystem& system, WindowProc proc, std::string text, UINT id, Window* parent,
               WindowHost* host)
    : m_system(system),
      m_proc(std::move(proc)),
      m_text(std::move(text)),
      m_id(id),
      m_parent(parent),
      m_host(host) {
  m_system.Register(*this);
}

Window::~Window() {
  Destroy();
  m_system.Unregister(*this);
}

void Window::Destroy() {
  if (m_destroyed) return;
  if (m_system.GetFocus() == this) m_system.SetFocus(nullptr);
  m_destroyed = true;
  m_proc(*this, WM_DESTROY, 0, 0);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_destroyed) return 0;
  return m_proc(*this, message, wParam, lParam);
}

void Window::EnableWindow(bool enable) {
  if (m_enabled == enable) return;
  m_enabled = enable;
  Dispatch(WM_ENABLE, enable ? 1 : 0, 0);
}

int Window::ClientWidth() const {
  return std::max(0, m_width - (m_vertical.shown ? m_system.ScrollBarThickness() : 0));
}

int Window::ClientHeight() const {
  return std::max(0, m_height - (m_horizontal.shown ? m_system.ScrollBarThickness() : 0));
}

void Window::SetWindowSize(int width, int height) {
  const int oldWidth = ClientWidth();
  const int oldHeight = ClientHeight();
  m_width = std::max(0, width);
  m_height = std::max(0, height);
  ClientChanged(oldWidth, oldHeight);
}

void Window::ClientChanged(int oldWidth, int oldHeight) {
  const int width = ClientWidth();
  const int height = ClientHeight();
  if (width == oldWidth && height == oldHeight) return;
  Dispatch(WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(width), static_cast<WORD>(height)));
}

void Window::InvalidateRect(const RECT* rect, bool erase) {
  const RECT client{0, 0, ClientWidth(), ClientHeight()};
  RECT r = rect ? *rect : client;
  r = {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, client.right),
       std::min(r.bottom, client.bottom)};
  if (r.left >= r.right || r.top >= r.bottom) return;
  if (m_updateValid) {
    r = {std::min(r.left, m_update.left), std::min(r.top, m_update.top), std::max(r.right, m_update.right),
         std::max(r.bottom, m_update.bottom)};
  }
  m_update = r;
  m_updateValid = true;
  m_updateErase = m_updateErase || erase;
  m_system.Wake();
}

void Window::ValidateAll() {
  m_updateValid = false;
  m_updateErase = false;
  m_update = {};
}

void Window::UpdateWindow() {
  if (m_updateValid) Dispatch(WM_PAINT, 0, 0);
  if (m_updateValid) ValidateAll();
}

void Window::ShowScrollBar(int bar, bool show) {
  if (Bar(bar).shown == show) return;
  const int oldWidth = ClientWidth();
  const int oldHeight = ClientHeight();
  Bar(bar).shown = show;
  if (m_host) m_host->ScrollBarsChanged();
  ClientChanged(oldWidth, oldHeight);
}

void Window::SetScrollRange(int bar, int min, int max) {
  ScrollBarState& state = Bar(bar);
  state.min = min;
  state.max = max;
  state.pos = std::clamp(state.pos, min, std::max(min, max));
  if (m_host) m_host->ScrollBarsChanged();
}

int Window::SetScrollPos(int bar, int pos) {
  ScrollBarState& state = Bar(bar);
  const int previous = state.pos;
  state.pos = std::clamp(pos, state.min, std::max(state.min, state.max));
  if (m_host && state.pos != previous) m_host->ScrollBarsChanged();
  return previous;
}

void Window::SetCursor(CursorShape shape) {
  if (m_host) m_host->SetCursorShape(shape);
}

LRESULT SendMessage(Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
  return window ? window->Dispatch(message, wParam, lParam) : 0;
}

bool PostMessage(Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
  return window && window->System().Post(*window, message, wParam, lParam);
}

LRESULT DefWindowProc(Window& window, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      window.SetText(lParam ? reinterpret_cast<const char*>(lParam) : "");
      return 1;
    case WM_PAINT:
      if (window.Host()) {
        PaintScope paint(window);
      } else {
        window.ValidateAll();
      }
      return 0;
    default:
      return 0;
  }
}

namespace {

WindowHost& HostOf(Window& window) {
  assert(window.Host() && "only a window with a host can be painted");
  return *window.Host();
}

RECT TakeUpdate(Window& window) {
  const RECT rect = window.UpdateRect();
  const bool erase = window.UpdateErase();
  window.ValidateAll();
  if (erase) window.Dispatch(WM_ERASEBKGND, 0, 0);
  return rect;
}

}  // namespace

WindowDC::WindowDC(Window& window) : m_host(HostOf(window)), m_dc(m_host.BeginDraw()) {}

WindowDC::~WindowDC() {
  m_host.EndDraw();
}

PaintScope::PaintScope(Window& window)
    : m_rect(TakeUpdate(window)), m_host(HostOf(window)), m_dc(m_host.BeginDraw()) {}

PaintScope::~PaintScope() {
  m_host.EndDraw();
}

}  // namespace quor::win
