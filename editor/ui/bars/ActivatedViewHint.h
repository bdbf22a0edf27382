// Hint 16 for the wx view the framework activates: the bars know the active
// view as an editing view, which a wx view need not be.
#pragma once

#include "editor/document/UpdateHint.h"

class wxView;

namespace quor {

// Hint 16 with `view` as an editing view; null when it is not one.
Hint ActivatedViewHint(wxView* view);

}  // namespace quor
