#include "platform/paths/WritableDirectory.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace quor {
namespace {

namespace fs = std::filesystem;

TEST(WritableDirectory, TheDirectoryWhileItCanBeWrittenElseTheFallbackMade) {
  const test::TempDir work("quor-paths-test-");
  const fs::path unused = work.Path() / "unused";
  EXPECT_EQ(WritableDirectory(work.Path(), unused), work.Path());
  EXPECT_FALSE(fs::exists(unused)) << "the fallback is made only when it is taken";

  const fs::path fallback = work.Path() / "state" / "quor";
  EXPECT_EQ(WritableDirectory(work.Path() / "missing", fallback), fallback);
  EXPECT_TRUE(fs::is_directory(fallback));
  // A program that cannot find itself has no directory to write in.
  EXPECT_EQ(WritableDirectory(fs::path(), fallback), fallback);
}

}  // namespace
}  // namespace quor
