// Event pumping for tests that run a wx application.
#pragma once

#include <wx/gdicmn.h>

#include <chrono>
#include <functional>

class wxWindow;

namespace quor::test {

// Runs the wx event loop (pending events and idle processing, so that
// destroyed windows are really deleted) for about the given time.
void PumpEvents(std::chrono::milliseconds duration = std::chrono::milliseconds(50));

// Pumps until the predicate holds or the time limit passes; returns the predicate's last value.
bool PumpUntil(const std::function<bool()>& done,
               std::chrono::milliseconds limit = std::chrono::milliseconds(5000));

// Clicks the window's client point with the simulated mouse, as a hand does,
// and pumps until the click has done what it should; returns whether it did.
bool ClickUntil(wxWindow& window, wxPoint at, const std::function<bool()>& done);

}  // namespace quor::test
