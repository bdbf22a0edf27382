// The real editor started twice: the second start hands its file to the
// first editor, which opens it, and ends at once without a window.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "ScreenProbe.h"

extern char** environ;

namespace quor::test {
namespace {

using std::chrono::milliseconds;

bool Eventually(const std::function<bool()>& done, milliseconds limit = milliseconds(15000)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return done();
    std::this_thread::sleep_for(milliseconds(50));
  }
  return true;
}

std::vector<std::string> EditorTitles() {
  std::vector<std::string> titles = TopLevelWindowTitles();
  std::erase_if(titles, [](const std::string& title) { return title.rfind("QUOR", 0) != 0; });
  return titles;
}

class SecondStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    home = std::filesystem::path(testing::TempDir()) / "quor-second-start";
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home / "run");
    std::filesystem::permissions(home / "run", std::filesystem::perms::owner_all);
    std::filesystem::create_directories(home / "config");
  }

  void TearDown() override {
    if (first > 0) {
      kill(first, SIGTERM);
      waitpid(first, nullptr, 0);
    }
    std::filesystem::remove_all(home);
  }

  // Starts the editor in `directory` with the test's own runtime and profile directories.
  pid_t Start(const std::filesystem::path& directory, const std::vector<std::string>& arguments) {
    const std::string program = std::string(QUOR_BIN_DIR) + "/quor";
    std::vector<std::string> environment = {"XDG_RUNTIME_DIR=" + (home / "run").string(),
                                            "XDG_CONFIG_HOME=" + (home / "config").string(),
                                            "GDK_BACKEND=x11"};
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string text = *entry;
      if (text.rfind("XDG_RUNTIME_DIR=", 0) != 0 && text.rfind("XDG_CONFIG_HOME=", 0) != 0 &&
          text.rfind("GDK_BACKEND=", 0) != 0) {
        environment.push_back(text);
      }
    }
    std::vector<std::string> argumentText = {program};
    argumentText.insert(argumentText.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : argumentText) argv.push_back(text.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& text : environment) envp.push_back(text.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
  }

  // The exit code, or -1 when the process does not end in time.
  static int WaitForExit(pid_t pid) {
    int status = 0;
    const bool ended = Eventually([&] { return waitpid(pid, &status, WNOHANG) == pid; });
    if (!ended) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::filesystem::path home;
  pid_t first = -1;
};

TEST_F(SecondStartTest, HandsItsFileToTheRunningEditorAndEnds) {
  const std::filesystem::path examples = std::filesystem::path(QUOR_SOURCE_DIR) / "examples";
  first = Start(home, {});
  ASSERT_GT(first, 0);
  ASSERT_TRUE(Eventually([] { return EditorTitles() == std::vector<std::string>{"QUOR"}; }))
      << "the first editor shows no window";

  // A path relative to the second start's own directory.
  const pid_t second = Start(examples, {"coupled_lines.qlx"});
  ASSERT_GT(second, 0);
  EXPECT_EQ(WaitForExit(second), 0);
  EXPECT_TRUE(
      Eventually([] { return EditorTitles() == std::vector<std::string>{"QUOR - coupled_lines.qlx"}; }));

  // Without a file the running editor only comes forward.
  const pid_t third = Start(home, {});
  ASSERT_GT(third, 0);
  EXPECT_EQ(WaitForExit(third), 0);
  std::this_thread::sleep_for(milliseconds(300));
  EXPECT_EQ(EditorTitles(), std::vector<std::string>{"QUOR - coupled_lines.qlx"});
}

}  // namespace
}  // namespace quor::test
