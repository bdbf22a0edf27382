#include "platform/win/WindowSystem.h"

#include <algorithm>
#include <cassert>

namespace quor::win {

WindowSystem& ThreadWindowSystem() {
  thread_local WindowSystem system;
  return system;
}

ATOM WindowSystem::RegisterClass(WindowClass windowClass) {
  if (m_classes.contains(windowClass.name)) return 0;
  const std::string name = windowClass.name;
  m_classes.emplace(name, std::move(windowClass));
  return m_nextAtom++;
}

std::unique_ptr<Window> WindowSystem::CreateWindowEx(const std::string& className, std::string text,
                                                     int width, int height, Window* parent, UINT id,
                                                     WindowHost* host) {
  const auto found = m_classes.find(className);
  if (found == m_classes.end()) return nullptr;
  auto window = std::make_unique<Window>(*this, found->second.proc, std::move(text), id, parent, host);
  window->SetWindowSize(width, height);
  if (SendMessage(window.get(), WM_CREATE, 0, 0) == -1) {
    // The window never came to life: it gets no WM_DESTROY, which would
    // otherwise reach whatever state its procedure keeps under its id.
    window->Discard();
    return nullptr;
  }
  return window;
}

void WindowSystem::Register(Window& window) {
  m_windows.push_back(&window);
}

void WindowSystem::Unregister(Window& window) {
  std::erase(m_windows, &window);
  std::erase_if(m_posted, [&](const PostedMessage& m) { return m.window == &window; });
  if (m_focus == &window) m_focus = nullptr;
  m_caret.Forget(window);
  for (Window* child : m_windows) {
    if (child->Parent() == &window) child->DetachParent();
  }
}

bool WindowSystem::Post(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
  m_posted.push_back({&window, message, wParam, lParam});
  Wake();
  return true;
}

void WindowSystem::Wake() const {
  if (m_wake) m_wake();
}

Window* WindowSystem::WindowNeedingPaint() const {
  const auto it = std::find_if(m_windows.begin(), m_windows.end(),
                               [](const Window* w) { return w->HasUpdateRegion() && !w->IsDestroyed(); });
  return it == m_windows.end() ? nullptr : *it;
}

void WindowSystem::PumpMessages() {
  for (;;) {
    if (!m_posted.empty()) {
      const PostedMessage m = m_posted.front();
      m_posted.pop_front();
      SendMessage(m.window, m.message, m.wParam, m.lParam);
      continue;
    }
    Window* window = WindowNeedingPaint();
    if (!window) return;
    SendMessage(window, WM_PAINT, 0, 0);
    // A procedure that does not validate would otherwise be painted forever.
    if (window->HasUpdateRegion()) window->ValidateAll();
  }
}

Window* WindowSystem::SetFocus(Window* window) {
  Window* previous = m_focus;
  if (previous == window) return previous;
  m_focus = window;
  if (previous) SendMessage(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
  // The window may have been given away again while the old one let go.
  if (window && m_focus == window) {
    SendMessage(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    if (window->Host()) window->Host()->FocusGiven();
  }
  return previous;
}

void WindowSystem::MessageBeep() {
  ++m_beeps;
  if (m_beepHandler) m_beepHandler();
}

LRESULT WindowSystem::SendKeyDown(Window& window, UINT virtualKey, int character) {
  m_pendingCharacter = character;
  m_keyPending = true;
  const LRESULT result = SendMessage(&window, WM_KEYDOWN, virtualKey, 0);
  m_keyPending = false;
  return result;
}

int WindowSystem::TranslateKey(UINT virtualKey) const {
  if (m_keyPending) return m_pendingCharacter;
  // Without a keyboard state: the unshifted keys of a US layout.
  if (virtualKey >= 'A' && virtualKey <= 'Z') return static_cast<int>(virtualKey - 'A' + 'a');
  if ((virtualKey >= '0' && virtualKey <= '9') || virtualKey == VK_SPACE) return static_cast<int>(virtualKey);
  if (virtualKey == VK_BACK || virtualKey == VK_RETURN || virtualKey == VK_ESCAPE || virtualKey == VK_TAB) {
    return static_cast<int>(virtualKey);
  }
  return -1;
}

}  // namespace quor::win
