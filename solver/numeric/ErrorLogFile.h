// The solver's diagnostics file, "error.log" in the current directory unless
// told otherwise. It is created only when there is something to say, and
// messages are appended so that earlier runs' messages stay.
#pragma once

#include <filesystem>
#include <fstream>
#include <string_view>

#include "solver/numeric/DiagnosticsSink.h"

namespace quor::numeric {

class ErrorLogFile final : public DiagnosticsSink {
 public:
  explicit ErrorLogFile(std::filesystem::path path = "error.log");

  void Report(std::string_view message) override;

 private:
  std::filesystem::path m_path;
  std::ofstream m_file;
};

}  // namespace quor::numeric
