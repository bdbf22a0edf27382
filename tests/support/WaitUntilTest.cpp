// Waiting on a condition: as short as the condition allows, never past the limit.
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>

namespace quor::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(WaitUntilTest, AConditionThatHoldsEndsTheWaitAtOnce) {
  int calls = 0;
  const auto start = Clock::now();
  EXPECT_TRUE(WaitUntil(
      [&] {
        ++calls;
        return true;
      },
      10s));
  EXPECT_EQ(calls, 1);
  EXPECT_LT(Clock::now() - start, 1s);
}

TEST(WaitUntilTest, TheWaitEndsWhenTheConditionComesToHold) {
  int calls = 0;
  EXPECT_TRUE(WaitUntil([&] { return ++calls == 3; }, 10s, 1ms));
  EXPECT_EQ(calls, 3);
}

TEST(WaitUntilTest, AConditionThatNeverHoldsEndsTheWaitAtTheLimit) {
  int calls = 0;
  const auto start = Clock::now();
  EXPECT_FALSE(WaitUntil(
      [&] {
        ++calls;
        return false;
      },
      50ms, 5ms));
  const auto waited = Clock::now() - start;
  EXPECT_GE(waited, 50ms);
  EXPECT_LT(waited, 5s);
  // Asked once more at the limit, so that a late change still counts.
  EXPECT_GE(calls, 2);
}

}  // namespace
}  // namespace quor::test
