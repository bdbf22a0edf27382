// A window rectangle read from the profile, fitted to the desktop's work area
// before the window is placed there.
#pragma once

#include <wx/gdicmn.h>

#include <cstdint>

#include "editor/ui/WindowPlacement.h"

namespace quor {

inline wxRect FitRectToDisplay(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  const wxRect screen = wxGetClientDisplayRect();
  const DeviceRect r =
      FitRectToScreen(left, top, right, bottom,
                      {screen.GetLeft(), screen.GetTop(), screen.GetRight() + 1, screen.GetBottom() + 1});
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace quor
