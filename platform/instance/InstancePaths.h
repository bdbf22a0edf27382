// Where the editor's single-instance lock and hand-over socket live: a private
// per-user directory, so that two users on one machine each get their own
// editor and a test can move it with XDG_RUNTIME_DIR.
#pragma once

#include <filesystem>
#include <string>

namespace quor {

struct InstancePaths {
  std::filesystem::path directory;
  std::filesystem::path lockFile;
  std::filesystem::path socket;
};

// In the user's private runtime directory.
InstancePaths DefaultInstancePaths();

// The path handed to a running editor: relative paths are made absolute
// against this process's working directory, which the running editor does not
// share. An empty path stays empty.
std::string AbsoluteRequestPath(const std::string& path);

}  // namespace quor
