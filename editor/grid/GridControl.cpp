#include "editor/grid/GridControl.h"

#include <algorithm>

#include "editor/grid/GridLayout.h"
#include "editor/grid/GridMessages.h"
#include "editor/grid/GridSlotTable.h"
#include "platform/win/WindowSystem.h"

namespace quor::grid {

using namespace win;

namespace {

constexpr COLORREF kDisabledHeadingTextColor = 0x787878;

bool Flag(WPARAM value) {
  return value != 0;
}

bool IsCellMessage(UINT message) {
  switch (message) {
    case GRM_SETCELLPROTECTION:
    case GRM_SETCELLTEXT:
    case GRM_GETCELLTEXT:
    case GRM_DELETECELL:
    case GRM_GETCELLKIND:
    case GRM_ISCELLPROTECTED:
      return true;
    default:
      return false;
  }
}

}  // namespace

void GridControl::Create() {
  const GridSlotTable& table = GridSlots();
  m_slot.CellList = std::make_unique<GridCellStore>();
  m_slot.CellFont = table.sharedCellFont;
  m_slot.HeadingFont = table.sharedHeadingFont;
  m_slot.TitleFont = table.sharedTitleFont;
  SetTitle(m_window.Text().c_str());
}

LRESULT GridControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      ReleaseGridSlot(m_slot);
      return 0;
    case WM_SIZE:
      OnSize(lParam);
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFONT:
      OnSetFont(wParam);
      return 0;
    case WM_SETTEXT:
      SetTitle(reinterpret_cast<const char*>(lParam));
      return 0;
    case WM_ENABLE:
      m_slot.HeadingTextColor = Flag(wParam) ? 0x000000 : kDisabledHeadingTextColor;
      return 0;
    case WM_HSCROLL:
      OnHScroll(wParam);
      return 0;
    case WM_VSCROLL:
      OnVScroll(wParam);
      return 0;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_KILLFOCUS:
      OnKillFocus();
      return 0;
    case WM_GETDLGCODE:
      return OnGetDlgCode(static_cast<UINT>(wParam));
    case WM_KEYDOWN:
      OnKeyDown(static_cast<UINT>(wParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp();
      return 0;
    case WM_LBUTTONDBLCLK:
      OnLButtonDblClk(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    default:
      break;
  }
  if (message >= GRM_SETCELLPROTECTION && message <= GRM_SETCOLUMNKIND) {
    return HandleGridMessage(message, wParam, lParam);
  }
  return DefWindowProc(m_window, message, wParam, lParam);
}

LRESULT GridControl::HandleGridMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsCellMessage(message))
    return HandleCellMessage(message, reinterpret_cast<const GridCellRef*>(wParam), lParam);
  switch (message) {
    case GRM_SETNEWCELLPROTECTION:
      m_slot.NewCellProtection = Flag(wParam) ? 'P' : 'U';
      return 0;
    case GRM_CLEARCELLS:
      ClearCells();
      return 0;
    case GRM_SETDIMENSIONS:
      SetDimensions(wParam, lParam);
      return 0;
    case GRM_MOVECURSOR:
      MoveCursorTo(static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case GRM_GETOWNERDRAWVALUE:
      return m_slot.OwnerDrawValue;
    case GRM_SETCOLUMNWIDTH:
      SetColumnWidth(wParam, static_cast<int>(lParam));
      return 0;
    case GRM_SETHEADINGHEIGHT:
      SetHeadingHeight(static_cast<int>(wParam));
      return 0;
    case GRM_TOGGLEFOCUSFRAME:
      // Always this grid's own frame, whatever slot index came with it.
      ToggleFocusFrame();
      return 0;
    case GRM_SETROWHEIGHT:
      SetRowHeight(static_cast<int>(wParam));
      return 0;
    case GRM_GETROWCOUNT:
      return m_slot.Rows;
    case GRM_GETCOLUMNCOUNT:
      return m_slot.Columns;
    case GRM_ANNOUNCEROW:
      NotifyCursor(GRN_ROWCHANGED);
      NotifyCursor(GRN_CURSORMOVED);
      return 0;
    case GRM_ANNOUNCECOLUMN:
      NotifyCursor(GRN_COLUMNCHANGED);
      NotifyCursor(GRN_CURSORMOVED);
      return 0;
    case GRM_GETCURSORROW:
      return m_slot.CursorRow;
    case GRM_GETCURSORCOLUMN:
      return m_slot.CursorColumn;
    case GRM_REPAINT:
      Repaint(true);
      m_window.UpdateWindow();
      m_window.System().MessageBeep();
      return 0;
    case GRM_GETCOLUMNWIDTH:
      return wParam <= kMaxColumns ? m_slot.ColumnWidth[wParam] : 0;
    case GRM_GETROWHEIGHT:
      return m_slot.RowHeight;
    case GRM_GETHEADINGHEIGHT:
      return m_slot.HeadingHeight;
    case GRM_SETTITLEHEIGHT:
      // 0 is no title; a negative band would shift every row off its place.
      m_slot.TitleHeight = std::max(0, static_cast<int>(wParam));
      ScrollCursorIntoView();
      Repaint(false);
      return 0;
    default:
      return HandleSetting(message, wParam, lParam);
  }
}

LRESULT GridControl::HandleCellMessage(UINT message, const GridCellRef* ref, LPARAM lParam) {
  if (!ref || IsOutOfRange(*ref)) {
    Notify(GRN_BADCELL, 0);
    return -1;
  }
  GridCellStore& cells = *m_slot.CellList;
  switch (message) {
    case GRM_SETCELLPROTECTION:
      cells.SetProtection(*ref, lParam != 0);
      return 0;
    case GRM_SETCELLTEXT:
      WriteCell(*ref, lParam ? reinterpret_cast<const char*>(lParam) : "");
      return 0;
    case GRM_GETCELLTEXT: {
      std::string text = cells.Text(*ref);
      const auto length = static_cast<LRESULT>(text.size());
      if (auto* out = reinterpret_cast<std::string*>(lParam)) *out = std::move(text);
      return length;
    }
    case GRM_DELETECELL:
      cells.Delete(*ref);
      return 0;
    case GRM_GETCELLKIND:
      return cells.Kind(*ref);
    case GRM_ISCELLPROTECTED:
      return cells.IsProtected(*ref) ? 1 : 0;
    default:
      return 0;
  }
}

LRESULT GridControl::HandleSetting(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case GRM_SETAUTOGROWROWS:
      m_slot.AutoGrowRows = Flag(wParam);
      return 0;
    case GRM_SETFOCUSFRAMECOLOR:
    case GRM_SETLINECOLOR:
      ToggleFocusFrame();
      (message == GRM_SETLINECOLOR ? m_slot.LineColor : m_slot.FocusFrameColor) =
          static_cast<COLORREF>(wParam);
      ToggleFocusFrame();
      Refresh();
      return 0;
    case GRM_SETPROTECTEDCOLOR:
      m_slot.ProtectedColor = static_cast<COLORREF>(wParam);
      break;
    case GRM_SETUNPROTECTEDCOLOR:
      m_slot.UnprotectedColor = static_cast<COLORREF>(wParam);
      break;
    case GRM_SETROWNUMBERING:
      m_slot.NumberRows = Flag(wParam);
      break;
    case GRM_SETCOLUMNLETTERING:
      m_slot.LetterColumns = Flag(wParam);
      break;
    case GRM_SETROWHIGHLIGHT:
      m_slot.RowHighlight = Flag(wParam);
      Refresh();
      return 0;
    case GRM_SETHIGHLIGHTCOLOR:
      m_slot.HighlightColor = static_cast<COLORREF>(wParam);
      break;
    case GRM_SETHIGHLIGHTTEXTCOLOR:
      m_slot.HighlightTextColor = static_cast<COLORREF>(wParam);
      break;
    case GRM_SETEDITABLE:
      m_slot.Editable = Flag(wParam);
      return 0;
    case GRM_SETSTRETCHLASTCOLUMN:
      m_slot.StretchLastColumn = Flag(wParam);
      Refresh();
      return 0;
    case GRM_SETWHOLEROWS:
      m_slot.WholeRows = Flag(wParam);
      RerunSizeHandling();
      Refresh();
      return 0;
    case GRM_SETELLIPSIS:
      m_slot.Ellipsis = Flag(wParam);
      break;
    case GRM_SETAUTOWIDTH:
      m_slot.AutoWidth = Flag(wParam);
      return 0;
    case GRM_SETCOLUMNSIZING:
      m_slot.AllowColumnSizing = Flag(wParam);
      return 0;
    case GRM_SETTITLEFONT:
      m_slot.TitleFont = reinterpret_cast<HFONT>(wParam);
      break;
    case GRM_SETHEADINGFONT:
      m_slot.HeadingFont = reinterpret_cast<HFONT>(wParam);
      break;
    case GRM_SETCOLUMNKIND:
      if (wParam > kMaxColumns) return 0;
      m_slot.ColumnKind[wParam] = static_cast<int>(lParam);
      break;
    default:
      return DefWindowProc(m_window, message, wParam, lParam);
  }
  Repaint(false);
  return 0;
}

void GridControl::Notify(WORD code, LPARAM lParam) {
  SendMessage(m_window.Parent(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(m_window.Id()), code), lParam);
}

void GridControl::NotifyCursor(WORD code) {
  Notify(code, MAKELPARAM(static_cast<WORD>(m_slot.CursorRow), static_cast<WORD>(m_slot.CursorColumn)));
}

void GridControl::Repaint(bool erase) {
  m_window.InvalidateRect(nullptr, erase);
}

void GridControl::Refresh() {
  Repaint(false);
  if (m_slot.Editing) DrawEditText("");
}

void GridControl::MoveCursorTo(int row, int column) {
  if (row < 1 || row > m_slot.Rows || column < 1 || column > m_slot.Columns) return;
  m_slot.CursorRow = row;
  m_slot.CursorColumn = column;
  ScrollCursorIntoView();
  Refresh();
}

}  // namespace quor::grid
