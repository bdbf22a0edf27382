// Runs a shell command line, for tests that check a program's output with a
// tool of the system (an independent DXF reader, the symbol lister).
#pragma once

#include <string>

namespace quor::test {

struct CommandResult {
  int status = -1;     // the exit status; -1 when the command could not be run
  std::string output;  // what it printed on standard output
};

CommandResult RunCommand(const std::string& command);

}  // namespace quor::test
