// The Via dialog's values in its edits, and the checks of OK.
#pragma once

#include <optional>

#include "editor/document/DocumentDialogs.h"
#include "editor/ui/dialogs/CheckFailure.h"
#include "editor/ui/dialogs/EditedText.h"

namespace quor {

namespace via_dialog {
inline constexpr int kXEdit = 1004;
inline constexpr int kYEdit = 1005;
inline constexpr int kSolidCheck = 1034;
inline constexpr int kRadiusEdit = 1035;
inline constexpr int kXUnitLabel = 1036;
inline constexpr int kYUnitLabel = 1037;
inline constexpr int kRadiusUnitLabel = 1040;
inline constexpr int kTopLayerCombo = 1077;
inline constexpr int kBottomLayerCombo = 1078;
}  // namespace via_dialog

struct ViaDialogTexts {
  EditedText x;
  EditedText y;
  EditedText radius;
};

// x and y with 5 significant digits.
ViaDialogTexts ShowViaValues(const ViaDialogValues& values);

// Reads the radius and the changed x and y, each a number that a project
// holds once converted; the layers are the combos' choices already. Then, in
// order: a radius above zero, both layers chosen, two different layers, the
// top one not below the bottom one.
std::optional<CheckFailure> AcceptViaValues(ViaDialogValues& values, ViaDialogTexts& texts);

}  // namespace quor
