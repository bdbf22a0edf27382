// The viewer's window rectangle as it is kept between runs (four numbers,
// one a line: x, y, width, height, frame included) and the checks that
// decide whether a kept rectangle is used.
#pragma once

#include <string>

namespace quor::viewer {

// Stands for "let the system choose", as the stored defaults have it.
constexpr double kUseDefault = -2147483648.0;

struct WindowRect {
  double x = kUseDefault;
  double y = 0.0;
  double width = kUseDefault;
  double height = 0.0;
};

struct WindowPlacement {
  bool defaultPosition = true;
  int x = 0;
  int y = 0;
  bool defaultSize = true;
  int width = 0;
  int height = 0;
};

// Values that are missing, unreadable or not finite keep their defaults, and
// so do all values after them.
WindowRect ReadWindowRect(const std::string& path);

// Writes the rectangle whole; false when the file cannot be written.
bool WriteWindowRect(const std::string& path, int x, int y, int width, int height);

// A position that would put the window off the screen or at its very edge
// and a size that is too large or too small are left to the system.
WindowPlacement PlaceWindow(const WindowRect& rect, int screenWidth, int screenHeight);

}  // namespace quor::viewer
