#include "editor/model/DoubleRect.h"

#include <algorithm>
#include <utility>

namespace quor {

void DoubleRect::Normalize() {
  if (right < left) std::swap(left, right);
  if (top < bottom) std::swap(top, bottom);
}

void DoubleRect::Union(const DoubleRect& other) {
  top = std::max(top, other.top);
  bottom = std::min(bottom, other.bottom);
  left = std::min(left, other.left);
  right = std::max(right, other.right);
}

}  // namespace quor
