#include "editor/ui/dialogs/SegmentationPageValues.h"

#include "editor/document/MessageBoxes.h"
#include "editor/ui/dialogs/DialogNumbers.h"

namespace quor {

using namespace segmentation_page;

namespace {

constexpr double kMaxPercentage = 100.0;
constexpr int kMinViaSegments = 3;
constexpr int kMaxViaSegments = 16;
constexpr const char* kRangeText = "Please enter a number between 0 and 100";

bool InPercentRange(double value) {
  return value > 0.0 && value <= kMaxPercentage;
}

}  // namespace

SegmentationPageTexts ShowSegmentation(const SegmentationPageValues& values) {
  return {{FormatExchangeDouble(values.resolution)},
          {FormatExchangeDouble(values.refine)},
          {FormatExchangeInt(values.viaSegments)}};
}

std::optional<CheckFailure> LeaveSegmentationPage(SegmentationPageValues& values,
                                                  SegmentationPageTexts& texts, MessageBoxes& messages) {
  if (auto failure = ExchangeDouble(texts.refine, kRefineEdit, values.refine)) return failure;
  if (auto failure = ExchangeDouble(texts.resolution, kResolutionEdit, values.resolution)) return failure;
  if (auto failure = ExchangeInt(texts.viaSegments, kViaSegmentsEdit, values.viaSegments)) return failure;

  if (!InPercentRange(values.resolution)) return CheckFailure{kResolutionEdit, kRangeText};
  if (values.resolution < 1.0 && texts.resolution.modified) {
    texts.resolution.modified = false;
    if (!messages.AskYesNo(
            "Warning: Resolution less than 1 can cause unpredictable results. Are you sure?")) {
      return CheckFailure{kResolutionEdit, ""};
    }
  }
  if (!InPercentRange(values.refine)) return CheckFailure{kRefineEdit, kRangeText};
  if (values.viaSegments < kMinViaSegments || values.viaSegments > kMaxViaSegments) {
    return CheckFailure{kViaSegmentsEdit, "Number of Via segments must be between 3 and 16"};
  }
  return std::nullopt;
}

}  // namespace quor
