// Reading and writing one cell of a grid control through the function that
// sends it messages, as the dialogs built on the grid do.
#pragma once

#include <functional>
#include <string>

#include "platform/win/WinTypes.h"

namespace quor {

using GridSend = std::function<win::LRESULT(win::UINT, win::WPARAM, win::LPARAM)>;

// A cell the grid does not hold reads as empty.
std::string GetGridCellText(const GridSend& grid, int row, int column);
void SetGridCellText(const GridSend& grid, int row, int column, const std::string& text);

}  // namespace quor
