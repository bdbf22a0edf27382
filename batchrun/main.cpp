// batchrun LISTING: solves an existing segmentation listing without the
// editor. The outcome goes to "kernel.log"; the exit code is always 0.
#include <exception>
#include <string>

#include "batchrun/BatchRun.h"
#include "platform/paths/ProgramDirectory.h"

int main(int argc, char** argv) {
  // The listing path is the whole argument text, so a path with blanks that
  // the shell split into several arguments is joined again.
  std::string commandLine;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) commandLine += ' ';
    commandLine += argv[i];
  }
  try {
    quor::RunBatch(commandLine, quor::ProgramDirectory());
  } catch (const std::exception&) {
    // Only a failure to make the log itself ends here: there is no place left
    // for a report, and the exit code stays 0.
  }
  return 0;
}
