#include "batchrun/KernelLogFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace quor {
namespace {

TEST(KernelLogFile, ChoosesTheProgramFolderWhileItCanBeWritten) {
  EXPECT_EQ(KernelLogFile::ChooseDirectory("/opt/quor", true, "/s", "/h"), fs::path("/opt/quor"));
  EXPECT_EQ(KernelLogFile::ChooseDirectory("/opt/quor", false, "/s", "/h"), fs::path("/s/quor"));
  // Without a usable XDG_STATE_HOME the state folder lies under HOME.
  EXPECT_EQ(KernelLogFile::ChooseDirectory("/opt/quor", false, nullptr, "/h"),
            fs::path("/h/.local/state/quor"));
  EXPECT_EQ(KernelLogFile::ChooseDirectory("/opt/quor", false, "", "/h"), fs::path("/h/.local/state/quor"));
  EXPECT_EQ(KernelLogFile::ChooseDirectory("/opt/quor", false, "state", "/h"),
            fs::path("/h/.local/state/quor"));
  EXPECT_EQ(KernelLogFile::ChooseDirectory("/opt/quor", false, nullptr, nullptr), fs::path("/opt/quor"));
}

TEST(KernelLogFile, WritesOneTextWithoutLineEndAndCreatesItsFolder) {
  char pattern[] = "/tmp/kernel-log-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path root = pattern;
  const KernelLogFile log(root / "state" / "quor" / "kernel.log");

  log.WriteLog("Unknown error");
  log.WriteLog("Done");
  std::ifstream in(log.Path(), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), "Done");

  log.DeleteLog();
  EXPECT_FALSE(fs::exists(log.Path()));
  log.DeleteLog();  // nothing to delete is no failure
  fs::remove_all(root);
}

}  // namespace
}  // namespace quor
