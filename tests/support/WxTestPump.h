// Event pumping for tests that run a wx application.
#pragma once

#include <chrono>
#include <functional>

namespace quor::test {

// Runs the wx event loop (pending events and idle processing, so that
// destroyed windows are really deleted) for about the given time.
void PumpEvents(std::chrono::milliseconds duration = std::chrono::milliseconds(50));

// Pumps until the predicate holds or the time limit passes; returns the predicate's last value.
bool PumpUntil(const std::function<bool()>& done,
               std::chrono::milliseconds limit = std::chrono::milliseconds(5000));

}  // namespace quor::test
