// The Settings pages without a window: the unit query between them, how the
// Frequencies and Editor pages show and read their values, the checks made on
// leaving each page, and the Settings record in and out.
#include <gtest/gtest.h>

#include "editor/document/SettingsRecord.h"
#include "editor/ui/dialogs/SettingsPages.h"
#include "support/RecordingMessageBoxes.h"

namespace quor {
namespace {

using test::RecordingMessageBoxes;

TEST(SettingsPagesTest, TheUnitsPageAnswersTheQueryWithTheIndexPlusOne) {
  const UnitsPageValues units{1, 3};  // MHz, mil
  EXPECT_EQ(AnswerUnitQuery(units, kQueryLengthUnit), 4);
  EXPECT_EQ(AnswerUnitQuery(units, kQueryFrequencyUnit), 2);
  EXPECT_EQ(AnswerUnitQuery(units, 300), 0);
  EXPECT_EQ(UnitFromAnswer(4, 0), 3);
  // Nobody answered: the unit stays as filled in.
  EXPECT_EQ(UnitFromAnswer(0, 2), 2);
}

TEST(SettingsPagesTest, FrequenciesFollowTheUnitWithoutChangingTheFrequencies) {
  FrequenciesPageValues values{1, 1500.0, 10, 3000.0};  // MHz
  ChangeFrequencyUnit(values, 2);
  const FrequenciesPageTexts texts = ShowFrequencies(values);
  EXPECT_EQ(texts.start.text, "1.5");
  EXPECT_EQ(texts.stop.text, "3");
  EXPECT_EQ(texts.steps.text, "10");
  EXPECT_FALSE(texts.start.modified);
  ChangeFrequencyUnit(values, 0);
  EXPECT_DOUBLE_EQ(values.start, 1500000.0);
}

TEST(SettingsPagesTest, LeavingTheFrequenciesPageChecksInOrder) {
  FrequenciesPageValues values{2, 1.0, 0, 1.0};
  auto leave = [&values](const char* start, const char* stop, const char* steps) {
    return LeaveFrequenciesPage(values, {{start, true}, {stop, true}, {steps, true}});
  };
  auto failure = leave("-1", "-2", "-3");
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->text, "Start frequency must be positive or zero");
  EXPECT_EQ(failure->controlId, frequencies_page::kStartEdit);
  failure = leave("2", "1", "-3");
  EXPECT_EQ(failure->text, "Stop frequency must not be smaller than the start frequency");
  EXPECT_EQ(failure->controlId, frequencies_page::kStopEdit);
  failure = leave("2", "2", "-3");
  EXPECT_EQ(failure->text, "Number of frequency steps must be positive or zero");
  EXPECT_EQ(failure->controlId, frequencies_page::kStepsEdit);
  // A start equal to the stop passes.
  EXPECT_FALSE(leave("2", "2", "5"));
  EXPECT_EQ(values.steps, 5);
  EXPECT_EQ(leave("2", "2", "five")->text, "Please enter an integer.");
}

TEST(SettingsPagesTest, SegmentationBounds) {
  RecordingMessageBoxes messages;
  auto leave = [&messages](const char* resolution, const char* refine, const char* viaSegments) {
    SegmentationPageValues values;
    SegmentationPageTexts texts{{resolution, true}, {refine, true}, {viaSegments, true}};
    return LeaveSegmentationPage(values, texts, messages);
  };
  EXPECT_FALSE(leave("100", "100", "3"));
  EXPECT_FALSE(leave("1", "1", "16"));
  EXPECT_TRUE(messages.shown.empty());

  const auto zeroResolution = leave("0", "1", "4");
  EXPECT_EQ(zeroResolution->text, "Please enter a number between 0 and 100");
  EXPECT_EQ(zeroResolution->controlId, segmentation_page::kResolutionEdit);
  EXPECT_EQ(leave("100.5", "1", "4")->controlId, segmentation_page::kResolutionEdit);
  const auto zeroRefine = leave("1", "0", "4");
  EXPECT_EQ(zeroRefine->text, "Please enter a number between 0 and 100");
  EXPECT_EQ(zeroRefine->controlId, segmentation_page::kRefineEdit);
  for (const char* count : {"2", "17"}) {
    const auto failure = leave("1", "1", count);
    ASSERT_TRUE(failure) << count;
    EXPECT_EQ(failure->text, "Number of Via segments must be between 3 and 16");
    EXPECT_EQ(failure->controlId, segmentation_page::kViaSegmentsEdit);
  }
}

TEST(SettingsPagesTest, AFreshResolutionBelowOneIsConfirmedOnce) {
  RecordingMessageBoxes messages;
  SegmentationPageValues values;
  SegmentationPageTexts texts = ShowSegmentation(values);
  texts.resolution = {"0.5", true};

  messages.answer = false;
  const auto refused = LeaveSegmentationPage(values, texts, messages);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->controlId, segmentation_page::kResolutionEdit);
  EXPECT_TRUE(refused->text.empty());  // the question was the message
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0],
            "Warning: Resolution less than 1 can cause unpredictable results. Are you sure?");
  EXPECT_FALSE(texts.resolution.modified);

  // Leaving again without editing the field asks nothing and keeps 0.5.
  EXPECT_FALSE(LeaveSegmentationPage(values, texts, messages));
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(values.resolution, 0.5);
}

