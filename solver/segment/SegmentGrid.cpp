#include "solver/segment/SegmentGrid.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>

#include "solver/QuorError.h"

namespace quor::solver {

namespace {

// A plate whose normal is this close to z lies flat and takes x as its u axis.
constexpr double kHorizontal = 0.99;
constexpr double kNoMinimum = 1e30;

Point3 LongestEdgeDirection(std::span<const Point3> vertices) {
  double longest = 0.0;
  Point3 direction;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const Point3 edge = vertices[(i + 1) % vertices.size()] - vertices[i];
    if (edge.Length() > longest) {
      longest = edge.Length();
      direction = edge;
    }
  }
  return direction.Unit();
}

// The step that keeps a plate of this extent within kMaxCells cells (the
// outline plus a margin cell on each side): a capped grid that kept the step
// would leave the far part of the plate without patches.
double CappedStep(double step, double extent) {
  // floor(extent / step) + 2 <= kMaxCells, with half a cell to spare for rounding.
  constexpr double kMostWholeSteps = SegmentGrid::kMaxCells - 2.5;
  return std::max(step, extent / kMostWholeSteps);
}

bool IsFinite(const Point3& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

}  // namespace

SegmentGrid::SegmentGrid(const Polygon& outer, double step) {
  assert(outer.Count() >= 3 && step > 0.0 && "a plate outline and a positive step");
  const auto vertices = outer.Vertices();
  m_normal = outer.UnitNormal();
  // x itself lies in the plane only when the plate is exactly level; a plate
  // tilted slightly takes x projected on its plane, or its grid would leave it.
  const Point3 x{1.0, 0.0, 0.0};
  m_u = std::fabs(m_normal.z) > kHorizontal ? (x - m_normal * m_normal.x).Unit()
                                            : LongestEdgeDirection(vertices);
  m_v = Point3Cross(m_normal, m_u);

  double minU = kNoMinimum;
  double maxU = -kNoMinimum;
  double minV = kNoMinimum;
  double maxV = -kNoMinimum;
  for (const Point3& p : vertices) {
    minU = std::min(minU, Point3Dot(p, m_u));
    maxU = std::max(maxU, Point3Dot(p, m_u));
    minV = std::min(minV, Point3Dot(p, m_v));
    maxV = std::max(maxV, Point3Dot(p, m_v));
  }
  const double extentU = maxU - minU;
  const double extentV = maxV - minV;
  // A plate so large that its frame overflows double has no grid: its cell
  // counts would come from NaN or infinity.
  if (!IsFinite(m_u) || !IsFinite(m_v) || !std::isfinite(extentU) || !std::isfinite(extentV)) {
    throw QUOR_error::error::ProjectFileNotOpened;
  }
  m_step = CappedStep(CappedStep(step, extentU), extentV);

  const double stepsU = std::floor(extentU / m_step);
  const double stepsV = std::floor(extentV / m_step);
  m_cellsU = static_cast<std::int32_t>(stepsU) + 2;
  m_cellsV = static_cast<std::int32_t>(stepsV) + 2;
  // Centre the outline on the grid, a margin of half to one cell on each side.
  const double originU = minU - m_step + (extentU - stepsU * m_step) / 2.0;
  const double originV = minV - m_step + (extentV - stepsV * m_step) / 2.0;
  m_origin = m_u * originU + m_v * originV + m_normal * Point3Dot(m_normal, vertices.front());
}

}  // namespace quor::solver
