#include "editor/ui/bars/LayerListBar.h"

#include <tuple>

#include "editor/model/CLayer.h"
#include "editor/ui/bars/BarView.h"

namespace quor {

void LayerListBar::OnHint(const Hint& hint) {
  switch (hint.Code()) {
    case UpdateHint::HintNewLayer:
    case UpdateHint::HintLayerProperties:
      Refill(hint.Layer().GetZ());
      break;
    case UpdateHint::HintLayerDeleted:
    case UpdateHint::HintSettings:
      if (m_view != nullptr) Refill(m_view->GetActiveZ());
      break;
    case UpdateHint::HintViewActivated:
      std::tie(m_view, m_document) = AttachedView(hint);
      if (m_view != nullptr) OnAttached(m_view->GetActiveZ());
      break;
    case UpdateHint::HintViewDeactivated:
      m_view = nullptr;
      m_document = nullptr;
      ClearList();
      break;
    default:
      OnOwnHint(hint);
      break;
  }
}

}  // namespace quor
