// Real key presses (XTest) on a grid host inside a dialog on the screen, and
// the checks that the grid answers them as a dialog's control: the same in
// every dialog that holds a grid.
#pragma once

#include <string>

class wxDialog;
class wxWindow;

namespace quor::grid {
class GridHost;
}

namespace quor::grid::test {

// Gives the grid the keyboard focus and waits until it has it.
bool FocusGrid(GridHost& grid);

std::string GridCell(GridHost& grid, int row, int column);
void SetGridCell(GridHost& grid, int row, int column, const char* text);

// Types the text into the cursor cell and ends the edit with Enter.
void ExpectTypedTextStored(GridHost& grid, const std::string& text);

// Esc during an edit cancels only the edit (8 then 10), the cell keeps its
// text and the dialog stays; Esc again ends the dialog.
void ExpectEscapeCancelsTheEditThenTheDialog(wxDialog& dialog, GridHost& grid);

// Enter moves the cursor one row down and leaves the dialog open.
void ExpectEnterMovesDown(wxDialog& dialog, GridHost& grid);

// Alt+O reaches the dialog's OK button; neither it nor Ctrl+. types into the
// grid, and Alt+Down does not move its cursor.
void ExpectAltOPressesOk(wxDialog& dialog, GridHost& grid);

// Tab moves the focus from the grid to the next control, Shift+Tab to the
// one before it.
void ExpectTabMovesBetween(GridHost& grid, const wxWindow& next);

}  // namespace quor::grid::test
