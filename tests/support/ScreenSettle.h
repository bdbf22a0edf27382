// Waiting for the screen to show what a test has just changed: windows paint
// a little later, on the toolkit's frame clock, and a picture taken at once
// may show the area half drawn.
#pragma once

#include <wx/gdicmn.h>

#include <chrono>

namespace quor::test {

// Runs the wx event loop until no events are pending and the area of the
// screen has stayed the same over a few frame-clock ticks, or the limit has
// passed; false when it never settled (or the screen cannot be read).
bool PumpUntilScreenSettles(const wxRect& area,
                            std::chrono::milliseconds limit = std::chrono::milliseconds(3000));

}  // namespace quor::test
