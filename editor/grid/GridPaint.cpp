// Painting: title band, heading row, row headers, data cells by kind, the
// exclusive-or focus frame and the in-place edit text.
#include <algorithm>
#include <climits>
#include <string>

#include "editor/grid/GridControl.h"
#include "editor/grid/GridLayout.h"
#include "editor/grid/GridMessages.h"
#include "editor/grid/GridSlotTable.h"
#include "platform/win/WindowSystem.h"

namespace quor::grid {

using namespace win;

namespace {

constexpr Brush kGrayBrush{BrushStyle::Solid, 0x808080};
constexpr Brush kNullBrush{BrushStyle::Hollow, 0};
constexpr Brush kWhiteBrush{BrushStyle::Solid, 0xFFFFFF};
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kUnfocusedHighlight = 0xC8C8C8;
// Check boxes taller than this are drawn at kCheckBoxSize, centred.
constexpr int kCheckBoxLimit = 24;
constexpr int kCheckBoxSize = 16;

constexpr unsigned kHeadingFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr unsigned kEtchedSides = BF_RIGHT | BF_BOTTOM | BF_MIDDLE | BF_ADJUST;
constexpr unsigned kRightFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

// The number after an owner-drawn cell's "~": leading blanks skipped, digits
// up to the first non-digit, 0 when there are none.
int OwnerDrawNumber(std::string_view text) {
  std::size_t i = text.find_first_not_of(' ');
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min<long long>(value * 10 + (text[i] - '0'), INT_MAX);
  }
  return static_cast<int>(value);
}

}  // namespace

void GridControl::Paint() {
  PaintScope paint(m_window);
  DrawContext& dc = paint.dc();
  ComputeShownRange(m_slot);
  if (m_slot.TitleHeight > 0) PaintTitle(dc);
  PaintColumn(dc, 0, 0);
  int x = m_slot.ColumnWidth[0];
  for (int c = m_slot.FirstShownColumn; c <= m_slot.LastShownColumn; ++c) {
    PaintColumn(dc, c, x);
    x += m_slot.ColumnWidth[c];
  }
  // The frame goes over the fresh paint once everything queued is done.
  if (m_slot.HasFocus) PostMessage(&m_window, GRM_TOGGLEFOCUSFRAME, SlotIndex(m_slot), 0);
}

void GridControl::PaintTitle(DrawContext& dc) {
  const RECT band{0, 0, m_slot.ClientWidth, m_slot.TitleHeight};
  const RECT inside = dc.DrawEdge(band, EDGE_ETCHED, BF_RECT | BF_MIDDLE | BF_ADJUST);
  ScopedFont font(dc, FontOf(m_slot.TitleFont));
  dc.DrawText(m_slot.Title, inside, kHeadingFormat);
}

void GridControl::PaintColumn(DrawContext& dc, int column, int x) {
  if (m_slot.ColumnWidth[column] == 0) return;
  UpdateScrollBars();
  RECT heading = CellRect(m_slot, 0, column);
  heading.right = x + (heading.right - heading.left);
  heading.left = x;
  PaintHeading(dc, column, heading);
  const bool lastShown = column >= 1 && NextShownColumn(m_slot, column, +1) == 0;
  if (!m_slot.StretchLastColumn && lastShown) {
    dc.FillRect({heading.right, m_slot.TitleHeight, m_slot.ClientWidth, m_slot.ClientHeight}, kGrayBrush);
  }
  ScopedFont font(dc, FontOf(m_slot.CellFont));
  int bottom = m_slot.TitleHeight + m_slot.HeadingHeight;
  for (int row = m_slot.FirstShownRow; row <= m_slot.LastShownRow; ++row) {
    RECT cell = CellRect(m_slot, row, column);
    cell.left = heading.left;
    cell.right = heading.right;
    if (column == 0) {
      const RECT inside = dc.DrawEdge(cell, EDGE_ETCHED, kEtchedSides);
      const RECT text{inside.left + 2, inside.top, inside.right - 2, inside.bottom};
      const std::string label = m_slot.NumberRows ? std::to_string(row) : m_slot.CellList->Text({row, 0});
      dc.SetTextColor(kBlack);
      dc.DrawText(label, text, kRightFormat);
    } else {
      PaintDataCell(dc, row, column, cell);
    }
    bottom = cell.bottom;
    if (m_slot.Editing) DrawEditTextOn(dc, "");
  }
  dc.FillRect({heading.left, bottom, heading.right, m_slot.ClientHeight}, kGrayBrush);
}

void GridControl::PaintHeading(DrawContext& dc, int column, const RECT& rect) {
  const std::string text =
      column >= 1 && m_slot.LetterColumns ? ColumnLabel(column) : m_slot.CellList->Text({0, column});
  ScopedFont font(dc, FontOf(m_slot.HeadingFont));
  const COLORREF previous = dc.SetTextColor(m_slot.HeadingTextColor);
  const RECT inside = dc.DrawEdge(rect, EDGE_ETCHED, kEtchedSides);
  dc.DrawText(text, inside, kHeadingFormat);
  dc.SetTextColor(previous);
}

