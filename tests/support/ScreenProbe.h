// What a test sees of the X screen from outside the windows, as a user would:
// the top-level windows by title, the keyboard focus and a picture of an area
// of the screen. Every call reads the server on a connection of its own, so
// it sees what the server shows, not what a toolkit believes it drew.
#pragma once

#include <wx/gdicmn.h>
#include <wx/image.h>

#include <optional>
#include <string>
#include <vector>

namespace quor::test {

// The titles of every top-level window on the display, from the bottom of the
// stacking order to the top (there is no window manager under Xvfb, so they
// are the root window's children).
std::vector<std::string> TopLevelWindowTitles();

// Where the shown top-level window with this title stands on the screen.
std::optional<wxRect> FindTopLevelWindow(const std::string& title);

// Gives the shown top-level window with this title the keyboard.
void FocusTopLevelWindow(const std::string& title);

// What the X server shows in the area; an invalid image when the screen cannot be read.
wxImage CaptureScreenArea(const wxRect& area);

// Saves the area of the screen as a PNG file; false when that fails.
bool SaveScreenArea(const wxRect& area, const std::string& pngPath);

}  // namespace quor::test
