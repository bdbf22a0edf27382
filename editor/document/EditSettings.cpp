#include "editor/document/EditSettings.h"

#include "editor/document/DocumentDialogs.h"
#include "editor/document/ProjectDocument.h"
#include "editor/document/SettingsProfile.h"
#include "editor/document/SettingsRecord.h"

namespace quor {

bool RunSettingsSheet(SettingsRecord& record, DocumentDialogs& dialogs) {
  SettingsRecord edited = record;
  if (!dialogs.RunSettingsPages(edited)) return false;
  ApplySweepRules(edited);
  record = edited;
  return true;
}

void EditSettings(ProjectDocument* document, DocumentDialogs& dialogs, ProfileStore& profile) {
  SettingsRecord record = ReadSettingsRecord(profile);
  if (document != nullptr) CopyProjectSettings(document->GetSettings(), record);
  if (!RunSettingsSheet(record, dialogs)) return;
  if (document != nullptr) document->ApplySettings(record);
  WriteSettingsRecord(profile, record);
}

}  // namespace quor
