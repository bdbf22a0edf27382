#include "batchrun/KernelLogFile.h"

#include <gtest/gtest.h>

#include <filesystem>

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

}  // namespace
}  // namespace quor
