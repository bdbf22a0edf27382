// The cell reference passed by pointer (wParam) with every cell message.
#pragma once

#include <cstdint>

namespace quor::grid {

// Row 0 is the heading row, column 0 the row-header column.
struct GridCellRef {
  std::int32_t row = 0;
  std::int32_t column = 0;
};

inline constexpr int kMaxRows = 300;
inline constexpr int kMaxColumns = 10;

void SetGridCellRef(GridCellRef& ref, int row, int column);

// Rows 0..300 and columns 0..10; negative values are out of range too.
bool IsOutOfRange(const GridCellRef& ref);

}  // namespace quor::grid
