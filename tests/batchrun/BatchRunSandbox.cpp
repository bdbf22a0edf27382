#include "BatchRunSandbox.h"

#include <unistd.h>

#include "support/TestProcess.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kNobody = "65534";

}  // namespace

BatchRunSandbox::BatchRunSandbox()
    : m_program(m_root.Path() / "program"),
      m_data(m_root.Path() / "data"),
      m_state(m_root.Path() / "state"),
      m_home(m_root.Path() / "home") {
  for (const auto& directory : {m_program, m_data, m_state, m_home}) fs::create_directory(directory);
  fs::copy_file(fs::path(QUOR_BIN_DIR) / "batchrun", m_program / "batchrun");
  // An unprivileged run must reach the program and the data and create its
  // state folder.
  fs::permissions(m_root.Path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(m_state, fs::perms::all);
}

BatchRunSandbox::~BatchRunSandbox() {
  // The folder goes with m_root, which must be allowed to empty it.
  std::error_code ignored;
  fs::permissions(m_program, fs::perms::owner_write, fs::perm_options::add, ignored);
}

void BatchRunSandbox::InstallLibrary(const fs::path& library) const {
  fs::copy_file(library, m_program / "libTessmor.so", fs::copy_options::overwrite_existing);
}

void BatchRunSandbox::MakeProgramDirectoryReadOnly() const {
  fs::permissions(m_program, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

int BatchRunSandbox::Run(const std::vector<std::string>& arguments, bool unprivileged) const {
  std::vector<std::string> command;
  if (unprivileged && geteuid() == 0) {
    command = {"/usr/bin/setpriv", std::string("--reuid=") + kNobody, std::string("--regid=") + kNobody,
               "--clear-groups", "--"};
  }
  command.push_back((m_program / "batchrun").string());
  command.insert(command.end(), arguments.begin(), arguments.end());
  quor::test::TestProcess program(
      command, {{"HOME=" + m_home.string(), "XDG_STATE_HOME=" + m_state.string()}, m_data, {}});
  return program.Wait().value_or(-1);
}
