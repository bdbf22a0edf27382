// Runs numbered tasks on every core: each worker takes the next task number
// until all are taken. For work whose tasks are independent and need no
// locks, such as the rows of the dense system.
#pragma once

#include <cstdint>
#include <functional>

namespace quor::solver {

// Calls task(i) once for each i in [0, count), from as many threads as the
// machine has cores, and returns when all calls have returned. An exception
// thrown by a task is thrown again here once every worker has stopped; the
// tasks not yet started then do not run.
void RunParallelTasks(std::int64_t count, const std::function<void(std::int64_t)>& task);

}  // namespace quor::solver
