#include "viewer/WindowPlacement.h"

#include <array>
#include <cmath>
#include <fstream>
#include <locale>

namespace quor::viewer {

namespace {

constexpr double kMinWidth = 300.0;   // widths up to this are refused
constexpr double kMinHeight = 120.0;  // heights up to this are refused

}  // namespace

WindowRect ReadWindowRect(const std::string& path) {
  WindowRect rect;
  std::ifstream in(path);
  if (!in) return rect;
  in.imbue(std::locale::classic());
  std::array<double*, 4> fields{&rect.x, &rect.y, &rect.width, &rect.height};
  for (double* field : fields) {
    double value = 0.0;
    if (!(in >> value) || !std::isfinite(value)) break;
    *field = value;
  }
  return rect;
}

bool WriteWindowRect(const std::string& path, int x, int y, int width, int height) {
  std::ofstream out(path, std::ios::trunc);
  if (!out) return false;
  out.imbue(std::locale::classic());
  out << x << '\n' << y << '\n' << width << '\n' << height << '\n';
  out.close();
  return !out.fail();
}

WindowPlacement PlaceWindow(const WindowRect& rect, int screenWidth, int screenHeight) {
  WindowPlacement placement;
  // With the size missing the first two tests pass any position, so a
  // position beyond the screen is refused on its own as well.
  const bool offScreen = rect.y >= screenHeight - rect.height || rect.x >= screenWidth - rect.width ||
                         rect.x <= 0.0 || rect.y <= 0.0 || rect.x >= screenWidth || rect.y >= screenHeight;
  if (!offScreen) {
    placement.defaultPosition = false;
    placement.x = static_cast<int>(rect.x);
    placement.y = static_cast<int>(rect.y);
  }
  const bool badSize = rect.width >= screenWidth || rect.height >= screenHeight || rect.width <= kMinWidth ||
                       rect.height <= kMinHeight;
  if (!badSize) {
    placement.defaultSize = false;
    placement.width = static_cast<int>(rect.width);
    placement.height = static_cast<int>(rect.height);
  }
  return placement;
}

}  // namespace quor::viewer
