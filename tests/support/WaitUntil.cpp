#include "support/WaitUntil.h"

#include <thread>

namespace quor::test {

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit,
               std::chrono::milliseconds interval) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return done();
    std::this_thread::sleep_for(interval);
  }
  return true;
}

}  // namespace quor::test
