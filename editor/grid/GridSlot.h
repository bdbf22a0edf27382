// The state of one live grid window. The member initialisers are the
// fresh defaults every slot gets when the grid class is registered.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "editor/grid/GridCellStore.h"
#include "platform/win/WinTypes.h"

namespace quor::grid {

using win::COLORREF;
using win::HFONT;
using win::UINT;

// What a font handle stands for; no font yet is the default font.
inline Font FontOf(HFONT font) {
  return font ? *font : Font{};
}

inline constexpr int kMaxTitleLength = 300;
inline constexpr std::size_t kMaxEditLength = 301;

struct GridSlot {
  UINT Id = 0;  // control id of the owning grid; 0 = slot free
  std::unique_ptr<GridCellStore> CellList;
  char NewCellProtection = 'U';  // letter given to every cell item the grid writes
  std::string Title;
  std::string EditText;   // typed so far in the cell being edited
  std::string EditShown;  // EditText as last drawn
  int Rows = 100;
  int Columns = kMaxColumns;  // until the first set-dimensions message
  int ClientWidth = 0;
  int ClientHeight = 0;
  int TopRow = 1;
  int LeftColumn = 1;
  int RowHeight = 21;
  int FirstShownColumn = 0;
  int LastShownColumn = 0;
  int FirstShownRow = 0;
  int LastShownRow = 0;
  int HeadingHeight = 21;
  int CursorRow = 1;
  int CursorColumn = 1;
  int OwnerDrawValue = 0;
  int VisibleColumnCount = 0;
  int TitleHeight = 0;
  int CaretHeight = 0;
  COLORREF FocusFrameColor = 0xFFFFFF;
  COLORREF ProtectedColor = 0xFFFFFF;
  COLORREF UnprotectedColor = 0xFFFFFF;
  COLORREF HeadingTextColor = 0x000000;
  COLORREF HighlightColor = 0x800000;
  COLORREF LineColor = 0xDCDCDC;
  COLORREF HighlightTextColor = 0xFFFFFF;
  bool RowHighlight = true;
  bool CursorCellProtected = false;
  bool HasFocus = false;
  bool AutoGrowRows = true;
  HFONT CellFont = nullptr;
  HFONT HeadingFont = nullptr;
  HFONT TitleFont = nullptr;
  bool NumberRows = true;
  bool LetterColumns = true;
  bool Editable = false;
  bool Editing = false;
  bool StretchLastColumn = true;
  bool HScrollShown = false;
  bool VScrollShown = false;
  bool WholeRows = true;
  bool SizeHandled = false;
  bool Ellipsis = true;
  bool AutoWidth = false;
  bool SizingColumnActive = false;
  bool AllowColumnSizing = false;
  int SizingColumn = 0;
  int SizingStartWidth = 0;
  int SizingStartX = 0;
  int CursorShape = 0;  // 0 none yet, 1 arrow, 2 west-east sizing
  std::array<int, kMaxColumns + 1> ColumnWidth{50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 0};
  std::array<int, kMaxColumns + 1> ColumnKind{};
  bool SavedWholeRows = false;
  int RememberedHeight = 0;
  int RememberedWidth = 0;
};

}  // namespace quor::grid
