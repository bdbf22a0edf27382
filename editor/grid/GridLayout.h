// Where the grid's cells lie in its client area and which cell a point is
// in: title band, heading row, data rows from TopRow; row-header column,
// data columns from LeftColumn (a column of width 0 is hidden).
#pragma once

#include <string>

#include "editor/grid/GridSlot.h"

namespace quor::grid {

using win::RECT;

// Row 0 is the heading row, column 0 the row-header column.
RECT CellRect(const GridSlot& slot, int row, int column);
// -1 in the title band or beyond the last row, 0 in the heading row.
int RowAt(const GridSlot& slot, int y);
// 0 over the row headers; beyond the last column `Columns` with a stretched
// last column, else -1.
int ColumnAt(const GridSlot& slot, int x);
// The next column of width above 0 in the direction (+1 or -1), 0 for none.
int NextShownColumn(const GridSlot& slot, int column, int direction);
// The n-th column of width above 0; n - 1 when there are fewer.
int NthShownColumn(const GridSlot& slot, int n);
// Columns of width above 0 among 1..last.
int CountShownColumns(const GridSlot& slot, int last);
// Rows that fit in the data area.
int PageRows(const GridSlot& slot);
void ComputeShownRange(GridSlot& slot);
// " A" .. " Z", "AA", ...
std::string ColumnLabel(int column);

}  // namespace quor::grid
