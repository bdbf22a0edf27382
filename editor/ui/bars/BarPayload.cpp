#include "editor/ui/bars/BarPayload.h"

#include <wx/docview.h>

#include "editor/ui/bars/BarView.h"

namespace quor {

const void* BarPayload(UpdateHint hint, const void* payload) {
  if (hint != UpdateHint::HintViewActivated || payload == nullptr) return payload;
  auto* view = static_cast<wxView*>(const_cast<void*>(payload));
  return dynamic_cast<BarView*>(view);
}

}  // namespace quor
