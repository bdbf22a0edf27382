#include "solver/segment/SegmentMerge.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "solver/segment/SegmentCellGrids.h"
#include "solver/segment/SegmentGrid.h"

namespace quor::solver {

namespace {

// log2 of a power of two may come out a hair below the integer.
constexpr double kLogSlack = 0.0001;

// The largest block side, as a power of two, that any cell's limits allow.
std::int32_t LargestPower(const SegmentCellGrids& cells) {
  std::int32_t largest = 1;
  for (std::size_t i = 0; i < cells.state.size(); ++i) {
    largest = std::max({largest, cells.limitU[i], cells.limitV[i]});
  }
  return static_cast<std::int32_t>(std::trunc(std::log2(largest) + kLogSlack));
}

bool BlockQualifies(const SegmentCellGrids& cells, std::int32_t a, std::int32_t b, std::int32_t columns,
                    std::int32_t rows) {
  const std::int32_t state = cells.state[cells.Index(a, b)];
  if (state < 0) return false;
  for (std::int32_t row = b; row < b + rows; ++row) {
    for (std::int32_t column = a; column < a + columns; ++column) {
      const std::size_t i = cells.Index(column, row);
      if (cells.state[i] != state || cells.limitU[i] < columns || cells.limitV[i] < rows ||
          cells.limitN[i] < columns || cells.limitN[i] < rows) {
        return false;
      }
    }
  }
  return true;
}

void TakeBlock(SegmentCellGrids& cells, std::int32_t a, std::int32_t b, std::int32_t columns,
               std::int32_t rows) {
  for (std::int32_t row = b; row < b + rows; ++row) {
    for (std::int32_t column = a; column < a + columns; ++column) {
      cells.state[cells.Index(column, row)] = SegmentCellGrids::kEmitted;
    }
  }
}

Polygon BlockPatch(const SegmentGrid& grid, std::int32_t a, std::int32_t b, std::int32_t columns,
                   std::int32_t rows) {
  const std::vector<Point3> corners{grid.Node(a, b), grid.Node(a + columns, b),
                                    grid.Node(a + columns, b + rows), grid.Node(a, b + rows)};
  return Polygon(corners);
}

}  // namespace

bool MergeFullCells(const SegmentGrid& grid, SegmentCellGrids& cells,
                    const std::function<void(Polygon)>& emit,
                    const std::function<void(std::int32_t, std::int32_t)>& roundDone,
                    const std::atomic<std::int32_t>& runFlag) {
  const std::int32_t largest = LargestPower(cells);
  for (std::int32_t t = largest; t >= 0; --t) {
    const std::int32_t rows = 1 << t;
    for (std::int32_t s = largest; s >= 0; --s) {
      if (runFlag.load() == 0) return false;
      const std::int32_t columns = 1 << s;
      for (std::int32_t b = 0; b <= cells.cellsV - rows; b += rows) {
        for (std::int32_t a = 0; a <= cells.cellsU - columns; a += columns) {
          if (!BlockQualifies(cells, a, b, columns, rows)) continue;
          emit(BlockPatch(grid, a, b, columns, rows));
          TakeBlock(cells, a, b, columns, rows);
        }
      }
    }
    roundDone(largest - t + 1, largest + 1);
  }
  return true;
}

}  // namespace quor::solver
