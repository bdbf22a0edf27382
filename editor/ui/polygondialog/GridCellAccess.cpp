#include "editor/ui/polygondialog/GridCellAccess.h"

#include "editor/grid/GridCellRef.h"
#include "editor/grid/GridMessages.h"

namespace quor {

std::string GetGridCellText(const GridSend& grid, int row, int column) {
  grid::GridCellRef ref;
  grid::SetGridCellRef(ref, row, column);
  std::string text;
  grid(grid::GRM_GETCELLTEXT, reinterpret_cast<win::WPARAM>(&ref), reinterpret_cast<win::LPARAM>(&text));
  return text;
}

void SetGridCellText(const GridSend& grid, int row, int column, const std::string& text) {
  grid::GridCellRef ref;
  grid::SetGridCellRef(ref, row, column);
  grid(grid::GRM_SETCELLTEXT, reinterpret_cast<win::WPARAM>(&ref),
       reinterpret_cast<win::LPARAM>(text.c_str()));
}

}  // namespace quor
