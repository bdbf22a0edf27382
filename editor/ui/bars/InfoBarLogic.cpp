#include "editor/ui/bars/InfoBarLogic.h"

#include <charconv>

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
  if (Document() != nullptr) Document()->GetModel().FillLayerCombo(m_controls, z);
}

void InfoBarLogic::Refill(double z) {
  m_controls.ResetContent();
  FillLayerList(z);
}

void InfoBarLogic::OnAttached(double z) {
  // The previous view's deactivation has emptied the list already.
  FillLayerList(z);
}

void InfoBarLogic::ClearList() {
  m_controls.ResetContent();
  // No view, no mouse position: the bar reads as it did at start.
  SetCoordinates(0.0, 0.0);
}

void InfoBarLogic::OnOwnHint(const Hint& hint) {
  switch (hint.Code()) {
    case UpdateHint::HintLayerColor:
      m_controls.RedrawList();
      break;
    case UpdateHint::HintActiveLayer:
      m_updating = true;
      Refill(hint.Z());
      m_updating = false;
      break;
    case UpdateHint::HintReload: {
      if (View() == nullptr) break;
      double z = View()->GetActiveZ();
      if (!Document()->GetModel().HasLayerAtZ(z)) z = 0.0;
      Refill(z);
      break;
    }
    default:
      break;
  }
}

void InfoBarLogic::OnSelChangeLayer(const CLayer* layer) {
  if (m_updating || layer == nullptr || View() == nullptr) return;
  View()->SetActiveLayer(layer->GetZ());
}

std::string InfoBarLogic::ItemText(const CLayer& layer) const {
  if (Document() == nullptr) return layer.GetName();
  return layer.GetName() + " - " + FormatDouble(Document()->ToDisplayUnits(layer.GetZ()), 3) + " " +
         Document()->GetUnitName();
}

}  // namespace quor
