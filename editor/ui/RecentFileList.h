// The recent-file list kept in the profile file under "Recent File List".
#pragma once

#include <filesystem>

class wxFileHistory;

namespace quor {

void LoadRecentFileList(wxFileHistory& history, const std::filesystem::path& profileFile);
// Reads the file again first, so that values written since the start stay.
void SaveRecentFileList(wxFileHistory& history, const std::filesystem::path& profileFile);

}  // namespace quor
