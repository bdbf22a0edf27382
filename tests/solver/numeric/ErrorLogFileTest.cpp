// The solver's diagnostics file appears only when there is something to say.
#include "solver/numeric/ErrorLogFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace quor::numeric {
namespace {

TEST(ErrorLogFileTest, CreatedOnFirstMessageAndAppended) {
  const test::TempDir dir("quor-errorlog-");
  const std::filesystem::path path = dir.Path() / "error.log";
  { ErrorLogFile quiet(path); }
  EXPECT_FALSE(std::filesystem::exists(path));
  {
    ErrorLogFile log(path);
    log.Report("first");
    log.Report("second");
  }
  ErrorLogFile(path).Report("third");
  EXPECT_EQ(test::ReadFile(path), "first\nsecond\nthird\n");
}

}  // namespace
}  // namespace quor::numeric
