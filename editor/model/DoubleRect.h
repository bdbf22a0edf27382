// The bounding rectangle every shape keeps, in world units with y up. The
// field order top, bottom, left, right is the order used throughout the model.
#pragma once

namespace quor {

struct DoubleRect {
  double top = 0.0;     // largest y
  double bottom = 0.0;  // smallest y
  double left = 0.0;    // smallest x
  double right = 0.0;   // largest x

  // Brings a rectangle built from any two corners into the form above.
  void Normalize();
  void Union(const DoubleRect& other);

  friend bool operator==(const DoubleRect&, const DoubleRect&) = default;
};

}  // namespace quor
