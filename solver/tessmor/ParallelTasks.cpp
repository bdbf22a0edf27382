#include "solver/tessmor/ParallelTasks.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace quor::solver {

void RunParallelTasks(std::int64_t count, const std::function<void(std::int64_t)>& task) {
  std::atomic<std::int64_t> next = 0;
  std::exception_ptr failure;
  std::mutex failureLock;
  auto work = [&] {
    try {
      for (std::int64_t i = next.fetch_add(1); i < count; i = next.fetch_add(1)) task(i);
    } catch (...) {
      next.store(count);
      const std::lock_guard lock(failureLock);
      if (!failure) failure = std::current_exception();
    }
  };

  const auto cores = static_cast<std::int64_t>(std::max(1u, std::thread::hardware_concurrency()));
  const std::int64_t helpers = std::min(cores, count) - 1;
  {
    std::vector<std::jthread> workers;
    for (std::int64_t i = 0; i < helpers; ++i) workers.emplace_back(work);
    work();
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace quor::solver
