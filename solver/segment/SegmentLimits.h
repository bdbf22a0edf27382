// How large a patch each full cell of a plate may become. A cell far from
// every edge of the structure may join a large block; one near an edge stays
// small, so that the charge crowding at edges is resolved.
#pragma once

#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/Plate.h"

namespace quor::solver {

class SegmentEdgeIndex;
class SegmentGrid;
struct SegmentCellGrids;

// Every edge of every plate of the structure.
struct SegmentEdge {
  Point3 start;
  Point3 end;
  std::int32_t conductorIndex = 0;  // of the edge's plate
  bool bridge = false;              // both end vertices carry the bridge flag
};

std::vector<SegmentEdge> CollectSegmentEdges(std::span<const Plate> plates);

// Fills limitU, limitV and limitN of every full cell from its distances to
// the edges: (distance / step) to the power refine (1.2 refine for
// dielectric cells, and for the distance to other conductors), at least 1
// and at most the grid's larger side. `index` indexes `edges`. Returns false
// when runFlag stopped it.
bool ComputeSubdivisionLimits(const SegmentGrid& grid, SegmentCellGrids& cells,
                              std::span<const SegmentEdge> edges, const SegmentEdgeIndex& index,
                              std::int32_t dielectricIndex, double refine,
                              const std::atomic<std::int32_t>& runFlag);

}  // namespace quor::solver
