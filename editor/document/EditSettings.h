// The Settings command: the property sheet over a project's settings (or,
// with no project open, over the profile's defaults), and what OK applies.
#pragma once

namespace quor {

class DocumentDialogs;
class ProfileStore;
class ProjectDocument;
struct SettingsRecord;

// Shows the sheet; on OK the record takes the pages' values with the sweep
// rules applied and true is returned. Cancel leaves the record as it was.
bool RunSettingsSheet(SettingsRecord& record, DocumentDialogs& dialogs);

// With a document, OK changes its settings; with or without one, OK writes all
// the values to the profile, where the next new project takes them from.
void EditSettings(ProjectDocument* document, DocumentDialogs& dialogs, ProfileStore& profile);

}  // namespace quor
