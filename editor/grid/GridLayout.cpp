#include "editor/grid/GridLayout.h"

#include <algorithm>

namespace quor::grid {

namespace {

int ColumnLeft(const GridSlot& slot, int column) {
  if (column == 0) return 0;
  int left = slot.ColumnWidth[0];
  for (int c = slot.LeftColumn; c < column; ++c) left += slot.ColumnWidth[c];
  // Columns scrolled out to the left lie left of the row headers.
  for (int c = column; c < slot.LeftColumn; ++c) left -= slot.ColumnWidth[c];
  return left;
}

int RowTop(const GridSlot& slot, int row) {
  if (row == 0) return slot.TitleHeight;
  return slot.TitleHeight + slot.HeadingHeight + (row - slot.TopRow) * slot.RowHeight;
}

}  // namespace

RECT CellRect(const GridSlot& slot, int row, int column) {
  column = std::clamp(column, 0, kMaxColumns);
  RECT r;
  r.left = ColumnLeft(slot, column);
  r.right = r.left + slot.ColumnWidth[column];
  r.top = RowTop(slot, row);
  r.bottom = r.top + (row == 0 ? slot.HeadingHeight : slot.RowHeight);
  const bool lastShown = column >= 1 && NextShownColumn(slot, column, +1) == 0;
  if (slot.StretchLastColumn && lastShown && slot.ClientWidth - r.left > slot.ColumnWidth[column]) {
    r.right = slot.ClientWidth;
  }
  return r;
}

int RowAt(const GridSlot& slot, int y) {
  if (y <= slot.TitleHeight) return -1;
  if (y <= slot.TitleHeight + slot.HeadingHeight) return 0;
  const int row = slot.TopRow + (y - slot.TitleHeight - slot.HeadingHeight) / slot.RowHeight;
  return row > slot.Rows ? -1 : row;
}

int ColumnAt(const GridSlot& slot, int x) {
  if (x <= slot.ColumnWidth[0]) return 0;
  int remainder = x - slot.ColumnWidth[0];
  int column = slot.LeftColumn - 1;
  while (remainder > 0 && column < slot.Columns) {
    ++column;
    remainder -= slot.ColumnWidth[column];
  }
  if (remainder > 0) return slot.StretchLastColumn ? slot.Columns : -1;
  return column;
}

int NextShownColumn(const GridSlot& slot, int column, int direction) {
  int c = column + direction;
  while (c >= 1 && c <= slot.Columns && slot.ColumnWidth[c] == 0) c += direction;
  return (c >= 1 && c <= slot.Columns && slot.ColumnWidth[c] > 0) ? c : 0;
}

int NthShownColumn(const GridSlot& slot, int n) {
  int seen = 0;
  for (int c = 1; c <= slot.Columns; ++c) {
    if (slot.ColumnWidth[c] > 0 && ++seen == n) return c;
  }
  return n - 1;
}

int CountShownColumns(const GridSlot& slot, int last) {
  int count = 0;
  for (int c = 1; c <= std::min(last, kMaxColumns); ++c) count += slot.ColumnWidth[c] > 0 ? 1 : 0;
  return count;
}

int PageRows(const GridSlot& slot) {
  return (slot.ClientHeight - slot.HeadingHeight - slot.TitleHeight) / slot.RowHeight;
}

void ComputeShownRange(GridSlot& slot) {
  slot.FirstShownColumn = slot.LeftColumn;
  int column = slot.LeftColumn;
  int width = slot.ClientWidth - slot.ColumnWidth[0] - slot.ColumnWidth[column];
  while (width >= 0 && column < slot.Columns) {
    ++column;
    width -= slot.ColumnWidth[column];
  }
  slot.LastShownColumn = std::min(column, slot.Columns);

  slot.FirstShownRow = slot.TopRow;
  int row = slot.TopRow;
  int height = slot.ClientHeight - slot.HeadingHeight - slot.RowHeight;
  while (height > 0 && row < slot.Rows) {
    ++row;
    height -= slot.RowHeight;
  }
  slot.LastShownRow = std::min(row, slot.Rows);
}

std::string ColumnLabel(int column) {
  std::string label(2, ' ');
  if (column > 26) label[0] = static_cast<char>(64 + (column - 1) / 26);
  const int last = column % 26;
  label[1] = static_cast<char>(64 + (last == 0 ? 26 : last));
  return label;
}

}  // namespace quor::grid
