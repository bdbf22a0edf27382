// The Editor page: the grid spacing and the default footprint, kept in
// internal units and shown in the length unit chosen on the Units page.
#pragma once

#include <optional>

#include "editor/ui/dialogs/CheckFailure.h"
#include "editor/ui/dialogs/EditedText.h"

namespace quor {

namespace editor_page {
inline constexpr int kSpacingEdit = 1032;
inline constexpr int kLengthEdit = 1014;
inline constexpr int kWidthEdit = 1018;
inline constexpr int kUseDefaultFootprintCheck = 1078;
inline constexpr int kSpacingUnitLabel = 1079;
inline constexpr int kLengthUnitLabel = 1080;
inline constexpr int kWidthUnitLabel = 1081;
}  // namespace editor_page

struct EditorPageValues {
  int lengthUnit = -1;
  double gridSpacing = 0.0;  // internal units
  double footprintWidth = 1000.0;
  double footprintLength = 1000.0;
  bool useDefaultFootprint = false;
};

struct EditorPageTexts {
  EditedText spacing;
  EditedText length;
  EditedText width;
};

// Spacing with 4 significant digits, length and width with 5, in the page's unit.
EditorPageTexts ShowEditor(const EditorPageValues& values);

// Takes the changed edits in the page's unit (they then count as unchanged),
// then checks length, width and spacing, in that order, for being numbers
// above zero that a project holds; an edit refused keeps its modify flag.
std::optional<CheckFailure> LeaveEditorPage(EditorPageValues& values, EditorPageTexts& texts);

}  // namespace quor
