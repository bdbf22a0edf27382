// Where the linear solve reports what LAPACK would print: one message a call.
#pragma once

#include <string_view>

namespace quor::numeric {

class DiagnosticsSink {
 public:
  virtual ~DiagnosticsSink() = default;
  virtual void Report(std::string_view message) = 0;
};

}  // namespace quor::numeric
