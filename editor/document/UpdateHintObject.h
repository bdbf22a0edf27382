// An update hint as wx's document/view passes it to a view's OnUpdate.
#pragma once

#include <wx/object.h>

#include "editor/document/UpdateHint.h"

namespace quor {

class UpdateHintObject : public wxObject {
 public:
  UpdateHintObject(UpdateHint hintCode, const void* hintPayload) : hint(hintCode), payload(hintPayload) {}

  const UpdateHint hint;
  const void* const payload;
};

}  // namespace quor
