#include "BatchRunSandbox.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string_view>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr const char* kNobody = "65534";

bool IsVariable(std::string_view entry, std::string_view name) {
  return entry.size() > name.size() && entry.substr(0, name.size()) == name && entry[name.size()] == '=';
}

// This process's environment with HOME and XDG_STATE_HOME replaced.
std::vector<std::string> SandboxEnvironment(const fs::path& home, const fs::path& state) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (IsVariable(*entry, "HOME") || IsVariable(*entry, "XDG_STATE_HOME")) continue;
    environment.emplace_back(*entry);
  }
  environment.push_back("HOME=" + home.string());
  environment.push_back("XDG_STATE_HOME=" + state.string());
  return environment;
}

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (auto& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

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
  std::vector<std::string> environment = SandboxEnvironment(m_home, m_state);
  std::vector<char*> argv = PointersTo(command);
  std::vector<char*> envp = PointersTo(environment);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, m_data.c_str());
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}
