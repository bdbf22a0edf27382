// The behaviour of one grid window for one message: its slot and its
// window together. Built afresh by the window procedure for every message;
// all lasting state is in the slot.
#pragma once

#include <string>
#include <string_view>

#include "editor/grid/GridCellRef.h"
#include "editor/grid/GridSlot.h"
#include "platform/win/Window.h"

namespace quor {
class DrawContext;
}

namespace quor::grid {

using win::LPARAM;
using win::LRESULT;
using win::RECT;
using win::Window;
using win::WORD;
using win::WPARAM;

class GridControl {
 public:
  GridControl(Window& window, GridSlot& slot) : m_window(window), m_slot(slot) {}

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // WM_CREATE on a freshly allocated slot: cell store, fonts, title.
  void Create();

 private:
  // Messages of the parent (GridControl.cpp).
  LRESULT HandleGridMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleCellMessage(UINT message, const GridCellRef* ref, LPARAM lParam);
  LRESULT HandleSetting(UINT message, WPARAM wParam, LPARAM lParam);
  void Notify(WORD code, LPARAM lParam);
  void NotifyCursor(WORD code);
  void Repaint(bool erase);
  void Refresh();
  void MoveCursorTo(int row, int column);

  // Cells (GridCells.cpp).
  void WriteCell(const GridCellRef& ref, std::string_view text);
  void FitCell(const GridCellRef& ref, std::string_view text);
  void SetDimensions(WPARAM rows, LPARAM columns);
  void SetColumnWidth(WPARAM column, int width);
  void SetRowHeight(int height);
  void SetHeadingHeight(int height);
  void ClearCells();
  void RefreshProtection();

  // Painting (GridPaint.cpp).
  void Paint();
  void PaintTitle(DrawContext& dc);
  void PaintColumn(DrawContext& dc, int column, int x);
  void PaintHeading(DrawContext& dc, int column, const RECT& rect);
  void PaintDataCell(DrawContext& dc, int row, int column, const RECT& cell);
  void PaintCellContent(DrawContext& dc, int row, int column, const RECT& text);
  void ToggleFocusFrame();
  void DrawEditText(std::string_view extra);
  void DrawEditTextOn(DrawContext& dc, std::string_view extra);

  // Scrolling and sizing (GridScroll.cpp).
  void UpdateScrollBars();
  void OnHScroll(WPARAM wParam);
  void OnVScroll(WPARAM wParam);
  void ScrollRowIntoView(int row, int column);
  void ScrollColumnIntoView(int row, int column);
  void ScrollCursorIntoView();
  void OnSize(LPARAM lParam);
  void RerunSizeHandling();
  void SetTitle(const char* text);
  void OnSetFont(WPARAM font);

  // Keyboard, focus and editing (GridKeyboard.cpp).
  void OnKeyDown(UINT key);
  void OnOtherKey(UINT key);
  void OnFunctionKey(UINT key);
  LRESULT OnGetDlgCode(UINT key);
  void OnSetFocus();
  void OnKillFocus();
  void MoveCursorRow(int row, bool announceAlways);
  void MoveCursorColumn(int column);
  void StartEdit();
  void Commit();
  void CommitIfEditing();
  void Cancel();
  void EnterMove(bool commit);

  // Mouse and column sizing (GridMouse.cpp).
  void OnMouseMove(int x, int y);
  void OnLButtonDown(int x, int y);
  void OnLButtonUp();
  void OnLButtonDblClk(int x, int y);
  bool SetCursorAtPoint(int x, int y);
  void AnnounceCursorChange(int oldRow, int oldColumn);
  void StartColumnDrag(int x);

  Window& m_window;
  GridSlot& m_slot;
};

}  // namespace quor::grid
