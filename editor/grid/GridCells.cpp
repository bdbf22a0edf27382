// Writing cells and the dimension and size settings that writing can change.
#include <algorithm>

#include "editor/grid/GridControl.h"
#include "editor/grid/GridLayout.h"
#include "platform/win/WindowSystem.h"

namespace quor::grid {

using namespace win;

namespace {

// Space around a fitted text.
constexpr int kFitMargin = 5;

}  // namespace

void GridControl::WriteCell(const GridCellRef& ref, std::string_view text) {
  GridCellStore& cells = *m_slot.CellList;
  cells.Write(ref, m_slot.NewCellProtection, text);
  const RECT cell = CellRect(m_slot, ref.row, ref.column);
  m_window.InvalidateRect(&cell, false);
  if (m_slot.AutoGrowRows) {
    if (cells.Empty()) {
      SetDimensions(0, m_slot.Columns);
    } else if (cells.LastRow() > m_slot.Rows) {
      SetDimensions(static_cast<WPARAM>(cells.LastRow()), m_slot.Columns);
    }
  }
  if (ref.row == 0 || m_slot.AutoWidth) FitCell(ref, text);
}

void GridControl::FitCell(const GridCellRef& ref, std::string_view text) {
  WindowDC windowDc(m_window);
  DrawContext& dc = windowDc.dc();
  ScopedFont font(dc, FontOf(ref.row == 0 ? m_slot.HeadingFont : m_slot.CellFont));
  int widest = -1;
  int lineHeight = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    if (end > start) {
      const DeviceSize extent = dc.TextExtent(text.substr(start, end - start));
      widest = std::max(widest, extent.cx);
      lineHeight = extent.cy;
    }
    start = end + 1;
  }
  // A text of nothing but line breaks fits nothing.
  if (widest < 0) return;
  const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  const bool oneLine = ref.row != 0 && m_slot.Ellipsis;
  const int height = kFitMargin + lineHeight * (oneLine ? 1 : lines);
  if (ref.row == 0 && height > m_slot.HeadingHeight) SetHeadingHeight(height);
  if (ref.row != 0 && height > m_slot.RowHeight) SetRowHeight(height);
  const int width = kFitMargin + widest;
  if (width > m_slot.ColumnWidth[ref.column]) SetColumnWidth(static_cast<WPARAM>(ref.column), width);
}

void GridControl::SetDimensions(WPARAM rows, LPARAM columns) {
  // Rows come unsigned, so a negative count is a huge one.
  m_slot.Rows = static_cast<int>(std::min<WPARAM>(static_cast<UINT>(rows), kMaxRows));
  m_slot.Columns = static_cast<int>(std::clamp<LPARAM>(static_cast<std::int32_t>(columns), 1, kMaxColumns));
  Repaint(true);
  m_slot.VisibleColumnCount = CountShownColumns(m_slot, m_slot.Columns);
  m_window.SetScrollRange(SB_HORZ, 1, m_slot.VisibleColumnCount);
}

void GridControl::SetColumnWidth(WPARAM column, int width) {
  // Columns above 10 and negative widths are ignored.
  if (column > kMaxColumns || width < 0) return;
  m_slot.ColumnWidth[column] = width;
  Repaint(false);
  m_slot.VisibleColumnCount = CountShownColumns(m_slot, m_slot.Columns);
  m_window.SetScrollRange(SB_HORZ, 1, m_slot.VisibleColumnCount);
}

void GridControl::SetRowHeight(int height) {
  // Every row position divides by the row height.
  m_slot.RowHeight = std::max(1, height);
  ScrollCursorIntoView();
  RerunSizeHandling();
  Repaint(false);
}

void GridControl::SetHeadingHeight(int height) {
  m_slot.HeadingHeight = std::max(1, height);
  RerunSizeHandling();
  Repaint(false);
}

void GridControl::ClearCells() {
  m_slot.CellList->Clear();
  m_slot.Rows = 0;
  m_slot.CursorRow = 1;
  m_slot.TopRow = 1;
  m_slot.LeftColumn = 1;
  Repaint(true);
}

void GridControl::RefreshProtection() {
  m_slot.CursorCellProtected = m_slot.CellList->IsProtected({m_slot.CursorRow, m_slot.CursorColumn});
}

}  // namespace quor::grid
