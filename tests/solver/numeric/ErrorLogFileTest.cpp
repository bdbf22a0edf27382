// The solver's diagnostics file appears only when there is something to say.
#include "solver/numeric/ErrorLogFile.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quor::numeric {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ErrorLogFileTest, CreatedOnFirstMessageAndAppended) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("quor-errorlog-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::filesystem::path path = dir / "error.log";
  { ErrorLogFile quiet(path); }
  EXPECT_FALSE(std::filesystem::exists(path));
  {
    ErrorLogFile log(path);
    log.Report("first");
    log.Report("second");
  }
  ErrorLogFile(path).Report("third");
  EXPECT_EQ(ReadAll(path), "first\nsecond\nthird\n");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace quor::numeric
