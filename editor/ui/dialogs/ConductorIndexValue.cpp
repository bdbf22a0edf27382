#include "editor/ui/dialogs/ConductorIndexValue.h"

#include "editor/ui/dialogs/DialogNumbers.h"

namespace quor {

std::optional<CheckFailure> AcceptConductorIndex(const std::string& text, int& index) {
  const int value = ReadLeadingInteger(text);
  if (value < 0) return CheckFailure{conductor_index_dialog::kIndexEdit, "Please enter a positive integer"};
  index = value;
  return std::nullopt;
}

}  // namespace quor
