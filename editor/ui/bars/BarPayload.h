// The bars' logic knows the active view as a BarView; the child frame sends
// the wx view with hint 16. This turns one payload into the other.
#pragma once

#include "editor/document/UpdateHint.h"

namespace quor {

// The payload for the bars' logic: for hint 16 the view as a BarView (null
// when the view is not one), else the payload unchanged.
const void* BarPayload(UpdateHint hint, const void* payload);

}  // namespace quor
