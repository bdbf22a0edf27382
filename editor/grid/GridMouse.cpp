// Mouse clicks and column sizing by dragging a heading border.
#include <algorithm>

#include "editor/grid/GridControl.h"
#include "editor/grid/GridLayout.h"
#include "editor/grid/GridMessages.h"
#include "platform/win/WindowSystem.h"

namespace quor::grid {

using namespace win;

namespace {

// How near a heading border the mouse must be to grab it.
constexpr int kBorderReach = 10;
constexpr int kShapeArrow = 1;
constexpr int kShapeSizing = 2;

}  // namespace

void GridControl::OnMouseMove(int x, int y) {
  const int column = ColumnAt(m_slot, x);
  const int right = ColumnAt(m_slot, x + kBorderReach);
  const int left = ColumnAt(m_slot, x - kBorderReach);
  if (m_slot.SizingColumnActive) {
    SetColumnWidth(static_cast<WPARAM>(m_slot.SizingColumn),
                   std::max(0, m_slot.SizingStartWidth - m_slot.SizingStartX + x));
  }
  const bool nearBorder = RowAt(m_slot, y) == 0 && (right != column || left != column);
  if (nearBorder && !m_slot.SizingColumnActive) {
    if (m_slot.CursorShape == kShapeSizing || !m_slot.AllowColumnSizing) return;
    m_slot.CursorShape = kShapeSizing;
    m_window.SetCursor(CursorShape::SizeWestEast);
    return;
  }
  if (m_slot.CursorShape == kShapeArrow || m_slot.SizingColumnActive) return;
  m_slot.CursorShape = kShapeArrow;
  m_window.SetCursor(CursorShape::Arrow);
}

void GridControl::StartColumnDrag(int x) {
  const int column = ColumnAt(m_slot, x);
  const int right = ColumnAt(m_slot, x + kBorderReach);
  const int left = ColumnAt(m_slot, x - kBorderReach);
  int sizing = m_slot.SizingColumn;
  if (right != column) sizing = column;
  if (left != column) sizing = column == -1 ? m_slot.Columns : column - 1;
  if (sizing < 0 || sizing > kMaxColumns) return;
  if (!m_slot.SizingColumnActive) m_slot.SavedWholeRows = m_slot.WholeRows;
  m_slot.SizingColumnActive = true;
  m_slot.WholeRows = false;
  m_slot.SizingStartX = x;
  m_slot.SizingColumn = sizing;
  m_slot.SizingStartWidth = m_slot.ColumnWidth[sizing];
}

void GridControl::OnLButtonDown(int x, int y) {
  if (m_slot.CursorShape == kShapeSizing) StartColumnDrag(x);
  if (m_slot.Editing) {
    Commit();
  } else {
    m_window.System().SetFocus(&m_window);
  }
  if (!m_slot.HasFocus) {
    m_window.System().SetFocus(&m_window);
    return;
  }
  ToggleFocusFrame();
  const int oldRow = m_slot.CursorRow;
  const int oldColumn = m_slot.CursorColumn;
  if (SetCursorAtPoint(x, y)) {
    NotifyCursor(GRN_CELLCLICK);
    AnnounceCursorChange(oldRow, oldColumn);
  }
  ToggleFocusFrame();
  RefreshProtection();
  ScrollCursorIntoView();
  Refresh();
}

void GridControl::OnLButtonUp() {
  if (!m_slot.SizingColumnActive) return;
  m_slot.SizingColumnActive = false;
  m_slot.CursorShape = kShapeArrow;
  m_window.SetCursor(CursorShape::Arrow);
  m_slot.WholeRows = m_slot.SavedWholeRows;
  RerunSizeHandling();
}

void GridControl::OnLButtonDblClk(int x, int y) {
  m_window.System().SetFocus(&m_window);
  ToggleFocusFrame();
  const int oldRow = m_slot.CursorRow;
  const int oldColumn = m_slot.CursorColumn;
  const bool onCell = SetCursorAtPoint(x, y);
  if (onCell) AnnounceCursorChange(oldRow, oldColumn);
  ToggleFocusFrame();
  RefreshProtection();
  ScrollCursorIntoView();
  if (onCell) NotifyCursor(GRN_CELLDOUBLECLICK);
  Refresh();
}

void GridControl::AnnounceCursorChange(int oldRow, int oldColumn) {
  if (m_slot.CursorRow != oldRow) {
    NotifyCursor(GRN_ROWCHANGED);
    NotifyCursor(GRN_CURSORMOVED);
  }
  if (m_slot.CursorColumn != oldColumn) {
    NotifyCursor(GRN_COLUMNCHANGED);
    NotifyCursor(GRN_CURSORMOVED);
  }
}

bool GridControl::SetCursorAtPoint(int x, int y) {
  const int row = RowAt(m_slot, y);
  const int column = ColumnAt(m_slot, x);
  if (row < 1 || column < 1) return false;
  m_slot.CursorRow = row;
  m_slot.CursorColumn = column;
  return true;
}

}  // namespace quor::grid
