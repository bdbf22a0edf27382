#include "editor/grid/GridWndProc.h"

#include "editor/grid/GridControl.h"
#include "editor/grid/GridSlotTable.h"
#include "platform/win/WindowSystem.h"

namespace quor::grid {

using namespace win;

namespace {

LRESULT CreateGrid(Window& window) {
  // Id 0 marks a free slot, and a second grid under a live grid's id would
  // share that grid's state: both are refused.
  if (window.Id() == 0 || FindGridSlot(window.Id())) return -1;
  GridSlot* slot = FreeGridSlot();
  if (!slot) return -1;
  if (LiveGridCount() == 0) {
    GridSlotTable& table = GridSlots();
    table.sharedCellFont = table.sharedHeadingFont = table.sharedTitleFont = DefaultGuiFont();
  }
  slot->Id = window.Id();
  slot->ClientWidth = window.ClientWidth();
  slot->ClientHeight = window.ClientHeight();
  GridControl(window, *slot).Create();
  return 0;
}

}  // namespace

ATOM RegisterGridClass(WindowSystem& system) {
  for (GridSlot& slot : GridSlots().slots) slot = GridSlot{};
  return system.RegisterClass({kGridClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, GridWndProc});
}

LRESULT GridWndProc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) return CreateGrid(window);
  GridSlot* slot = FindGridSlot(window.Id());
  if (!slot) return DefWindowProc(window, message, wParam, lParam);
  slot->ClientWidth = window.ClientWidth();
  slot->ClientHeight = window.ClientHeight();
  return GridControl(window, *slot).Handle(message, wParam, lParam);
}

}  // namespace quor::grid
