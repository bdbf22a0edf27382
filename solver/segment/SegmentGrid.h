// The regular grid a plate is meshed on: square cells of one step in the
// plate's plane, one cell wider than the outer outline on every side and
// centred on it.
#pragma once

#include <array>
#include <cstdint>

#include "tessmor/Polygon.h"

namespace quor::solver {

class SegmentGrid {
 public:
  // Grids never exceed this many cells in either direction.
  static constexpr std::int32_t kMaxCells = 3000;

  // The frame of the outer outline: u along x for a (nearly) horizontal
  // plate, else along its longest edge; v = n x u. The step grows beyond step only where
  // the plate would otherwise need more than kMaxCells cells. A plate whose
  // frame overflows double is refused as an unusable plate file (code 1).
  SegmentGrid(const Polygon& outer, double step);

  Point3 Node(std::int32_t a, std::int32_t b) const {
    return m_origin + m_u * (a * m_step) + m_v * (b * m_step);
  }
  Point3 CellCentre(std::int32_t a, std::int32_t b) const {
    return m_origin + m_u * ((a + 0.5) * m_step) + m_v * ((b + 0.5) * m_step);
  }
  // Counter-clockwise about the normal: nodes (a, b), (a+1, b), (a+1, b+1), (a, b+1).
  std::array<Point3, 4> CellCorners(std::int32_t a, std::int32_t b) const {
    return {Node(a, b), Node(a + 1, b), Node(a + 1, b + 1), Node(a, b + 1)};
  }

  const Point3& U() const { return m_u; }
  const Point3& V() const { return m_v; }
  const Point3& Normal() const { return m_normal; }
  double Step() const { return m_step; }
  std::int32_t CellsU() const { return m_cellsU; }
  std::int32_t CellsV() const { return m_cellsV; }
  // Fewer than 10 cells across: every scrap of the plate is kept.
  bool IsSmall() const { return m_cellsU < 10 || m_cellsV < 10; }

 private:
  Point3 m_u;
  Point3 m_v;
  Point3 m_normal;
  Point3 m_origin;
  double m_step = 0.0;
  std::int32_t m_cellsU = 0;
  std::int32_t m_cellsV = 0;
};

}  // namespace quor::solver
