// The fixed table of 20 grid slots, found by control id, and the default
// fonts the live grids share.
#pragma once

#include <array>
#include <cstddef>

#include "editor/grid/GridSlot.h"

namespace quor::grid {

inline constexpr std::size_t kSlotCount = 20;

struct GridSlotTable {
  std::array<GridSlot, kSlotCount> slots;
  HFONT sharedCellFont = nullptr;
  HFONT sharedHeadingFont = nullptr;
  HFONT sharedTitleFont = nullptr;
};

GridSlotTable& GridSlots();

// The slot of a live grid by its control id; null when there is none.
GridSlot* FindGridSlot(UINT id);
std::size_t SlotIndex(const GridSlot& slot);
// The highest-numbered free slot, or null when all are in use.
GridSlot* FreeGridSlot();
std::size_t LiveGridCount();
// Frees the slot and resets what its next user is given.
void ReleaseGridSlot(GridSlot& slot);

}  // namespace quor::grid
