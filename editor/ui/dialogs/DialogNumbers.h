// Numbers between the dialogs' values and their edit controls. The exchange
// of a settings page or a dialog writes doubles with 15 significant digits and
// reads the whole text back as one number; a few edits instead take what the
// leading part of their text reads as. Neither depends on the process locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/ui/dialogs/CheckFailure.h"
#include "editor/ui/dialogs/EditedText.h"

namespace quor {

inline constexpr const char* kEnterNumberText = "Please enter a number.";
inline constexpr const char* kEnterIntegerText = "Please enter an integer.";
inline constexpr const char* kGreaterThanZeroText = "Please enter number greater than zero";

std::string FormatExchangeDouble(double value);
std::string FormatExchangeInt(int value);

// The whole text, blanks around it allowed, as one finite number; nothing otherwise.
std::optional<double> ParseExchangeDouble(std::string_view text);
std::optional<int> ParseExchangeInt(std::string_view text);

// A changed edit read back into `value`; an unchanged one leaves it alone.
// A text that is no number fails with the exchange's own message.
std::optional<CheckFailure> ExchangeDouble(const EditedText& edit, int controlId, double& value);
std::optional<CheckFailure> ExchangeInt(const EditedText& edit, int controlId, int& value);

// The leading number of at most the first 59 characters (ReadLeadingNumber).
std::optional<double> ReadEditNumber(std::string_view text);

// A changed edit's number times `factor` goes to `value` and the edit counts
// as unchanged again; an unchanged edit leaves `value` exactly as it was.
// False, with both left as they were, when the text does not start with a
// number or the product is no number a project holds.
bool ReadChangedNumber(EditedText& edit, double factor, double& value);

// The leading integer of the text, as atoi reads it: 0 when the text does not
// start with one, nothing when it does not fit an int.
std::optional<int> ReadLeadingInteger(std::string_view text);

}  // namespace quor
