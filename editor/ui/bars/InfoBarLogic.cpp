#include "editor/ui/bars/InfoBarLogic.h"

#include <charconv>
#include <tuple>

#include "editor/document/ProjectDocument.h"
#include "editor/model/CStructure.h"
#include "editor/model/NumberFormat.h"
#include "editor/ui/bars/BarView.h"
#include "editor/ui/bars/InfoBarControls.h"

namespace quor {

namespace {

// "%.2f" whatever the process locale.
std::string TwoDecimals(double value) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2).ptr;
  return std::string(text, end);
}

}  // namespace

void InfoBarLogic::SetCoordinates(double x, double y) {
  m_controls.SetCoordinateTexts(TwoDecimals(x), TwoDecimals(y));
}

void InfoBarLogic::FillLayerList(double z) {
  if (m_document != nullptr) m_document->GetModel().FillLayerCombo(m_controls, z);
}

void InfoBarLogic::Refill(double z) {
  m_controls.ResetContent();
  FillLayerList(z);
}

void InfoBarLogic::OnHint(const Hint& hint) {
  switch (hint.Code()) {
    case UpdateHint::HintNewLayer:
    case UpdateHint::HintLayerProperties:
      Refill(hint.Layer().GetZ());
      break;
    case UpdateHint::HintLayerDeleted:
    case UpdateHint::HintSettings:
      if (m_view != nullptr) Refill(m_view->GetActiveZ());
      break;
    case UpdateHint::HintLayerColor:
      m_controls.RedrawList();
      break;
    case UpdateHint::HintActiveLayer:
      m_updating = true;
      Refill(hint.Z());
      m_updating = false;
      break;
    case UpdateHint::HintViewActivated:
      // The previous view's deactivation has emptied the list already.
      std::tie(m_view, m_document) = AttachedView(hint);
      if (m_view != nullptr) FillLayerList(m_view->GetActiveZ());
      break;
    case UpdateHint::HintViewDeactivated:
      m_view = nullptr;
      m_document = nullptr;
      m_controls.ResetContent();
      break;
    case UpdateHint::HintReload: {
      if (m_view == nullptr) break;
      double z = m_view->GetActiveZ();
      if (!m_document->GetModel().HasLayerAtZ(z)) z = 0.0;
      Refill(z);
      break;
    }
    default:
      break;
  }
}

void InfoBarLogic::OnSelChangeLayer(const CLayer* layer) {
  if (m_updating || layer == nullptr || m_view == nullptr) return;
  m_view->SetActiveLayer(layer->GetZ());
}

std::string InfoBarLogic::ItemText(const CLayer& layer) const {
  if (m_document == nullptr) return layer.GetName();
  return layer.GetName() + " - " + FormatDouble(m_document->ToDisplayUnits(layer.GetZ()), 3) + " " +
         m_document->GetUnitName();
}

}  // namespace quor
