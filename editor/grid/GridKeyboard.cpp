// Keyboard, dialog codes, focus and in-place editing.
#include <algorithm>

#include "editor/grid/GridControl.h"
#include "editor/grid/GridLayout.h"
#include "editor/grid/GridMessages.h"
#include "platform/win/WindowSystem.h"

namespace quor::grid {

using namespace win;

namespace {

constexpr LRESULT kDialogCode = DLGC_WANTARROWS | DLGC_DEFPUSHBUTTON | DLGC_WANTCHARS;
constexpr int kFirstPrintable = 32;
constexpr int kLastPrintable = 125;  // "~" starts an owner-drawn cell and is not typed
constexpr int kBackspace = 8;
constexpr int kCarriageReturn = 13;

}  // namespace

void GridControl::OnKeyDown(UINT key) {
  switch (key) {
    case VK_DOWN:
      CommitIfEditing();
      if (m_slot.Rows == 0 || m_slot.CursorRow >= m_slot.Rows) return;
      MoveCursorRow(m_slot.CursorRow + 1, false);
      return;
    case VK_UP:
      CommitIfEditing();
      if (m_slot.Rows == 0 || m_slot.CursorRow <= 1) return;
      MoveCursorRow(m_slot.CursorRow - 1, false);
      return;
    case VK_NEXT:
      CommitIfEditing();
      if (m_slot.Rows == 0 || m_slot.CursorRow >= m_slot.Rows) return;
      MoveCursorRow(std::min(m_slot.CursorRow + std::max(0, PageRows(m_slot)), m_slot.Rows), true);
      return;
    case VK_PRIOR:
      CommitIfEditing();
      if (m_slot.Rows == 0 || m_slot.CursorRow <= 1) return;
      MoveCursorRow(std::max(m_slot.CursorRow - std::max(0, PageRows(m_slot)), 1), true);
      return;
    case VK_LEFT: {
      CommitIfEditing();
      const int previous = NextShownColumn(m_slot, m_slot.CursorColumn, -1);
      if (previous != 0) MoveCursorColumn(previous);
      return;
    }
    case VK_RIGHT: {
      CommitIfEditing();
      const int next = NextShownColumn(m_slot, m_slot.CursorColumn, +1);
      MoveCursorColumn(next != 0 ? next : m_slot.CursorColumn);
      return;
    }
    case VK_TAB:
      m_window.System().SetFocus(m_window.Parent());
      return;
    case VK_DELETE:
      NotifyCursor(GRN_DELETEKEY);
      return;
    case VK_ESCAPE:
      if (m_slot.Editing) Cancel();
      return;
    default:
      if (key >= VK_F1 && key <= VK_F12) {
        OnFunctionKey(key);
        return;
      }
      OnOtherKey(key);
  }
}

void GridControl::OnFunctionKey(UINT key) {
  NotifyCursor(static_cast<WORD>(GRN_FKEY1 + (key - VK_F1)));
  if (key != VK_F2 || m_slot.Editing) return;
  // F2 continues from the stored text on any cell, editable or not.
  RefreshProtection();
  if (m_slot.Rows < 1) return;
  StartEdit();
  DrawEditText(m_slot.CellList->Text({m_slot.CursorRow, m_slot.CursorColumn}));
}

void GridControl::OnOtherKey(UINT key) {
  RefreshProtection();
  const int character = m_window.System().TranslateKey(key);
  if (m_slot.CursorCellProtected) {
    if (key == VK_RETURN) EnterMove(false);
    return;
  }
  if (!m_slot.Editable) {
    if (character == kCarriageReturn) EnterMove(false);
    return;
  }
  if (m_slot.Rows < 1) return;
  ScrollRowIntoView(m_slot.CursorRow, m_slot.CursorColumn);
  if (character >= kFirstPrintable && character <= kLastPrintable) {
    StartEdit();
    DrawEditText(std::string(1, static_cast<char>(character)));
  } else if (character == kBackspace) {
    StartEdit();
    if (!m_slot.EditText.empty()) m_slot.EditText.pop_back();
    DrawEditText("");
  } else if (character == kCarriageReturn) {
    EnterMove(true);
  }
}

LRESULT GridControl::OnGetDlgCode(UINT key) {
  if (key == VK_RETURN) {
    EnterMove(true);
    return kDialogCode;
  }
  if (key == VK_ESCAPE) {
    // Without an edit the dialog may take Esc and close.
    if (!m_slot.Editing) return 0;
    Cancel();
  }
  return kDialogCode;
}

void GridControl::OnSetFocus() {
  ToggleFocusFrame();
  m_slot.HasFocus = true;
  ToggleFocusFrame();
  RefreshProtection();
  ScrollCursorIntoView();
  Notify(GRN_FOCUSGAINED, 0);
  {
    WindowDC fresh(m_window);
    m_slot.CaretHeight = fresh.dc().FontAscent();
  }
  m_window.System().SystemCaret().Create(m_window, 1, m_slot.CaretHeight);
  Refresh();
}

void GridControl::OnKillFocus() {
  CommitIfEditing();
  m_window.System().SystemCaret().Destroy();
  ToggleFocusFrame();
  m_slot.HasFocus = false;
  Notify(GRN_FOCUSLOST, 0);
  Refresh();
}

void GridControl::MoveCursorRow(int row, bool announceAlways) {
  ToggleFocusFrame();
  const bool changed = row != m_slot.CursorRow;
  m_slot.CursorRow = row;
  if (changed || announceAlways) {
    NotifyCursor(GRN_ROWCHANGED);
    NotifyCursor(GRN_CURSORMOVED);
  }
  ToggleFocusFrame();
  RefreshProtection();
  ScrollCursorIntoView();
  Refresh();
}

void GridControl::MoveCursorColumn(int column) {
  ToggleFocusFrame();
  const bool changed = column != m_slot.CursorColumn;
  m_slot.CursorColumn = column;
  if (changed) {
    NotifyCursor(GRN_COLUMNCHANGED);
    NotifyCursor(GRN_CURSORMOVED);
  }
  ToggleFocusFrame();
  RefreshProtection();
  ScrollCursorIntoView();
  Refresh();
}

void GridControl::StartEdit() {
  if (!m_slot.Editing) NotifyCursor(GRN_EDITSTARTED);
  m_slot.Editing = true;
}

void GridControl::Commit() {
  WriteCell({m_slot.CursorRow, m_slot.CursorColumn}, m_slot.EditText);
  m_slot.EditText.clear();
  Refresh();
  m_slot.Editing = false;
  m_window.System().SystemCaret().Hide(m_window);
  NotifyCursor(GRN_EDITFINISHED);
}

void GridControl::CommitIfEditing() {
  if (m_slot.Editing) Commit();
}

void GridControl::Cancel() {
  m_slot.Editing = false;
  m_slot.EditText.clear();
  m_window.System().SystemCaret().Hide(m_window);
  Refresh();
  NotifyCursor(GRN_EDITFINISHED);
}

void GridControl::EnterMove(bool commit) {
  if (commit) CommitIfEditing();
  // With no rows there is no row to move to (row 0 is the heading).
  if (m_slot.Rows >= 1) MoveCursorRow(std::min(m_slot.CursorRow + 1, m_slot.Rows), false);
  m_slot.Editing = false;
}

}  // namespace quor::grid
