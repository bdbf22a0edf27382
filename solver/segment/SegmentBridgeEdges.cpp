#include "solver/segment/SegmentBridgeEdges.h"

#include <cstddef>

#include "tessmor/Polygon.h"

namespace quor::solver {

void MarkBridgeEdges(Polygon& polygon, double tol) {
  const auto v = polygon.Vertices();
  const auto flags = polygon.Flags();
  const std::size_t n = v.size();
  for (std::size_t j = 0; j < n; ++j) {
    // Edge j is adjacent to edges j-1 and j+1; for j = 0 the last edge is j-1.
    const std::size_t lastK = j == 0 ? n - 2 : n - 1;
    for (std::size_t k = j + 2; k <= lastK; ++k) {
      const std::size_t jNext = (j + 1) % n;
      const std::size_t kNext = (k + 1) % n;
      if ((v[j] - v[kNext]).Length() < tol && (v[jNext] - v[k]).Length() < tol) {
        flags[j] = flags[jNext] = flags[k] = flags[kNext] = 1;
      }
    }
  }
}

}  // namespace quor::solver