void GridControl::PaintDataCell(DrawContext& dc, int row, int column, const RECT& cell) {
  const bool cursorRow = m_slot.RowHighlight && row == m_slot.CursorRow;
  COLORREF background =
      m_slot.CellList->IsProtected({row, column}) ? m_slot.ProtectedColor : m_slot.UnprotectedColor;
  if (cursorRow) background = m_slot.HasFocus ? m_slot.HighlightColor : kUnfocusedHighlight;
  const Brush brush{BrushStyle::Solid, background};
  {
    ScopedPen pen(dc, Pen{PenStyle::Solid, 1, m_slot.LineColor});
    ScopedBrush fill(dc, brush);
    dc.Rectangle(cell);
  }
  // Only the right and bottom lines of the outline stay.
  dc.FillRect({cell.left, cell.top, cell.right - 1, cell.bottom - 1}, brush);
  dc.SetTextColor(cursorRow && m_slot.HasFocus ? m_slot.HighlightTextColor : kBlack);
  PaintCellContent(dc, row, column, {cell.left + 2, cell.top, cell.right - 2, cell.bottom});
}

void GridControl::PaintCellContent(DrawContext& dc, int row, int column, const RECT& text) {
  int kind = m_slot.CellList->Kind({row, column});
  if (m_slot.ColumnKind[column] == kKindText || m_slot.ColumnKind[column] == kKindNumber) {
    kind = m_slot.ColumnKind[column];
  }
  std::string content = m_slot.CellList->Text({row, column});
  switch (kind) {
    case kKindNumber:
      dc.DrawText(content, text, kRightFormat);
      return;
    case kKindChecked:
    case kKindUnchecked: {
      RECT box{text.left, text.top + 2, text.right, text.bottom - 2};
      if (box.bottom - box.top > kCheckBoxLimit) {
        box.top += (box.bottom - box.top - kCheckBoxSize) / 2;
        box.bottom = box.top + kCheckBoxSize;
      }
      dc.DrawCheckBox(box, kind == kKindChecked);
      return;
    }
    case kKindOwnerDrawn: {
      content[0] = ' ';
      m_slot.OwnerDrawValue = OwnerDrawNumber(content);
      RECT area = text;
      Notify(GRN_DRAWCELL, reinterpret_cast<LPARAM>(&area));
      return;
    }
    default: {
      const unsigned format = m_slot.Ellipsis
                                  ? DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS
                                  : DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;
      dc.DrawText(content, text, format);
      return;
    }
  }
}

void GridControl::ToggleFocusFrame() {
  if (m_slot.Rows == 0 || m_slot.CursorRow < m_slot.TopRow || m_slot.CursorColumn < m_slot.LeftColumn) return;
  WindowDC windowDc(m_window);
  DrawContext& dc = windowDc.dc();
  ScopedPen pen(dc, Pen{PenStyle::Solid, 1, m_slot.FocusFrameColor});
  ScopedBrush brush(dc, kNullBrush);
  ScopedRasterOp op(dc, RasterOp::XorPen);
  dc.Rectangle(CellRect(m_slot, m_slot.CursorRow, m_slot.CursorColumn));
}

void GridControl::DrawEditText(std::string_view extra) {
  WindowDC windowDc(m_window);
  DrawEditTextOn(windowDc.dc(), extra);
}

void GridControl::DrawEditTextOn(DrawContext& dc, std::string_view extra) {
  Caret& caret = m_window.System().SystemCaret();
  caret.Show(m_window);
  if (m_slot.CursorRow < m_slot.TopRow || m_slot.CursorColumn < m_slot.LeftColumn) {
    caret.Hide(m_window);
    return;
  }
  const RECT cell = CellRect(m_slot, m_slot.CursorRow, m_slot.CursorColumn);
  // All of the cell inside its lines, so nothing of the stored text or the
  // row's highlight shows around the edit text.
  dc.FillRect({cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1}, kWhiteBrush);
  if (m_slot.EditText.size() < kMaxEditLength) {
    // The buffer holds kMaxEditLength characters; what does not fit is refused.
    const std::size_t room = kMaxEditLength - m_slot.EditText.size();
    if (extra.size() > room) m_window.System().MessageBeep();
    m_slot.EditText += extra.substr(0, room);
    m_slot.EditShown = m_slot.EditText;
  } else if (!extra.empty()) {
    m_window.System().MessageBeep();
  }
  ScopedFont font(dc, FontOf(m_slot.CellFont));
  const COLORREF previous = dc.SetTextColor(kBlack);
  dc.DrawText(m_slot.EditShown, {cell.left + 4, cell.top + 4, cell.right - 9, cell.bottom - 4},
              DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  dc.SetTextColor(previous);
  caret.SetPos(cell.right - 8, cell.top + 6 + m_slot.RowHeight / 2 - m_slot.CaretHeight);
}

}  // namespace quor::grid
