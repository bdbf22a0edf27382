// The Conductor Index dialog's text and the index OK takes from it.
#pragma once

#include <optional>
#include <string>

#include "editor/ui/dialogs/CheckFailure.h"

namespace quor {

namespace conductor_index_dialog {
inline constexpr int kIndexEdit = 1012;
}  // namespace conductor_index_dialog

inline constexpr const char* kPositiveIntegerText = "Please enter a positive integer";

// The leading integer of the text (a text without one counts as 0); a
// negative one, or one beyond an int, is refused.
std::optional<CheckFailure> AcceptConductorIndex(const std::string& text, int& index);

// The Polygon dialog's index edit: the whole text one integer ("Please enter
// an integer."), and, as above, not a negative one.
std::optional<CheckFailure> ExchangeConductorIndex(const std::string& text, int controlId, int& index);

}  // namespace quor
