// The Segmentation page: resolution, refinement and the number of segments of
// a via wall, with the checks and the warning made on leaving it.
#pragma once

#include <optional>

#include "editor/ui/dialogs/CheckFailure.h"
#include "editor/ui/dialogs/EditedText.h"

namespace quor {

class MessageBoxes;

namespace segmentation_page {
inline constexpr int kResolutionEdit = 1033;
inline constexpr int kRefineEdit = 1034;
inline constexpr int kViaSegmentsEdit = 1035;
}  // namespace segmentation_page

struct SegmentationPageValues {
  double refine = 1.0;
  double resolution = 1.0;
  int viaSegments = 4;
};

struct SegmentationPageTexts {
  EditedText resolution;
  EditedText refine;
  EditedText viaSegments;
};

SegmentationPageTexts ShowSegmentation(const SegmentationPageValues& values);

// Reads the changed edits and checks them. A resolution below 1 that was just
// entered is confirmed once (its edit then counts as unchanged); No keeps the
// page. Yes does not skip the other checks: a refinement or a via-segment
// count out of range would otherwise reach the segmentation.
std::optional<CheckFailure> LeaveSegmentationPage(SegmentationPageValues& values,
                                                  SegmentationPageTexts& texts, MessageBoxes& messages);

}  // namespace quor
