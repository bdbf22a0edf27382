#include "editor/ui/bars/ActivatedViewHint.h"

#include <wx/docview.h>

#include "editor/document/EditingView.h"

namespace quor {

Hint ActivatedViewHint(wxView* view) {
  return Hint::ViewActivated(dynamic_cast<EditingView*>(view));
}

}  // namespace quor
