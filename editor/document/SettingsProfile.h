// The document settings and the user-wide defaults as the profile section
// "Settings" keeps them. Values that could not be used (an index outside its
// table, a spacing or footprint that is no positive number) count as missing.
#pragma once

namespace quor {

class ProfileStore;
struct DocumentSettings;
struct SettingsRecord;

inline constexpr const char* kSettingsSection = "Settings";

// The nine document settings, each keeping its current value when the profile
// has none that can be used.
void LoadDocumentSettings(const ProfileStore& profile, DocumentSettings& settings);

// All fifteen values, with the built-in defaults.
SettingsRecord ReadSettingsRecord(const ProfileStore& profile);
void WriteSettingsRecord(ProfileStore& profile, const SettingsRecord& record);

// The footprint proposed to a new project, in internal units.
double ReadProjectLength(const ProfileStore& profile);
double ReadProjectWidth(const ProfileStore& profile);
void WriteProjectFootprint(ProfileStore& profile, double length, double width);

bool ReadFootprintPromptOnStartup(const ProfileStore& profile);

}  // namespace quor
