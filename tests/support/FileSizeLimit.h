// Runs a piece of a test in a child process that cannot make any file larger
// than a limit, as on a full disk or at a quota: writes past it fail.
#pragma once

#include <cstddef>
#include <functional>

namespace quor::test {

// The child's exit code is what `body` returns; -1 when it could not run or
// did not end normally.
int RunWithFileSizeLimit(std::size_t limitBytes, const std::function<int()>& body);

}  // namespace quor::test
