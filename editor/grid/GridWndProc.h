// The "grid" window class: a small spreadsheet control driven by GRM_
// messages and reporting to its parent with GRN_ notifications.
#pragma once

#include "platform/win/Window.h"

namespace quor::win {
class WindowSystem;
}

namespace quor::grid {

inline constexpr const char* kGridClassName = "grid";

// Gives all slots their fresh defaults and registers the class; returns
// the class atom, 0 when the class exists already.
win::ATOM RegisterGridClass(win::WindowSystem& system);

win::LRESULT GridWndProc(win::Window& window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

}  // namespace quor::grid
