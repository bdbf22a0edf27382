// The real editor started twice: the second start hands its file to the
// first editor, which opens it, and ends at once without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "support/ScreenProbe.h"
#include "support/TempDir.h"
#include "support/TestProcess.h"
#include "support/WaitUntil.h"

// Last: the X headers define macros such as None and Bool.
#include <X11/Xlib.h>

namespace quor::test {
namespace {

using namespace std::chrono_literals;

constexpr auto kLimit = 15s;
const std::string kCoverTitle = "cover";

bool IsEditorTitle(const std::string& title) {
  return title.rfind("QUOR", 0) == 0;
}

std::vector<std::string> EditorTitles() {
  std::vector<std::string> titles = TopLevelWindowTitles();
  std::erase_if(titles, [](const std::string& title) { return !IsEditorTitle(title); });
  return titles;
}

// Whether the editor's window stands above the cover: later in the list is
// higher in the stacking order.
bool EditorAboveCover() {
  const std::vector<std::string> titles = TopLevelWindowTitles();
  const auto cover = std::find(titles.begin(), titles.end(), kCoverTitle);
  return cover != titles.end() && std::any_of(cover + 1, titles.end(), IsEditorTitle);
}

// A plain window of another client, shown over the whole screen.
class CoverWindow {
 public:
  CoverWindow() : m_display(XOpenDisplay(nullptr)) {
    if (m_display == nullptr) return;
    const Window root = DefaultRootWindow(m_display);
    m_window = XCreateSimpleWindow(m_display, root, 0, 0, 1280, 1024, 0, 0, 0);
    XStoreName(m_display, m_window, kCoverTitle.c_str());
    XMapRaised(m_display, m_window);
    XSync(m_display, False);
  }
  ~CoverWindow() {
    if (m_display == nullptr) return;
    XDestroyWindow(m_display, m_window);
    XCloseDisplay(m_display);
  }
  CoverWindow(const CoverWindow&) = delete;
  CoverWindow& operator=(const CoverWindow&) = delete;

 private:
  Display* m_display;
  Window m_window = 0;
};

class SecondStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(m_home.Path() / "run");
    std::filesystem::permissions(m_home.Path() / "run", std::filesystem::perms::owner_all);
    std::filesystem::create_directories(m_home.Path() / "config");
  }

  // Starts the editor in `directory` with the test's own runtime and profile directories.
  std::unique_ptr<TestProcess> Start(const std::filesystem::path& directory,
                                     const std::vector<std::string>& arguments) {
    std::vector<std::string> argumentText = {std::string(QUOR_BIN_DIR) + "/quor"};
    argumentText.insert(argumentText.end(), arguments.begin(), arguments.end());
    return std::make_unique<TestProcess>(
        argumentText,
        TestProcess::Setup{{"XDG_RUNTIME_DIR=" + (m_home.Path() / "run").string(),
                            "XDG_CONFIG_HOME=" + (m_home.Path() / "config").string(), "GDK_BACKEND=x11"},
                           directory,
                           {}});
  }

  // The exit code, or -1 when the process does not end in time.
  static int WaitForExit(TestProcess& process) {
    WaitUntil([&] { return !process.Running(); }, kLimit);
    return process.ExitStatus().value_or(-1);
  }

  const TempDir m_home{"quor-second-start-"};
};

TEST_F(SecondStartTest, HandsItsFileToTheRunningEditorAndEnds) {
  const std::filesystem::path examples = std::filesystem::path(QUOR_SOURCE_DIR) / "examples";
  const auto first = Start(m_home.Path(), {});
  ASSERT_TRUE(first->Started());
  ASSERT_TRUE(WaitUntil([] { return EditorTitles() == std::vector<std::string>{"QUOR"}; }, kLimit))
      << "the first editor shows no window";

  // A path relative to the second start's own directory.
  const auto second = Start(examples, {"coupled_lines.qlx"});
  ASSERT_TRUE(second->Started());
  EXPECT_EQ(WaitForExit(*second), 0);
  EXPECT_TRUE(WaitUntil([] { return EditorTitles() == std::vector<std::string>{"QUOR - coupled_lines.qlx"}; },
                        kLimit));

  // Without a file the running editor only comes forward.
  const CoverWindow cover;
  ASSERT_TRUE(WaitUntil([] { return !EditorAboveCover(); }, kLimit));
  const auto third = Start(m_home.Path(), {});
  ASSERT_TRUE(third->Started());
  EXPECT_EQ(WaitForExit(*third), 0);
  EXPECT_TRUE(WaitUntil(EditorAboveCover, kLimit));
  EXPECT_EQ(EditorTitles(), std::vector<std::string>{"QUOR - coupled_lines.qlx"});
}

}  // namespace
}  // namespace quor::test
