#include "editor/ui/bars/BarView.h"

namespace quor {

std::pair<BarView*, ProjectDocument*> AttachedView(const void* payload) {
  auto* view = static_cast<BarView*>(const_cast<void*>(payload));
  return {view, view != nullptr ? &view->GetProjectDocument() : nullptr};
}

}  // namespace quor
