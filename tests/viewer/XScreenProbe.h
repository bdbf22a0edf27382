// Looks at the X screen the way a user would: finds a top-level window by
// its title, gives it the keyboard and reads its pixels from the screen.
#pragma once

#include <wx/image.h>

#include <optional>
#include <string>

struct _XDisplay;

namespace quor::viewer::test {

struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

class XScreenProbe {
 public:
  XScreenProbe();
  ~XScreenProbe();
  XScreenProbe(const XScreenProbe&) = delete;
  XScreenProbe& operator=(const XScreenProbe&) = delete;

  bool Connected() const { return m_display != nullptr; }
  std::optional<ScreenRect> FindWindow(const std::string& title);
  void Focus(const std::string& title);
  wxImage Grab(const ScreenRect& rect);

 private:
  unsigned long FindWindowId(const std::string& title);

  _XDisplay* m_display;
};

}  // namespace quor::viewer::test
