// What a test sees of the X screen from outside the windows: the titles of
// the top-level windows and a picture of an area of the screen.
#pragma once

#include <wx/gdicmn.h>
#include <wx/image.h>

#include <string>
#include <vector>

namespace quor::test {

// The titles of every top-level window on the display (there is no window
// manager under Xvfb, so they are the root window's children).
std::vector<std::string> TopLevelWindowTitles();

// What the X server shows in the area, read on a connection of its own; an
// invalid image when the screen cannot be read.
wxImage CaptureScreenArea(const wxRect& area);

// Saves the area of the screen as a PNG file; false when that fails.
bool SaveScreenArea(const wxRect& area, const std::string& pngPath);

}  // namespace quor::test
