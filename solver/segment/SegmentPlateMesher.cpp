#include "solver/segment/SegmentPlateMesher.h"

#include <array>
#include <atomic>
#include <cmath>
#include <functional>
#include <span>
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
#include "solver/tessmor/ParallelTasks.h"
#include "tessmor/ComputeJob.h"

namespace quor::solver {

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

// Below this many cells a plate is clipped on one thread.
constexpr std::size_t kParallelCells = 16384;

// Node flags of one grid row: inside the outer outline and outside every hole.
void FlagRow(const SegmentGrid& grid, std::int32_t b, const Plate& plate, double tol, std::span<char> row) {
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
  if (!m_edgeIndex) m_edgeIndex.emplace(edges);
  if (!ComputeSubdivisionLimits(grid, cells, edges, *m_edgeIndex, m_conductorCount, m_job.Refine,
                                m_job.RunFlag))
    return false;
  return MergeFullCells(
      grid, cells, [&](Polygon patch) { m_patches.Add(plate.conductorIndex, std::move(patch), plateIndex); },
      [&](std::int32_t done, std::int32_t total) { SetProgress(platesBefore + 0.5 + 0.5 * done / total); },
      m_job.RunFlag);
}

// The node flags, then the cells, are worked out row by row on all cores
// where the grid is large enough to pay for the threads; the patches of the
// partial cells are then stored in row order, as one pass over the grid
// would store them.
bool SegmentPlateMesher::ClipCells(std::int32_t plateIndex, const SegmentGrid& grid,
                                   SegmentCellGrids& cells) {
  const Plate& plate = m_plates[static_cast<std::size_t>(plateIndex)];
  const auto nodesU = static_cast<std::size_t>(grid.CellsU()) + 1;
  std::vector<char> inside(nodesU * (static_cast<std::size_t>(grid.CellsV()) + 1));
  const auto nodeRow = [&](std::int32_t b) {
    return std::span(inside).subspan(static_cast<std::size_t>(b) * nodesU, nodesU);
  };
  std::vector<std::vector<Polygon>> rowPatches(static_cast<std::size_t>(grid.CellsV()));
  std::atomic<bool> stopped = false;
  const bool parallel = cells.state.size() >= kParallelCells;
  const auto forEachRow = [&](std::int32_t rows, const std::function<void(std::int32_t)>& work) {
    const auto task = [&](std::int64_t row) {
      if (!Running()) {
        stopped = true;
        return;
      }
      work(static_cast<std::int32_t>(row));
    };
    if (parallel) {
      RunParallelTasks(rows, task);
    } else {
      for (std::int32_t row = 0; row < rows && !stopped; ++row) task(row);
    }
  };

  forEachRow(grid.CellsV() + 1, [&](std::int32_t b) { FlagRow(grid, b, plate, m_tol, nodeRow(b)); });
  if (stopped) return false;
  forEachRow(grid.CellsV(), [&](std::int32_t b) {
    for (std::int32_t a = 0; a < grid.CellsU(); ++a) {
      ClassifyCell(plate, grid, cells, a, b, nodeRow(b), nodeRow(b + 1),
                   rowPatches[static_cast<std::size_t>(b)]);
    }
  });
  if (stopped) return false;
  for (std::vector<Polygon>& row : rowPatches) {
    for (Polygon& patch : row) m_patches.Add(plate.conductorIndex, std::move(patch), plateIndex);
  }
  return true;
}

// A cell wholly inside becomes a full cell for the merge; the part of any
// other cell inside the plate becomes one or two patches unless it is a sliver.
void SegmentPlateMesher::ClassifyCell(const Plate& plate, const SegmentGrid& grid, SegmentCellGrids& cells,
                                      std::int32_t a, std::int32_t b, std::span<const char> below,
                                      std::span<const char> above, std::vector<Polygon>& patches) const {
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
    patches.emplace_back(clip.points);
    return;
  }
  if (clip.points.size() > kMostSplitPoints) return;
  Polygon cornerFirst(clip.points);
  cornerFirst.RotatedStart(clip.insertedCorner);
  for (Polygon& piece : SplitCellPolygon(cornerFirst)) {
    if (keep(piece.Area())) patches.push_back(std::move(piece));
  }
}

}  // namespace quor::solver
