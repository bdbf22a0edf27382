// An update hint as wx's document/view passes it to a view's OnUpdate.
#pragma once

#include <wx/object.h>

#include "editor/document/UpdateHint.h"

namespace quor {

class UpdateHintObject : public wxObject {
 public:
  explicit UpdateHintObject(const Hint& sent) : hint(sent) {}

  const Hint hint;
};

}  // namespace quor
