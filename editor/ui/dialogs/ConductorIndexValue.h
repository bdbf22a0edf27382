// The Conductor Index dialog's text and the index OK takes from it.
#pragma once

#include <optional>
#include <string>

#include "editor/ui/dialogs/CheckFailure.h"

namespace quor {

namespace conductor_index_dialog {
inline constexpr int kIndexEdit = 1012;
}  // namespace conductor_index_dialog

// The leading integer of the text (a text without one counts as 0); a
// negative one is refused.
std::optional<CheckFailure> AcceptConductorIndex(const std::string& text, int& index);

}  // namespace quor
