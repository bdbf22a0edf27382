// Cuts the plates of a structure, one after the other, into patches: a grid
// over each plate, the cells clipped against its outline, the cells wholly
// inside joined into larger rectangles where no edge is near.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "solver/Plate.h"
#include "solver/segment/SegmentEdgeIndex.h"

struct ComputeJob;

namespace quor::solver {
class SegmentGrid;
class SegmentPatchStore;
struct SegmentCellGrids;

class SegmentPlateMesher {
 public:
  // tol: points closer than this coincide; step: the grid step.
  SegmentPlateMesher(ComputeJob& job, std::span<Plate> plates, std::int32_t conductorCount, double tol,
                     double step, SegmentPatchStore& patches);

  // Meshes every plate in order, reporting progress in the job, which ends
  // at 100 when every plate is done. Returns false
  // when the job's run flag stopped it. Throws ComputeError::TooManyPatches
  // when a group overflows.
  bool MeshPlates();

 private:
  bool MeshPlate(std::int32_t plateIndex);
  bool ClipCells(std::int32_t plateIndex, const SegmentGrid& grid, SegmentCellGrids& cells);
  // Marks a full cell in `cells`, or appends the patches of a partial one.
  void ClassifyCell(const Plate& plate, const SegmentGrid& grid, SegmentCellGrids& cells, std::int32_t a,
                    std::int32_t b, std::span<const char> below, std::span<const char> above,
                    std::vector<Polygon>& patches) const;
  void SetProgress(double platesDone);
  bool Running() const;

  ComputeJob& m_job;
  std::span<Plate> m_plates;
  std::int32_t m_conductorCount;
  double m_tol;
  double m_step;
  SegmentPatchStore& m_patches;
  std::int32_t m_platesMeshed = 0;
  // The edges of all plates, indexed once: meshing changes only their flags.
  std::optional<SegmentEdgeIndex> m_edgeIndex;
};

}  // namespace quor::solver
