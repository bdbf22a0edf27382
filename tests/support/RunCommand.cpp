#include "support/RunCommand.h"

#include <stdio.h>
#include <sys/wait.h>

#include <array>
#include <memory>

namespace quor::test {

CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  const auto closer = [&](FILE* pipe) { result.status = ::pclose(pipe); };
  {
    std::unique_ptr<FILE, decltype(closer)> pipe(::popen(command.c_str(), "r"), closer);
    if (!pipe) return result;
    std::array<char, 4096> buffer;
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) {
      result.output.append(buffer.data(), n);
    }
  }
  if (WIFEXITED(result.status)) result.status = WEXITSTATUS(result.status);
  return result;
}

}  // namespace quor::test
