#include "platform/instance/InstancePaths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

namespace quor {
namespace {

TEST(InstancePaths, LiveInAPrivateDirectoryUnderTheRuntimeDirectory) {
  const std::filesystem::path runtime = std::filesystem::temp_directory_path() / "quor-instance-paths-test";
  std::filesystem::remove_all(runtime);
  std::filesystem::create_directories(runtime);
  const char* saved = std::getenv("XDG_RUNTIME_DIR");
  const std::string previous = saved != nullptr ? saved : "";
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  const InstancePaths paths = DefaultInstancePaths();
  if (saved != nullptr)
    setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);
  else
    unsetenv("XDG_RUNTIME_DIR");

  EXPECT_EQ(paths.directory, runtime / "quor");
  EXPECT_EQ(paths.socket.parent_path(), paths.directory);
  EXPECT_EQ(paths.lockFile.parent_path(), paths.directory);
  struct stat info {};
  ASSERT_EQ(stat(paths.directory.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  std::filesystem::remove_all(runtime);
}

TEST(InstancePaths, RequestPathsAreAbsoluteForTheRunningEditor) {
  // The running editor has its own working directory.
  const std::string path = AbsoluteRequestPath("examples/../examples/a b.qlx");
  EXPECT_EQ(path, (std::filesystem::current_path() / "examples/a b.qlx").string());
  EXPECT_EQ(AbsoluteRequestPath("/x/y.qlx"), "/x/y.qlx");
  EXPECT_EQ(AbsoluteRequestPath(""), "");
}

}  // namespace
}  // namespace quor
