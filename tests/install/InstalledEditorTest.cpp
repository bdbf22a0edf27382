// The installed editor, started through its link in bin/, loads the library
// from the program folder it resolved.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "InstalledTree.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"
#include "support/TestProcess.h"
#include "support/WaitUntil.h"

namespace quor::test {
namespace {

namespace fs = std::filesystem;

bool Maps(pid_t pid, const fs::path& library) {
  const std::optional<std::string> maps = ReadFileIfExists("/proc/" + std::to_string(pid) + "/maps");
  return maps && maps->find(library.string()) != std::string::npos;
}

TEST(InstalledEditor, StartsFromItsLinkWithTheLibraryOfItsProgramFolder) {
  const InstalledTree& tree = InstalledTree::Get();
  ASSERT_TRUE(tree.Installed()) << tree.InstallOutput();
  // A user of its own, so that no other editor answers for this one.
  const TempDir user("quor-installed-editor-");
  const fs::path runtime = user.Path() / "run";
  fs::create_directory(runtime);
  chmod(runtime.c_str(), 0700);
  const fs::path library = fs::canonical(tree.ProgramFolder() / "libTessmor.so");

  TestProcess editor({(tree.Bin() / "quor").string()},
                     {{"HOME=" + user.Path().string(), "XDG_RUNTIME_DIR=" + runtime.string(),
                       "XDG_CONFIG_HOME=" + (user.Path() / "config").string(),
                       "XDG_STATE_HOME=" + (user.Path() / "state").string()},
                      user.Path(),
                      user.Path() / "stderr"});
  ASSERT_TRUE(editor.Started());
  bool loaded = false;
  WaitUntil(
      [&] {
        loaded = Maps(editor.Pid(), library);
        return loaded || !editor.Running();
      },
      std::chrono::seconds(60), std::chrono::milliseconds(50));
  EXPECT_TRUE(loaded) << editor.StandardError();
  // A library that loads leaves the editor running: it ends only when closed.
  EXPECT_TRUE(editor.Running()) << editor.StandardError();
}

}  // namespace
}  // namespace quor::test
