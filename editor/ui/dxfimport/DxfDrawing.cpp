#include <algorithm>

#include "editor/ui/dxfimport/DxfDrawing.h"

namespace quor {

void DxfBox::Widen(double x, double y) {
  minX = std::min(minX, x);
  minY = std::min(minY, y);
  maxX = std::max(maxX, x);
  maxY = std::max(maxY, y);
}

}  // namespace quor
