#include "editor/grid/GridCellRef.h"

namespace quor::grid {

void SetGridCellRef(GridCellRef& ref, int row, int column) {
  ref.row = row;
  ref.column = column;
}

bool IsOutOfRange(const GridCellRef& ref) {
  return ref.row < 0 || ref.column < 0 || ref.row > kMaxRows || ref.column > kMaxColumns;
}

}  // namespace quor::grid
