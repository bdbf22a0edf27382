#include "editor/ui/dialogs/ConductorIndexValue.h"

#include "editor/ui/dialogs/DialogNumbers.h"

namespace quor {

std::optional<CheckFailure> AcceptConductorIndex(const std::string& text, int& index) {
  const std::optional<int> value = ReadLeadingInteger(text);
  if (!value || *value < 0) return CheckFailure{conductor_index_dialog::kIndexEdit, kPositiveIntegerText};
  index = *value;
  return std::nullopt;
}

std::optional<CheckFailure> ExchangeConductorIndex(const std::string& text, int controlId, int& index) {
  const std::optional<int> value = ParseExchangeInt(text);
  if (!value) return CheckFailure{controlId, kEnterIntegerText};
  if (*value < 0) return CheckFailure{controlId, kPositiveIntegerText};
  index = *value;
  return std::nullopt;
}

}  // namespace quor
