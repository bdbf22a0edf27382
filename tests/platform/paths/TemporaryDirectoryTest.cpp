#include "platform/paths/TemporaryDirectory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

namespace quor {
namespace {

namespace fs = std::filesystem;

TEST(TemporaryDirectory, FreshPrivateAndRemovedWithItsContent) {
  fs::path kept;
  {
    const TemporaryDirectory first("quor-paths-test-");
    const TemporaryDirectory second("quor-paths-test-");
    ASSERT_FALSE(first.Path().empty());
    EXPECT_NE(first.Path(), second.Path());
    EXPECT_EQ(first.Path().parent_path(), fs::temp_directory_path());
    EXPECT_EQ(first.Path().filename().string().rfind("quor-paths-test-", 0), 0u);
    struct stat info {};
    ASSERT_EQ(stat(first.Path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    fs::create_directory(first.Path() / "sub");
    std::ofstream(first.Path() / "sub" / "file.txt") << "text";
    kept = first.Path();
  }
  EXPECT_FALSE(fs::exists(kept));
}

}  // namespace
}  // namespace quor
