#include "editor/ui/bars/BarView.h"

namespace quor {

std::pair<BarView*, ProjectDocument*> AttachedView(const Hint& activated) {
  auto* view = dynamic_cast<BarView*>(activated.View());
  return {view, view != nullptr ? &view->GetProjectDocument() : nullptr};
}

}  // namespace quor
