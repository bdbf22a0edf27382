// Where the viewer keeps its lock file and its window rectangle: in the
// program directory, or in per-user places when that cannot be written.
#pragma once

#include <filesystem>

namespace quor::viewer {

// "QUORView.lck": the editor probes the same path to see whether a viewer runs.
std::filesystem::path ViewerLockPath();
// "QUORView.ini".
std::filesystem::path ViewerIniPath();

}  // namespace quor::viewer