TEST(SettingsPagesTest, YesToTheResolutionWarningStillChecksTheOtherFields) {
  RecordingMessageBoxes messages;
  SegmentationPageValues values;
  SegmentationPageTexts texts{{"0.5", true}, {"0", true}, {"4", true}};
  const auto failure = LeaveSegmentationPage(values, texts, messages);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->controlId, segmentation_page::kRefineEdit);
  EXPECT_EQ(messages.shown.size(), 1u);
  texts.refine = {"1", true};
  texts.viaSegments = {"40", true};
  EXPECT_EQ(LeaveSegmentationPage(values, texts, messages)->controlId, segmentation_page::kViaSegmentsEdit);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(SettingsPagesTest, TheEditorPageShowsTheChosenUnitAndKeepsUntouchedValuesExact) {
  const double spacing = 254.0;  // 100 mil
  const double length = 1234.5678;
  EditorPageValues values{3, spacing, 2540.0, length, true};
  values.lengthUnit = UnitFromAnswer(1, values.lengthUnit);  // mm from the Units page
  EditorPageTexts texts = ShowEditor(values);
  EXPECT_EQ(texts.spacing.text, "2.54");
  EXPECT_EQ(texts.length.text, "12.346");
  EXPECT_EQ(texts.width.text, "25.4");

  EXPECT_FALSE(LeaveEditorPage(values, texts));
  EXPECT_EQ(values.gridSpacing, spacing);
  EXPECT_EQ(values.footprintLength, length);

  texts.width = {"10", true};
  EXPECT_FALSE(LeaveEditorPage(values, texts));
  EXPECT_EQ(values.footprintWidth, 1000.0);
  EXPECT_FALSE(texts.width.modified);
}

TEST(SettingsPagesTest, TheEditorPageChecksLengthWidthAndSpacingInOrder) {
  EditorPageValues values{0, 100.0, 100.0, 100.0, true};
  EditorPageTexts texts{{"0", true}, {"0", true}, {"0", true}};
  EXPECT_EQ(LeaveEditorPage(values, texts)->controlId, editor_page::kLengthEdit);
  texts.length = {"1", true};
  EXPECT_EQ(LeaveEditorPage(values, texts)->controlId, editor_page::kWidthEdit);
  texts.width = {"abc", true};
  const auto failure = LeaveEditorPage(values, texts);
  EXPECT_EQ(failure->controlId, editor_page::kWidthEdit);
  EXPECT_EQ(failure->text, "Please enter number greater than zero");
  texts.width = {"1", true};
  EXPECT_EQ(LeaveEditorPage(values, texts)->controlId, editor_page::kSpacingEdit);
}

TEST(SettingsPagesTest, TheOutputPageWantsOneFileAtLeast) {
  EXPECT_EQ(LeaveOutputPage({false, false, false})->text, "Please select at least one output file");
  EXPECT_FALSE(LeaveOutputPage({false, true, false}));
}

TEST(SettingsPagesTest, TheRecordGoesThroughThePagesUnchanged) {
  SettingsRecord record;
  record.Units = 1;
  record.FrequencyUnits = 0;
  record.FrequencyStart = 0.1;
  record.FrequencyStop = 1.0 / 3.0;
  record.FrequencySteps = 7;
  record.Refine = 2.5;
  record.Resolution = 0.75;
  record.NumberOfViaSegments = 9;
  record.GridSpacing = 12.34;
  record.ProjectLength = 111.0;
  record.ProjectWidth = 222.0;
  record.FootprintPromptOnStartup = false;
  record.AutoOpenCParams = false;
  record.AutoOpenCkt = true;
  record.AutoOpenYParams = true;

  const SettingsPages pages = FillSettingsPages(record);
  EXPECT_TRUE(pages.editor.useDefaultFootprint);
  SettingsRecord copy;
  CopySettingsPages(pages, copy);
  EXPECT_EQ(copy.Units, 1);
  EXPECT_EQ(copy.FrequencyUnits, 0);
  EXPECT_EQ(copy.FrequencyStart, 0.1);
  EXPECT_EQ(copy.FrequencyStop, 1.0 / 3.0);
  EXPECT_EQ(copy.FrequencySteps, 7);
  EXPECT_EQ(copy.Refine, 2.5);
  EXPECT_EQ(copy.Resolution, 0.75);
  EXPECT_EQ(copy.NumberOfViaSegments, 9);
  EXPECT_EQ(copy.GridSpacing, 12.34);
  EXPECT_EQ(copy.ProjectLength, 111.0);
  EXPECT_EQ(copy.ProjectWidth, 222.0);
  EXPECT_FALSE(copy.FootprintPromptOnStartup);
  EXPECT_FALSE(copy.AutoOpenCParams);
  EXPECT_TRUE(copy.AutoOpenCkt);
  EXPECT_TRUE(copy.AutoOpenYParams);
}

TEST(SettingsPagesTest, ANewFrequencyUnitRescalesTheSweepEvenIfItsPageWasNotShownAgain) {
  SettingsRecord record;
  record.FrequencyUnits = 1;  // MHz
  record.FrequencyStart = 1500.0;
  record.FrequencyStop = 2500.0;
  SettingsPages pages = FillSettingsPages(record);
  pages.units.frequencyUnit = 2;  // GHz chosen, Frequencies page not visited since
  CopySettingsPages(pages, record);
  EXPECT_EQ(record.FrequencyUnits, 2);
  EXPECT_DOUBLE_EQ(record.FrequencyStart, 1.5);
  EXPECT_DOUBLE_EQ(record.FrequencyStop, 2.5);
}

}  // namespace
}  // namespace quor
