// The per-thread side of the window layer: registered window classes, the
// live windows, the posted-message queue, keyboard focus, the caret, the
// default beep and key translation. Paint messages are generated only when
// the posted queue is empty, as the Win32 message loop does.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/Caret.h"
#include "platform/win/Window.h"

namespace quor::win {

struct WindowClass {
  std::string name;
  UINT style = 0;
  WindowProc proc;
};

class WindowSystem {
 public:
  WindowSystem() = default;
  WindowSystem(const WindowSystem&) = delete;
  WindowSystem& operator=(const WindowSystem&) = delete;

  // 0 when a class of that name exists already, else the class atom.
  ATOM RegisterClass(WindowClass windowClass);
  // Sends WM_CREATE; a window whose WM_CREATE answers -1 is discarded and
  // null is returned. Destroying the returned window sends WM_DESTROY.
  std::unique_ptr<Window> CreateWindowEx(const std::string& className, std::string text, int width,
                                         int height, Window* parent, UINT id, WindowHost* host);

  bool Post(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
  // Delivers posted messages, and paint messages whenever none is queued,
  // until there is nothing left to do.
  void PumpMessages();
  std::size_t PostedCount() const { return m_posted.size(); }
  // Called whenever a message is posted or a window invalidated, so that a
  // toolkit can schedule PumpMessages.
  void SetWakeHandler(std::function<void()> wake) { m_wake = std::move(wake); }
  void Wake() const;

  // Sends WM_KILLFOCUS to the old focus and WM_SETFOCUS to the new one.
  Window* SetFocus(Window* window);
  Window* GetFocus() const { return m_focus; }

  Caret& SystemCaret() { return m_caret; }

  void MessageBeep();
  int BeepCount() const { return m_beeps; }
  void SetBeepHandler(std::function<void()> beep) { m_beepHandler = std::move(beep); }

  // Key translation for the key being sent: the character the keyboard
  // state gives for it, or -1 when it gives none.
  LRESULT SendKeyDown(Window& window, UINT virtualKey, int character);
  int TranslateKey(UINT virtualKey) const;

  int ScrollBarThickness() const { return m_scrollBarThickness; }
  void SetScrollBarThickness(int pixels) { m_scrollBarThickness = pixels; }

  // Bookkeeping of Window's constructor and destructor.
  void Register(Window& window);
  void Unregister(Window& window);

 private:
  struct PostedMessage {
    Window* window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };

  Window* WindowNeedingPaint() const;

  std::map<std::string, WindowClass> m_classes;
  std::vector<Window*> m_windows;
  std::deque<PostedMessage> m_posted;
  std::function<void()> m_wake;
  std::function<void()> m_beepHandler;
  Window* m_focus = nullptr;
  Caret m_caret;
  int m_beeps = 0;
  int m_pendingCharacter = -1;
  bool m_keyPending = false;
  int m_scrollBarThickness = 17;
  ATOM m_nextAtom = 0xC000;
};

// The window system of the calling thread, as the platform keeps one
// message queue per thread; tests make their own WindowSystem instead.
WindowSystem& ThreadWindowSystem();

}  // namespace quor::win
