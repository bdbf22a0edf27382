// The profile file: values survive a new instance, doubles are 8-byte binary
// values, and the file lives where XDG_CONFIG_HOME says.
#include <gtest/gtest.h>
#include <wx/init.h>

#include <filesystem>

#include "platform/profile/FileProfile.h"
#include "platform/profile/ProfilePath.h"
#include "support/FileSizeLimit.h"
#include "support/ScopedEnvironmentVariable.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace quor::test {
namespace {

class FileProfileTest : public ::testing::Test {
 protected:
  wxInitializer wx;
  const TempDir scratch{"quor-profile-test-"};
  const std::filesystem::path home = scratch.Path();
  const ScopedEnvironmentVariable configHome{"XDG_CONFIG_HOME", home.string()};
};

TEST_F(FileProfileTest, TheFileLivesUnderXdgConfigHome) {
  EXPECT_EQ(DefaultProfilePath(), home / "quor" / "quor.conf");
}

TEST_F(FileProfileTest, ValuesSurviveANewInstance) {
  {
    FileProfile profile(DefaultProfilePath());
    profile.WriteProfileInt("Settings", "Units", 0);
    profile.WriteProfileDouble("Settings", "GridSpacing", 0.1);
    profile.WriteProfileBinary("Settings", "Position", {1, 2, 3});
  }
  ASSERT_TRUE(std::filesystem::exists(DefaultProfilePath()));
  const FileProfile profile(DefaultProfilePath());
  EXPECT_EQ(profile.GetProfileInt("Settings", "Units", 3), 0);
  EXPECT_EQ(profile.GetProfileDouble("Settings", "GridSpacing", 254.0), 0.1);
  EXPECT_EQ(profile.GetProfileBinary("Settings", "Position"), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(profile.GetProfileInt("Settings", "Missing", 7), 7);
}

TEST_F(FileProfileTest, ADoubleOfAnotherSizeOrKindCountsAsMissing) {
  FileProfile profile(DefaultProfilePath());
  profile.WriteProfileBinary("Settings", "FrequencyStart", {0, 0, 0x80, 0x3f});
  profile.WriteProfileInt("Settings", "FrequencyStop", 5);
  EXPECT_EQ(profile.GetProfileDouble("Settings", "FrequencyStart", 1.0), 1.0);
  EXPECT_EQ(profile.GetProfileDouble("Settings", "FrequencyStop", 1.0), 1.0);
}

TEST_F(FileProfileTest, AProfileKeptBehindALinkStaysThere) {
  const auto kept = home / "dotfiles" / "quor.conf";
  std::filesystem::create_directories(kept.parent_path());
  std::filesystem::create_directories(DefaultProfilePath().parent_path());
  WriteFile(kept, "[Settings]\nUnits=1\n");
  std::filesystem::create_symlink(kept, DefaultProfilePath());
  FileProfile(DefaultProfilePath()).WriteProfileInt("Settings", "Units", 2);
  EXPECT_TRUE(std::filesystem::is_symlink(DefaultProfilePath()));
  EXPECT_EQ(FileProfile(kept).GetProfileInt("Settings", "Units", 0), 2);
}

TEST_F(FileProfileTest, ASaveThatFailsLeavesTheOldProfileAsItWas) {
  FileProfile(DefaultProfilePath()).WriteProfileInt("Settings", "Units", 1);
  const std::string old = ReadFile(DefaultProfilePath());
  const int outcome = RunWithFileSizeLimit(old.size(), [&] {
    FileProfile profile(DefaultProfilePath());
    profile.WriteProfileBinary("Settings", "Position", std::vector<std::uint8_t>(4096, 0x11));
    return 0;
  });
  EXPECT_EQ(outcome, 0);
  EXPECT_EQ(ReadFile(DefaultProfilePath()), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(DefaultProfilePath().parent_path()), {}), 1);
}

}  // namespace
}  // namespace quor::test
