#include "viewer/SceneScaling.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quor::viewer {

namespace {

struct Range {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();

  void Add(double v) {
    low = std::min(low, v);
    high = std::max(high, v);
  }
  bool Empty() const { return low > high; }
  double Span() const { return Empty() ? 0.0 : high - low; }
  double Middle() const { return Empty() ? 0.0 : 0.5 * (low + high); }
};

// Applies f to every node of every plate.
template <typename F>
void ForEachNode(PlateStore& store, F f) {
  for (auto& group : store.groups) {
    for (ListingPlate& plate : group) {
      for (ListingNode& node : plate) f(node);
    }
  }
}

}  // namespace

SceneExtents ScaleIntoViewBox(PlateStore& store) {
  // A listing without nodes (a run stopped before its first patch) has empty
  // ranges: they count as 0 so that nothing below divides by zero.
  Range x, y, z;
  ForEachNode(store, [&](const ListingNode& n) {
    x.Add(n.x);
    y.Add(n.y);
    z.Add(n.z);
  });
  double diagonal = std::hypot(x.Span(), y.Span());
  if (diagonal <= 0.0) diagonal = 1.0;
  const double scale = 10.0 / diagonal;
  ForEachNode(store, [&](ListingNode& n) {
    n.x = static_cast<float>((n.x - x.Middle()) * scale);
    n.y = static_cast<float>((n.y - y.Middle()) * scale);
    n.z = static_cast<float>((n.z - z.Middle()) * scale);
  });
  SceneExtents extents;
  extents.clipHeight = static_cast<float>(5.1 * z.Span() / diagonal);
  extents.axisX = static_cast<float>(5.0 * x.Span() / diagonal + 1.0);
  extents.axisY = static_cast<float>(5.0 * y.Span() / diagonal + 1.0);
  extents.axisZ = static_cast<float>(5.0 * z.Span() / diagonal + 1.0);
  return extents;
}

}  // namespace quor::viewer
