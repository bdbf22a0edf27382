#include "solver/segment/SegmentLimits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <thread>

#include "solver/segment/SegmentCellGrids.h"
#include "solver/segment/SegmentEdgeIndex.h"
#include "solver/segment/SegmentGrid.h"

namespace quor::solver {

namespace {

// Start values of the minimum searches: no edge in the way along u or v, and
// other conductors counted as far once they are 1000 steps away.
constexpr double kFar = 1e20;
constexpr double kFarConductorSteps = 1000.0;
// A bridge edge stands far from every cell.
constexpr double kBridgeDistance = 1e10;
// Dielectric cells, and the distance to other conductors, grow more slowly.
constexpr double kSlowGrowth = 1.2;

// The bridge edges of the plates done so far count as far, not as absent,
// for every cell, and for the distance to other conductors when one of them
// belongs to another conductor.
struct BridgeEdges {
  bool any = false;
  std::vector<std::int32_t> conductors;  // distinct
};

BridgeEdges FindBridgeEdges(std::span<const SegmentEdge> edges) {
  BridgeEdges bridges;
  for (const SegmentEdge& edge : edges) {
    if (!edge.bridge) continue;
    bridges.any = true;
    if (std::find(bridges.conductors.begin(), bridges.conductors.end(), edge.conductorIndex) ==
        bridges.conductors.end()) {
      bridges.conductors.push_back(edge.conductorIndex);
    }
  }
  return bridges;
}

// The minima start far: no edge in the way along u or v, other conductors
// 1000 steps away; bridge edges stand farther than any real edge.
RayMinima StartMinima(const BridgeEdges& bridges, std::int32_t cellIndex, double step) {
  RayMinima minima;
  minima.u.fill(kFar);
  minima.v.fill(kFar);
  minima.normal.fill(step * kFarConductorSteps);
  if (bridges.any) {
    minima.u.fill(kBridgeDistance);
    minima.v.fill(kBridgeDistance);
  }
  for (const std::int32_t conductor : bridges.conductors) {
    if (conductor != cellIndex) minima.normal.fill(std::min(minima.normal[0], kBridgeDistance));
  }
  return minima;
}

// (distance / step)^exponent, truncated, within 1..most; computed in double
// so that a cell far from everything cannot overflow the integer.
std::int32_t Limit(double distance, double step, double exponent, std::int32_t most) {
  const double limit = std::trunc(std::pow(distance / step, exponent));
  if (!(limit > 1.0)) return 1;
  return limit < most ? static_cast<std::int32_t>(limit) : most;
}

// The distance search is shared out over the cores when that is worth
// starting threads for: each cell visits some multiple of the logarithm of
// the edge count.
std::int32_t Workers(const SegmentCellGrids& cells, std::size_t edgeCount) {
  constexpr double kSearchesPerWorker = 50000.0;
  const double searches =
      static_cast<double>(cells.state.size()) * 16.0 * std::log2(2.0 + static_cast<double>(edgeCount));
  const auto cores = static_cast<std::int32_t>(std::max(1u, std::thread::hardware_concurrency()));
  const auto wanted = static_cast<std::int32_t>(std::min(searches / kSearchesPerWorker, 1e6));
  return std::clamp(std::min(wanted, cells.cellsV), 1, cores);
}

}  // namespace

std::vector<SegmentEdge> CollectSegmentEdges(std::span<const Plate> plates) {
  std::vector<SegmentEdge> edges;
  for (const Plate& plate : plates) {
    for (const Polygon& polygon : plate.outline) {
      const auto v = polygon.Vertices();
      const auto flags = polygon.Flags();
      for (std::size_t i = 0; i < v.size(); ++i) {
        const std::size_t next = (i + 1) % v.size();
        edges.push_back({v[i], v[next], plate.conductorIndex, flags[i] != 0 && flags[next] != 0});
      }
    }
  }
  return edges;
}

bool ComputeSubdivisionLimits(const SegmentGrid& grid, SegmentCellGrids& cells,
                              std::span<const SegmentEdge> edges, const SegmentEdgeIndex& index,
                              std::int32_t dielectricIndex, double refine,
                              const std::atomic<std::int32_t>& runFlag) {
  const BridgeEdges bridges = FindBridgeEdges(edges);
  const std::array<Point3, 3> axes{grid.U(), grid.V(), grid.Normal()};
  const double step = grid.Step();
  const std::int32_t most = std::max(cells.cellsU, cells.cellsV);
  std::atomic<bool> stopped = false;
  // Worker w takes rows w, w + stride, ...; each cell is written by one
  // worker only. The full cells of a row go kRayLanes at a time.
  const auto limitRows = [&](std::int32_t first, std::int32_t stride) {
    std::array<std::size_t, kRayLanes> lanes{};
    std::array<double, kRayLanes> x{};
    std::array<double, kRayLanes> y{};
    std::array<double, kRayLanes> z{};
    for (std::int32_t b = first; b < cells.cellsV; b += stride) {
      std::size_t used = 0;
      std::int32_t state = 0;
      const auto limitLanes = [&] {
        // Unused lanes repeat the last centre.
        for (std::size_t i = used; i < kRayLanes; ++i) {
          x[i] = x[used - 1];
          y[i] = y[used - 1];
          z[i] = z[used - 1];
        }
        RayMinima minima = StartMinima(bridges, state, step);
        index.LowerToNearest(x, y, z, axes, edges, state, minima);
        const double inPlane = state == dielectricIndex ? kSlowGrowth * refine : refine;
        const double normal = kSlowGrowth * refine;
        for (std::size_t i = 0; i < used; ++i) {
          cells.limitU[lanes[i]] = Limit(minima.u[i], step, inPlane, most);
          cells.limitV[lanes[i]] = Limit(minima.v[i], step, inPlane, most);
          cells.limitN[lanes[i]] = Limit(minima.normal[i], step, normal, most);
        }
        used = 0;
      };
      for (std::int32_t a = 0; a < cells.cellsU; ++a) {
        if (runFlag.load() == 0) {
          stopped = true;
          return;
        }
        const std::size_t i = cells.Index(a, b);
        if (cells.state[i] < 0) {
          cells.limitU[i] = cells.limitV[i] = cells.limitN[i] = 1;
          continue;
        }
        // All full cells of a plate share its conductor index.
        if (used > 0 && cells.state[i] != state) limitLanes();
        state = cells.state[i];
        const Point3 centre = grid.CellCentre(a, b);
        lanes[used] = i;
        x[used] = centre.x;
        y[used] = centre.y;
        z[used] = centre.z;
        if (++used == kRayLanes) limitLanes();
      }
      if (used > 0) limitLanes();
    }
  };

  const std::int32_t workers = Workers(cells, edges.size());
  std::vector<std::jthread> helpers;
  for (std::int32_t w = 1; w < workers; ++w) helpers.emplace_back(limitRows, w, workers);
  limitRows(0, workers);
  helpers.clear();
  return !stopped;
}

}  // namespace quor::solver
