#include "editor/document/RoundToInt.h"

#include <cmath>
#include <limits>

namespace quor {

int RoundToInt(double x) {
  const double rounded = std::floor(x + 0.5);
  // A zoomed-in view can map far-away points beyond int: clamp instead of
  // converting out of range.
  if (std::isnan(rounded)) return 0;
  if (rounded <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (rounded >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(rounded);
}

}  // namespace quor
