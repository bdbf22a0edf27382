// Runs a piece of a test in a child process that cannot make any file larger
// than a limit, as on a full disk or at a quota: writes past it fail.
#pragma once

#include <cstddef>
#include <functional>

namespace quor::test {

// What a write past the limit does to the child: it fails (the default), or
// the child is killed on the spot, as a save cut short by a crash.
enum class AtFileSizeLimit { WriteFails, Killed };

// The child's exit code is what `body` returns; -1 when it could not run or
// did not end normally.
int RunWithFileSizeLimit(std::size_t limitBytes, const std::function<int()>& body,
                         AtFileSizeLimit atLimit = AtFileSizeLimit::WriteFails);

}  // namespace quor::test
