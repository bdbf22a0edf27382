#include "platform/paths/UserDirectories.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "support/ScopedEnvironmentVariable.h"
#include "support/TempDir.h"

namespace quor {
namespace {

namespace fs = std::filesystem;

class UserDirectoriesTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directory(Home()); }

  fs::path Home() const { return m_work.Path() / "home"; }
  const fs::path& Work() const { return m_work.Path(); }

 private:
  const test::TempDir m_work{"quor-paths-test-"};
  // Whatever a case sets, the rest of the run sees these as they were.
  const test::ScopedEnvironmentVariable m_home{"HOME", Home().string()};
  const test::ScopedEnvironmentVariable m_config{"XDG_CONFIG_HOME", std::nullopt};
  const test::ScopedEnvironmentVariable m_state{"XDG_STATE_HOME", std::nullopt};
  const test::ScopedEnvironmentVariable m_runtime{"XDG_RUNTIME_DIR", std::nullopt};
};

unsigned Mode(const fs::path& directory) {
  struct stat info {};
  return stat(directory.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

TEST_F(UserDirectoriesTest, ConfigAndStateFollowTheirVariablesOrLieUnderHome) {
  setenv("XDG_CONFIG_HOME", "/cfg", 1);
  setenv("XDG_STATE_HOME", "/st", 1);
  EXPECT_EQ(UserConfigDirectory(), fs::path("/cfg/quor"));
  EXPECT_EQ(UserStateDirectory(), fs::path("/st/quor"));
  // Unset, empty and relative values are all passed over.
  unsetenv("XDG_CONFIG_HOME");
  setenv("XDG_STATE_HOME", "", 1);
  EXPECT_EQ(UserConfigDirectory(), Home() / ".config" / "quor");
  EXPECT_EQ(UserStateDirectory(), Home() / ".local" / "state" / "quor");
  setenv("XDG_CONFIG_HOME", "relative/dir", 1);
  setenv("XDG_STATE_HOME", "state", 1);
  EXPECT_EQ(UserConfigDirectory(), Home() / ".config" / "quor");
  EXPECT_EQ(UserStateDirectory(), Home() / ".local" / "state" / "quor");
}

TEST_F(UserDirectoriesTest, AHomeThatIsNotAnAbsolutePathIsTheAccountsHome) {
  EXPECT_EQ(HomeDirectory(), Home());
  for (const char* home : {"", "relative/home"}) {
    setenv("HOME", home, 1);
    EXPECT_TRUE(HomeDirectory().is_absolute()) << "HOME=\"" << home << "\"";
  }
  unsetenv("HOME");
  EXPECT_TRUE(HomeDirectory().is_absolute());
  EXPECT_TRUE(UserStateDirectory().is_absolute())
      << "the batch runner's log must not follow the working directory";
}

TEST_F(UserDirectoriesTest, RuntimeDirectoryIsPrivateOrReplacedUnderHome) {
  const fs::path runtime = Work() / "run";
  fs::create_directory(runtime);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  EXPECT_EQ(UserRuntimeDirectory(), runtime / "quor");
  EXPECT_EQ(Mode(runtime / "quor"), 0700u);

  // One that others may enter is not ours alone.
  fs::permissions(runtime / "quor", fs::perms::group_read | fs::perms::group_exec, fs::perm_options::add);
  EXPECT_EQ(UserRuntimeDirectory(), Home() / ".quor-run");
  EXPECT_EQ(Mode(Home() / ".quor-run"), 0700u);
}

TEST_F(UserDirectoriesTest, WithoutAnAbsoluteRuntimeVariableTheRuntimeDirectoryIsPerUserInTmp) {
  const fs::path expected = fs::path("/tmp") / ("quor-" + std::to_string(getuid()));
  const bool existed = fs::exists(expected);
  if (existed && Mode(expected) != 0700) GTEST_SKIP() << expected << " is not private on this machine";
  setenv("XDG_RUNTIME_DIR", "run", 1);
  const fs::path directory = UserRuntimeDirectory();
  if (!existed) fs::remove(expected);
  EXPECT_EQ(directory, expected);
}

}  // namespace
}  // namespace quor
