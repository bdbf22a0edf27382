#include "editor/document/SettingsProfile.h"

#include <cmath>

#include "editor/document/SettingsRecord.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/FrequencyUnits.h"
#include "editor/model/LengthUnits.h"
#include "platform/profile/ProfileStore.h"

namespace quor {

namespace {

bool IsPositiveNumber(double value) {
  return value > 0 && std::isfinite(value);
}

int ReadInt(const ProfileStore& profile, const char* entry, int defaultValue) {
  return profile.GetProfileInt(kSettingsSection, entry, defaultValue);
}

double ReadDouble(const ProfileStore& profile, const char* entry, double defaultValue) {
  return profile.GetProfileDouble(kSettingsSection, entry, defaultValue);
}

// The unit indices select table entries: one outside its table keeps the default.
int ReadLengthUnit(const ProfileStore& profile, int defaultValue) {
  const int unit = ReadInt(profile, "Units", defaultValue);
  return IsValidLengthUnit(unit) ? unit : defaultValue;
}

int ReadFrequencyUnit(const ProfileStore& profile, int defaultValue) {
  const int unit = ReadInt(profile, "FrequencyUnits", defaultValue);
  return unit >= 0 && unit < kFrequencyUnitCount ? unit : defaultValue;
}

// The view divides by the grid spacing, and the footprint scales the view.
double ReadPositive(const ProfileStore& profile, const char* entry, double defaultValue) {
  const double value = ReadDouble(profile, entry, defaultValue);
  return IsPositiveNumber(value) ? value : defaultValue;
}

}  // namespace

void LoadDocumentSettings(const ProfileStore& profile, DocumentSettings& settings) {
  settings.Units = ReadLengthUnit(profile, settings.Units);
  settings.FrequencyUnits = ReadFrequencyUnit(profile, settings.FrequencyUnits);
  settings.FrequencyStart = ReadDouble(profile, "FrequencyStart", settings.FrequencyStart);
  settings.FrequencyStop = ReadDouble(profile, "FrequencyStop", settings.FrequencyStop);
  settings.FrequencySteps = ReadInt(profile, "FrequencySteps", settings.FrequencySteps);
  settings.Resolution = ReadDouble(profile, "Resolution", settings.Resolution);
  settings.Refine = ReadDouble(profile, "Refine", settings.Refine);
  settings.NumberOfViaSegments = ReadInt(profile, "NumberOfViaSegments", settings.NumberOfViaSegments);
  settings.GridSpacing = ReadPositive(profile, "GridSpacing", settings.GridSpacing);
}

SettingsRecord ReadSettingsRecord(const ProfileStore& profile) {
  DocumentSettings document;
  LoadDocumentSettings(profile, document);
  SettingsRecord record;
  CopyProjectSettings(document, record);
  record.ProjectLength = ReadProjectLength(profile);
  record.ProjectWidth = ReadProjectWidth(profile);
  record.FootprintPromptOnStartup = ReadFootprintPromptOnStartup(profile);
  record.AutoOpenCParams = ReadInt(profile, "AutoOpenCParams", 1) != 0;
  record.AutoOpenCkt = ReadInt(profile, "AutoOpenCkt", 0) != 0;
  record.AutoOpenYParams = ReadInt(profile, "AutoOpenYParams", 0) != 0;
  return record;
}

void WriteSettingsRecord(ProfileStore& profile, const SettingsRecord& record) {
  const auto writeInt = [&](const char* entry, int value) {
    profile.WriteProfileInt(kSettingsSection, entry, value);
  };
  const auto writeDouble = [&](const char* entry, double value) {
    profile.WriteProfileDouble(kSettingsSection, entry, value);
  };
  writeInt("Units", record.Units);
  writeInt("FrequencyUnits", record.FrequencyUnits);
  writeDouble("FrequencyStart", record.FrequencyStart);
  writeDouble("FrequencyStop", record.FrequencyStop);
  writeInt("FrequencySteps", record.FrequencySteps);
  writeDouble("Resolution", record.Resolution);
  writeDouble("Refine", record.Refine);
  writeInt("NumberOfViaSegments", record.NumberOfViaSegments);
  writeDouble("GridSpacing", record.GridSpacing);
  WriteProjectFootprint(profile, record.ProjectLength, record.ProjectWidth);
  writeInt("FootprintPromptOnStartup", record.FootprintPromptOnStartup ? 1 : 0);
  writeInt("AutoOpenCParams", record.AutoOpenCParams ? 1 : 0);
  writeInt("AutoOpenCkt", record.AutoOpenCkt ? 1 : 0);
  writeInt("AutoOpenYParams", record.AutoOpenYParams ? 1 : 0);
}

double ReadProjectLength(const ProfileStore& profile) {
  return ReadPositive(profile, "ProjectLength", SettingsRecord{}.ProjectLength);
}

double ReadProjectWidth(const ProfileStore& profile) {
  return ReadPositive(profile, "ProjectWidth", SettingsRecord{}.ProjectWidth);
}

void WriteProjectFootprint(ProfileStore& profile, double length, double width) {
  profile.WriteProfileDouble(kSettingsSection, "ProjectLength", length);
  profile.WriteProfileDouble(kSettingsSection, "ProjectWidth", width);
}

bool ReadFootprintPromptOnStartup(const ProfileStore& profile) {
  return ReadInt(profile, "FootprintPromptOnStartup", 1) != 0;
}

}  // namespace quor
