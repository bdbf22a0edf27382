#include "editor/ui/RecentFileList.h"

#include <wx/fileconf.h>
#include <wx/filehistory.h>

#include "platform/profile/FileConfigSave.h"

namespace quor {

namespace {

constexpr const char* kGroup = "/Recent File List";

wxFileConfig OpenProfile(const std::filesystem::path& profileFile) {
  return wxFileConfig(wxString(), wxString(), profileFile.string(), wxString(), wxCONFIG_USE_LOCAL_FILE);
}

}  // namespace

void LoadRecentFileList(wxFileHistory& history, const std::filesystem::path& profileFile) {
  wxFileConfig config = OpenProfile(profileFile);
  config.SetPath(kGroup);
  history.Load(config);
}

void SaveRecentFileList(wxFileHistory& history, const std::filesystem::path& profileFile) {
  wxFileConfig config = OpenProfile(profileFile);
  config.SetPath(kGroup);
  history.Save(config);
  SaveFileConfig(config, profileFile);
}

}  // namespace quor
