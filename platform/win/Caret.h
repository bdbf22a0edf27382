// The one caret of the window layer: owned by one window at a time,
// shown or hidden by a flag (not by a count of hides).
#pragma once

namespace quor::win {

class Window;

class Caret {
 public:
  void Create(Window& owner, int width, int height);
  void Destroy();
  void Show(Window& window);
  void Hide(Window& window);
  void SetPos(int x, int y);
  // A destroyed window loses the caret without notification.
  void Forget(const Window& window);

  const Window* Owner() const { return m_owner; }
  bool Visible() const { return m_owner != nullptr && m_visible; }
  int X() const { return m_x; }
  int Y() const { return m_y; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }

 private:
  void Changed() const;

  Window* m_owner = nullptr;
  bool m_visible = false;
  int m_x = 0;
  int m_y = 0;
  int m_width = 0;
  int m_height = 0;
};

}  // namespace quor::win
