// Where the viewer keeps its lock file and its window rectangle: in the
// program directory, or in per-user places when that cannot be written.
#pragma once

#include <filesystem>

namespace quor::viewer {

std::filesystem::path ProgramDirectory();

// The directory itself when it can be written; otherwise the fallback,
// created when missing.
std::filesystem::path WritableDirectory(const std::filesystem::path& directory,
                                        const std::filesystem::path& fallback);

// "QUORView.lck": the editor probes the same path to see whether a viewer runs.
std::filesystem::path ViewerLockPath();
// "QUORView.ini".
std::filesystem::path ViewerIniPath();

}  // namespace quor::viewer
