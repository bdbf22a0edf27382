#include "editor/grid/GridSlotTable.h"

#include <algorithm>

namespace quor::grid {

GridSlotTable& GridSlots() {
  static GridSlotTable table;
  return table;
}

GridSlot* FindGridSlot(UINT id) {
  if (id == 0) return nullptr;
  auto& slots = GridSlots().slots;
  const auto it = std::find_if(slots.begin(), slots.end(), [id](const GridSlot& s) { return s.Id == id; });
  return it == slots.end() ? nullptr : &*it;
}

std::size_t SlotIndex(const GridSlot& slot) {
  return static_cast<std::size_t>(&slot - GridSlots().slots.data());
}

GridSlot* FreeGridSlot() {
  auto& slots = GridSlots().slots;
  for (std::size_t i = slots.size(); i-- > 0;) {
    if (slots[i].Id == 0) return &slots[i];
  }
  return nullptr;
}

std::size_t LiveGridCount() {
  const auto& slots = GridSlots().slots;
  return static_cast<std::size_t>(
      std::count_if(slots.begin(), slots.end(), [](const GridSlot& s) { return s.Id != 0; }));
}

void ReleaseGridSlot(GridSlot& slot) {
  slot.Id = 0;
  slot.CellList.reset();
  slot.CellFont = nullptr;
  slot.NewCellProtection = 'U';
  slot.Rows = 100;
  slot.TopRow = 1;
  slot.LeftColumn = 1;
  slot.RowHeight = 20;
  slot.HeadingHeight = 20;
  slot.NumberRows = true;
  slot.LetterColumns = true;
  slot.RowHighlight = true;
  slot.CursorRow = 1;
  slot.CursorColumn = 1;
  slot.ColumnWidth[0] = 40;
  std::fill(slot.ColumnWidth.begin() + 1, slot.ColumnWidth.begin() + kMaxColumns, 50);
  slot.FocusFrameColor = 0xFFFFFF;
  slot.ProtectedColor = 0x808080;
  slot.UnprotectedColor = 0xFFFFFF;
  // An edit, a column drag or the focus of a grid that went away mid-way
  // must not carry over to the next grid in this slot.
  slot.Editing = false;
  slot.EditText.clear();
  slot.EditShown.clear();
  if (slot.SizingColumnActive) slot.WholeRows = slot.SavedWholeRows;
  slot.SizingColumnActive = false;
  slot.HasFocus = false;
  if (LiveGridCount() == 0) {
    GridSlotTable& table = GridSlots();
    table.sharedCellFont = table.sharedHeadingFont = table.sharedTitleFont = nullptr;
  }
}

}  // namespace quor::grid
