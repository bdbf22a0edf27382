// A world point of two doubles (internal units, y up), as the view's mapping
// from the screen yields it.
#pragma once

namespace quor {

struct Point2 {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const Point2&, const Point2&) = default;
};

}  // namespace quor
