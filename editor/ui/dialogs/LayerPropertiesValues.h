// The Layer Properties dialog's values in its edits, and the checks of OK.
#pragma once

#include <optional>

#include "editor/document/DocumentDialogs.h"
#include "editor/ui/dialogs/CheckFailure.h"
#include "editor/ui/dialogs/EditedText.h"

namespace quor {

namespace layer_dialog {
inline constexpr int kErEdit = 1007;
inline constexpr int kHeightEdit = 1008;
inline constexpr int kUnitCombo = 1009;
inline constexpr int kNameEdit = 1013;
inline constexpr int kVisibleCheck = 1044;
inline constexpr int kLockedCheck = 1045;
}  // namespace layer_dialog

struct LayerDialogTexts {
  EditedText height;
  EditedText er;
};

LayerDialogTexts ShowLayerValues(const LayerDialogValues& values);

// The bottom layer, at height 0, keeps its height and permittivity: only its
// name and flags can be edited.
bool IsBottomLayer(const LayerDialogValues& values);

// Reads the changed edits, refusing a height that overflows in its unit, then
// refuses a negative height and a permittivity that is not above zero; a
// height of exactly 0 passes; last, a name with a control character.
std::optional<CheckFailure> AcceptLayerValues(LayerDialogValues& values, const LayerDialogTexts& texts);

}  // namespace quor
