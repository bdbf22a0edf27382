#include "solver/segment/SegmentPlateMesher.h"

#include <array>
#include <cmath>
#include <utility>

#include "solver/PointLocation.h"
#include "solver/segment/SegmentBridgeEdges.h"
#include "solver/segment/SegmentCellClip.h"
#include "solver/segment/SegmentCellGrids.h"
#include "solver/segment/SegmentGrid.h"
#include "solver/segment/SegmentLimits.h"
#include "solver/segment/SegmentMerge.h"
#include "solver/segment/SegmentPatchShapes.h"
#include "solver/segment/SegmentPatchStore.h"
#include "tessmor/ComputeJob.h"

namespace {

// Relative to the cell's area: a clipped cell this full is a full cell, and
// scraps below the sliver size are dropped unless the grid is small.
constexpr double kFullCell = 0.99;
constexpr double kSliver = 0.1;
// More points than this cannot be split into patches.
constexpr std::size_t kMostSplitPoints = 6;

double Area(const std::vector<Point3>& points) {
  return points.size() < 3 ? 0.0 : Polygon(points).Area();
}

// Node flags of one grid row: inside the outer outline and outside every hole.
void FlagRow(const SegmentGrid& grid, std::int32_t b, const Plate& plate, double tol,
             std::vector<char>& row) {
  for (std::int32_t a = 0; a <= grid.CellsU(); ++a) {
    row[static_cast<std::size_t>(a)] = PointInRegion(grid.Node(a, b), plate.outline, tol) ? 1 : 0;
  }
}

}  // namespace

SegmentPlateMesher::SegmentPlateMesher(ComputeJob& job, std::span<Plate> plates, std::int32_t conductorCount,
                                       double tol, double step, SegmentPatchStore& patches)
    : m_job(job),
      m_plates(plates),
      m_conductorCount(conductorCount),
      m_tol(tol),
      m_step(step),
      m_patches(patches) {}

bool SegmentPlateMesher::Running() const {
  return m_job.RunFlag.load() != 0;
}

void SegmentPlateMesher::SetProgress(double platesDone) {
  m_job.Progress.store(static_cast<std::int32_t>(platesDone / static_cast<double>(m_plates.size()) * 100.0));
}

bool SegmentPlateMesher::MeshPlates() {
  for (std::size_t i = 0; i < m_plates.size(); ++i) {
    if (!Running() || !MeshPlate(static_cast<std::int32_t>(i))) return false;
  }
  // Skipped plates take no share of the bar, so the last plate meshed may
  // leave it short of the end.
  m_job.Progress.store(100);
  return true;
}

bool SegmentPlateMesher::MeshPlate(std::int32_t plateIndex) {
  Plate& plate = m_plates[static_cast<std::size_t>(plateIndex)];
  for (Polygon& polygon : plate.outline) MarkBridgeEdges(polygon, m_tol);
  // An interface between equal dielectrics carries no charge.
  if (plate.conductorIndex == m_conductorCount && plate.epsA == plate.epsB) return true;
  const double platesBefore = m_platesMeshed++;
  SetProgress(platesBefore + 0.5);

  const SegmentGrid grid(plate.outline.front(), m_step);
  SegmentCellGrids cells(grid.CellsU(), grid.CellsV());
  if (!ClipCells(plateIndex, grid, cells)) return false;
  const std::vector<SegmentEdge> edges = CollectSegmentEdges(m_plates);
  if (!ComputeSubdivisionLimits(grid, cells, edges, m_conductorCount, m_job.Refine, m_job.RunFlag))
    return false;
  return MergeFullCells(
      grid, cells, [&](Polygon patch) { m_patches.Add(plate.conductorIndex, std::move(patch), plateIndex); },
      [&](std::int32_t done, std::int32_t total) { SetProgress(platesBefore + 0.5 + 0.5 * done / total); },
      m_job.RunFlag);
}

// Node flags go row by row, two rows at a time, and each row of cells is
// clipped as soon as the nodes above it are known.
bool SegmentPlateMesher::ClipCells(std::int32_t plateIndex, const SegmentGrid& grid,
                                   SegmentCellGrids& cells) {
  const Plate& plate = m_plates[static_cast<std::size_t>(plateIndex)];
  std::vector<char> below(static_cast<std::size_t>(grid.CellsU()) + 1);
  std::vector<char> above(below.size());
  FlagRow(grid, 0, plate, m_tol, below);
  for (std::int32_t b = 1; b <= grid.CellsV(); ++b) {
    if (!Running()) return false;
    FlagRow(grid, b, plate, m_tol, above);
    for (std::int32_t a = 0; a < grid.CellsU(); ++a) {
      if (!Running()) return false;
      ClassifyCell(plateIndex, grid, cells, a, b - 1, below, above);
    }
    std::swap(below, above);
  }
  return true;
}

// A cell wholly inside becomes a full cell for the merge; the part of any
// other cell inside the plate becomes one or two patches unless it is a sliver.
void SegmentPlateMesher::ClassifyCell(std::int32_t plateIndex, const SegmentGrid& grid,
                                      SegmentCellGrids& cells, std::int32_t a, std::int32_t b,
                                      const std::vector<char>& below, const std::vector<char>& above) {
  const Plate& plate = m_plates[static_cast<std::size_t>(plateIndex)];
  const auto ua = static_cast<std::size_t>(a);
  const std::array<bool, 4> inside{below[ua] != 0, below[ua + 1] != 0, above[ua + 1] != 0, above[ua] != 0};
  const SegmentCellClip clip = ClipCell(grid.CellCorners(a, b), inside, plate.outline, m_tol);
  const double cellArea = grid.Step() * grid.Step();
  const double area = Area(clip.points);
  if (area >= kFullCell * cellArea) {
    cells.state[cells.Index(a, b)] = plate.conductorIndex;
    return;
  }
  const auto keep = [&](double pieceArea) {
    return pieceArea > 0.0 && (grid.IsSmall() || pieceArea >= kSliver * cellArea);
  };
  if (!(area > 0.0 && (grid.IsSmall() || area > kSliver * cellArea))) return;
  if (clip.insertedCorner < 0) {
    m_patches.Add(plate.conductorIndex, Polygon(clip.points), plateIndex);
    return;
  }
  if (clip.points.size() > kMostSplitPoints) return;
  Polygon cornerFirst(clip.points);
  cornerFirst.RotatedStart(clip.insertedCorner);
  for (Polygon& piece : SplitCellPolygon(cornerFirst)) {
    if (keep(piece.Area())) m_patches.Add(plate.conductorIndex, std::move(piece), plateIndex);
  }
}
