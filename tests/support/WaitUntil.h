// Waiting in tests on something that happens elsewhere (another process, a
// file, the X server): the condition is polled until it holds or the deadline
// passes, so a test never waits longer than it must.
#pragma once

#include <chrono>
#include <functional>

namespace quor::test {

// Polls the condition every `interval` until it holds or `limit` has passed;
// returns the condition's last value.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit,
               std::chrono::milliseconds interval = std::chrono::milliseconds(10));

}  // namespace quor::test
