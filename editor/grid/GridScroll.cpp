// Scroll bars, scrolling cells into view, size handling, title and fonts.
#include <algorithm>
#include <cstring>

#include "editor/grid/GridControl.h"
#include "editor/grid/GridLayout.h"
#include "platform/win/WindowSystem.h"

namespace quor::grid {

using namespace win;

namespace {

// The title band is this much taller than its lines of text.
constexpr double kTitleLineSpacing = 1.2;
constexpr const char* kTitleTooLong = "Title too long (300 chars max)";

}  // namespace

void GridControl::UpdateScrollBars() {
  const int dataHeight = m_slot.ClientHeight - m_slot.TitleHeight - m_slot.HeadingHeight;
  if (dataHeight - m_slot.Rows * m_slot.RowHeight >= 0) {
    m_slot.VScrollShown = false;
    m_window.ShowScrollBar(SB_VERT, false);
  } else {
    m_slot.VScrollShown = true;
    m_window.ShowScrollBar(SB_VERT, true);
    m_window.SetScrollRange(SB_VERT, 1, m_slot.Rows - dataHeight / m_slot.RowHeight + 1);
  }
  int remainder = m_slot.ClientWidth - m_slot.ColumnWidth[0];
  for (int c = 1; c <= m_slot.Columns; ++c) remainder -= m_slot.ColumnWidth[c];
  const int count = CountShownColumns(m_slot, m_slot.Columns);
  if (remainder >= 0) {
    m_slot.HScrollShown = false;
    m_window.ShowScrollBar(SB_HORZ, false);
  } else {
    m_slot.HScrollShown = true;
    m_window.ShowScrollBar(SB_HORZ, true);
    m_window.SetScrollRange(SB_HORZ, 1, count);
  }
  m_window.SetScrollPos(SB_HORZ, CountShownColumns(m_slot, m_slot.LeftColumn));
}

void GridControl::OnHScroll(WPARAM wParam) {
  m_window.System().SetFocus(&m_window);
  int position = m_window.ScrollBar(SB_HORZ).pos;
  switch (LOWORD(wParam)) {
    case SB_LINERIGHT:
    case SB_PAGERIGHT:
      ++position;
      break;
    case SB_LINELEFT:
    case SB_PAGELEFT:
      --position;
      break;
    case SB_THUMBTRACK:
      position = HIWORD(wParam);
      break;
    default:
      return;
  }
  m_window.SetScrollPos(SB_HORZ, position);
  m_slot.LeftColumn = std::max(1, NthShownColumn(m_slot, m_window.ScrollBar(SB_HORZ).pos));
  Refresh();
}

void GridControl::OnVScroll(WPARAM wParam) {
  m_window.System().SetFocus(&m_window);
  const int page = PageRows(m_slot);
  const int max = m_window.ScrollBar(SB_VERT).max;
  const int current = m_window.ScrollBar(SB_VERT).pos;
  const WORD code = LOWORD(wParam);
  int position = current;
  switch (code) {
    case SB_LINEDOWN:
      position = std::min(current + 1, max);
      break;
    case SB_PAGEDOWN:
      position = std::min(current + page, max);
      break;
    case SB_LINEUP:
      position = std::max(current - 1, 1);
      break;
    case SB_PAGEUP:
      position = std::max(current - page, 1);
      break;
    case SB_THUMBTRACK:
      position = HIWORD(wParam);
      break;
    default:
      Refresh();
      return;
  }
  m_slot.TopRow = std::max(1, position);
  m_window.SetScrollPos(SB_VERT, m_slot.TopRow);
  if (code != SB_THUMBTRACK) ScrollRowIntoView(m_slot.TopRow, m_slot.LeftColumn);
  if (position == max) {
    const RECT strip{0, m_slot.ClientHeight - m_slot.RowHeight, m_slot.ClientWidth, m_slot.ClientHeight};
    m_window.InvalidateRect(&strip, true);
  } else {
    m_window.InvalidateRect(nullptr, false);
  }
  Refresh();
}

void GridControl::ScrollRowIntoView(int row, int column) {
  const int dataHeight = m_slot.ClientHeight - m_slot.TitleHeight - m_slot.HeadingHeight;
  const bool fits = m_slot.RowHeight < dataHeight;
  RECT cell = CellRect(m_slot, row, column);
  if (cell.bottom > m_slot.ClientHeight && fits) {
    // Each step moves the cell up by one row height, so this ends.
    while (cell.bottom > m_slot.ClientHeight) {
      ++m_slot.TopRow;
      if (row == m_slot.Rows) {
        const RECT strip{0, m_slot.ClientHeight - m_slot.RowHeight, m_slot.ClientWidth, m_slot.ClientHeight};
        m_window.InvalidateRect(&strip, true);
      } else {
        m_window.InvalidateRect(nullptr, false);
      }
      cell = CellRect(m_slot, row, column);
    }
  } else if (!fits) {
    ++m_slot.TopRow;
  }
  while (row < m_slot.TopRow && m_slot.TopRow > 1) {
    --m_slot.TopRow;
    m_window.InvalidateRect(nullptr, false);
  }
  m_window.SetScrollPos(SB_VERT, m_slot.TopRow);
}

void GridControl::ScrollColumnIntoView(int row, int column) {
  RECT cell = CellRect(m_slot, row, column);
  while (cell.right > m_slot.ClientWidth && cell.left != m_slot.ColumnWidth[0] &&
         m_slot.LeftColumn < column) {
    ++m_slot.LeftColumn;
    cell = CellRect(m_slot, row, column);
    m_window.InvalidateRect(nullptr, false);
  }
  while (m_slot.CursorColumn < m_slot.LeftColumn && m_slot.LeftColumn >= 2) {
    --m_slot.LeftColumn;
    m_window.InvalidateRect(nullptr, false);
  }
  m_window.SetScrollPos(SB_HORZ, CountShownColumns(m_slot, m_slot.LeftColumn));
}

void GridControl::ScrollCursorIntoView() {
  ScrollRowIntoView(m_slot.CursorRow, m_slot.CursorColumn);
  ScrollColumnIntoView(m_slot.CursorRow, m_slot.CursorColumn);
}

void GridControl::OnSize(LPARAM lParam) {
  if (m_slot.SizeHandled) {
    m_slot.SizeHandled = false;
    return;
  }
  UpdateScrollBars();
  if (!m_slot.WholeRows || !m_slot.VScrollShown) return;
  const int height = HIWORD(lParam);
  const int horizontalBar = m_slot.HScrollShown ? m_window.System().ScrollBarThickness() : 0;
  const int dataHeight = height - m_slot.HeadingHeight - m_slot.TitleHeight - horizontalBar;
  if (dataHeight <= m_slot.RowHeight) return;
  // The window keeps the size its parent gives it; the size is remembered
  // for the re-runs and the next size message is skipped.
  m_slot.RememberedHeight = height;
  m_slot.RememberedWidth = LOWORD(lParam);
  m_slot.SizeHandled = true;
}

void GridControl::RerunSizeHandling() {
  const LPARAM size =
      MAKELPARAM(static_cast<WORD>(m_slot.RememberedWidth), static_cast<WORD>(m_slot.RememberedHeight));
  // Twice, so that one of the two gets past a pending skip.
  SendMessage(&m_window, WM_SIZE, SIZE_MAXIMIZED, size);
  SendMessage(&m_window, WM_SIZE, SIZE_MAXIMIZED, size);
}

void GridControl::SetTitle(const char* text) {
  const std::string_view title = text ? text : "";
  m_slot.Title =
      title.size() <= static_cast<std::size_t>(kMaxTitleLength) ? std::string(title) : kTitleTooLong;
  if (m_slot.Title.empty()) {
    m_slot.TitleHeight = 0;
  } else {
    WindowDC windowDc(m_window);
    ScopedFont font(windowDc.dc(), FontOf(m_slot.TitleFont));
    const int lineHeight = windowDc.dc().TextExtent(m_slot.Title).cy;
    const auto lines = 1 + std::count(m_slot.Title.begin(), m_slot.Title.end(), '\n');
    m_slot.TitleHeight = static_cast<int>(lineHeight * kTitleLineSpacing * static_cast<double>(lines));
  }
  Refresh();
  RerunSizeHandling();
}

void GridControl::OnSetFont(WPARAM font) {
  const auto handle = reinterpret_cast<HFONT>(font);
  m_slot.CellFont = handle;
  if (!m_slot.HeadingFont) m_slot.HeadingFont = handle;
  if (!m_slot.TitleFont) m_slot.TitleFont = handle;
  Refresh();
}

}  // namespace quor::grid
