#include "platform/win/Caret.h"

#include "platform/win/Window.h"

namespace quor::win {

void Caret::Create(Window& owner, int width, int height) {
  Destroy();
  m_owner = &owner;
  m_width = width;
  m_height = height;
  m_visible = false;  // a new caret starts hidden
  Changed();
}

void Caret::Destroy() {
  if (!m_owner) return;
  m_visible = false;
  Changed();
  m_owner = nullptr;
}

void Caret::Show(Window& window) {
  if (m_owner != &window || m_visible) return;
  m_visible = true;
  Changed();
}

void Caret::Hide(Window& window) {
  if (m_owner != &window || !m_visible) return;
  m_visible = false;
  Changed();
}

void Caret::SetPos(int x, int y) {
  if (m_x == x && m_y == y) return;
  m_x = x;
  m_y = y;
  Changed();
}

void Caret::Forget(const Window& window) {
  if (m_owner == &window) m_owner = nullptr;
}

void Caret::Changed() const {
  if (m_owner && m_owner->Host()) m_owner->Host()->CaretChanged();
}

}  // namespace quor::win
