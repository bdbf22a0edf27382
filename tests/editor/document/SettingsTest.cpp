// The settings road: profile values and their defaults, the Settings sheet's
// rules and what OK changes, and a new project's start.
#include <gtest/gtest.h>

#include "DocumentBuilders.h"
#include "editor/document/EditSettings.h"
#include "editor/document/SettingsProfile.h"
#include "editor/document/SettingsRecord.h"
#include "editor/model/CStructure.h"

namespace quor::test {
namespace {

// Settings with no project open, accepted after the edit.
void AcceptWith(FakeServices& services, std::function<void(SettingsRecord&)> edit) {
  services.dialogs.settings = [edit](SettingsRecord& values) {
    edit(values);
    return true;
  };
  EditSettings(nullptr, services.dialogs, services.profile);
}

TEST(SettingsTest, TheSweepRulesDropStepsOfASinglePointAndMakeStopFollowStart) {
  FakeServices services;
  AcceptWith(services, [](SettingsRecord& r) {
    r.FrequencyStart = 1.0;
    r.FrequencyStop = 1.0;
    r.FrequencySteps = 10;
  });
  EXPECT_EQ(ReadSettingsRecord(services.profile).FrequencySteps, 0);

  AcceptWith(services, [](SettingsRecord& r) {
    r.FrequencyStart = 2.0;
    r.FrequencyStop = 5.0;
    r.FrequencySteps = 0;
  });
  EXPECT_EQ(ReadSettingsRecord(services.profile).FrequencyStop, 2.0);

  AcceptWith(services, [](SettingsRecord& r) {
    r.FrequencyStart = 2.0;
    r.FrequencyStop = 5.0;
    r.FrequencySteps = 3;
  });
  const SettingsRecord kept = ReadSettingsRecord(services.profile);
  EXPECT_EQ(kept.FrequencyStop, 5.0);
  EXPECT_EQ(kept.FrequencySteps, 3);
}

TEST(SettingsTest, WithoutAProjectOnlyTheProfileChangesAndTheNextProjectTakesIt) {
  FakeServices services;
  AcceptWith(services, [](SettingsRecord& r) {
    r.Units = 0;
    r.GridSpacing = 500.0;
    r.ProjectLength = 1000.0;
    r.AutoOpenCkt = true;
  });
  EXPECT_EQ(services.profile.GetProfileInt(kSettingsSection, "AutoOpenCkt", 0), 1);
  auto document = NewProject(services);
  EXPECT_EQ(document->GetSettings().Units, 0);
  EXPECT_EQ(document->GetSettings().GridSpacing, 500.0);
  double length = 0.0;
  double width = 0.0;
  document->GetFootprintSize(length, width);
  EXPECT_EQ(length, 1000.0);
  EXPECT_EQ(width, 2540.0);
}

TEST(SettingsTest, WithAProjectOkChangesItsSettingsAndRelabelsTheStatusText) {
  FakeServices services;
  auto document = NewProject(services);
  document->UpdateFootprintStatus();
  EXPECT_EQ(services.frame.statusText, "1000 x 1000 mil");
  services.hints.clear();
  services.dialogs.settings = [](SettingsRecord& r) {
    EXPECT_EQ(r.Units, 3);
    r.Units = 0;
    r.FrequencyUnits = 1;
    return true;
  };
  document->OnSettings();
  EXPECT_EQ(services.frame.statusText, "25.4 x 25.4 mm");
  EXPECT_EQ(document->GetSettings().FrequencyUnits, 1);
  EXPECT_TRUE(document->modified);
  EXPECT_EQ(document->UndoCount(), 0u);
  EXPECT_EQ(services.hints.back().hint, UpdateHint::HintSettings);
}

TEST(SettingsTest, ProfileValuesThatCannotBeUsedTakeTheirDefaults) {
  MemoryProfile profile;
  profile.WriteProfileInt(kSettingsSection, "Units", 4);
  profile.WriteProfileInt(kSettingsSection, "FrequencyUnits", -1);
  profile.WriteProfileBinary(kSettingsSection, "FrequencyStart", {0, 0, 0x80, 0x3f});  // 1.0f: 4 bytes
  profile.WriteProfileDouble(kSettingsSection, "GridSpacing", 0.0);
  profile.WriteProfileDouble(kSettingsSection, "ProjectWidth", -5.0);
  profile.WriteProfileDouble(kSettingsSection, "FrequencyStop", 3.5);
  DocumentSettings settings;
  LoadDocumentSettings(profile, settings);
  EXPECT_EQ(settings.Units, 3);
  EXPECT_EQ(settings.FrequencyUnits, 2);
  EXPECT_EQ(settings.FrequencyStart, 1.0);
  EXPECT_EQ(settings.GridSpacing, 254.0);
  EXPECT_EQ(settings.FrequencyStop, 3.5);
  EXPECT_EQ(ReadProjectWidth(profile), 2540.0);
}

// Three frequency units: 0 is the first, 3 is past the table.
TEST(SettingsTest, AFrequencyUnitOutsideTheTableTakesTheDefault) {
  for (const auto& [stored, expected] : {std::pair{0, 0}, {1, 1}, {3, 2}, {4, 2}}) {
    MemoryProfile profile;
    profile.WriteProfileInt(kSettingsSection, "FrequencyUnits", stored);
    DocumentSettings settings;
    LoadDocumentSettings(profile, settings);
    EXPECT_EQ(settings.FrequencyUnits, expected) << "stored " << stored;
  }
}

TEST(SettingsTest, TheFootprintPromptProposesTheProfileValuesAndStoresTheAnswer) {
  FakeServices services;
  FakeProjectDocument document(services);
  double length = 0.0;
  double width = 0.0;
  EXPECT_FALSE(document.PrepareNewProject(length, width));  // cancelled
  services.dialogs.project = [](ProjectDialogValues& values) {
    EXPECT_TRUE(values.newProject);
    EXPECT_DOUBLE_EQ(values.length, 1000.0);
    values.length = 500.0;
    return true;
  };
  EXPECT_TRUE(document.PrepareNewProject(length, width));
  EXPECT_DOUBLE_EQ(length, 1270.0);
  EXPECT_EQ(width, 2540.0);
  EXPECT_DOUBLE_EQ(services.profile.GetProfileDouble(kSettingsSection, "ProjectLength", 0.0), 1270.0);
  EXPECT_TRUE(services.messages.shown.empty());
}

}  // namespace
}  // namespace quor::test
