#include "editor/ui/bars/LayersWindowLogic.h"

#include <tuple>

#include "editor/document/MessageBoxes.h"
#include "editor/document/ProjectDocument.h"
#include "editor/model/CStructure.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/bars/BarView.h"
#include "editor/ui/bars/LayersWindowControls.h"
#include "platform/error/TextError.h"

namespace quor {

ProjectDocument& LayersWindowLogic::GetDocument() const {
  if (m_document == nullptr) throw TextError("No active document");
  return *m_document;
}

void LayersWindowLogic::Refill(double z) {
  // The window's own selection of the row at z must pass AllowSelect, and
  // must not set the active layer again.
  m_updating = true;
  m_controls.DeleteAllRows();
  if (m_document != nullptr) m_document->GetModel().FillLayerList(m_controls, z, m_document->GetSettings());
  m_updating = false;
}

void LayersWindowLogic::SelectActiveRow() {
  if (m_view == nullptr || m_document == nullptr) return;
  const CStructure& model = m_document->GetModel();
  const double z = m_view->GetActiveZ();
  if (!model.HasLayerAtZ(z)) return;
  const int row = m_controls.FindRow(&model.FindLayerByZ(z));
  if (row == LayersWindowControls::kNoRow) return;
  m_updating = true;
  m_controls.SelectRow(row);
  m_updating = false;
}

void LayersWindowLogic::OnHint(UpdateHint hint, const void* payload) {
  switch (hint) {
    case UpdateHint::HintNewLayer:
    case UpdateHint::HintLayerProperties:
      Refill(static_cast<const CLayer*>(payload)->GetZ());
      break;
    case UpdateHint::HintLayerDeleted:
    case UpdateHint::HintReload:
    case UpdateHint::HintSettings:
      if (m_view != nullptr) Refill(m_view->GetActiveZ());
      break;
    case UpdateHint::HintActiveLayer:
      SelectActiveRow();
      break;
    case UpdateHint::HintViewActivated:
      std::tie(m_view, m_document) = AttachedView(payload);
      if (m_view != nullptr) Refill(m_view->GetActiveZ());
      break;
    case UpdateHint::HintViewDeactivated:
      m_view = nullptr;
      m_document = nullptr;
      m_controls.DeleteAllRows();
      break;
    default:
      break;
  }
}

void LayersWindowLogic::OnCellClick(int row, int column) {
  const CLayer* layer = m_controls.RowLayer(row);
  if (layer == nullptr || m_document == nullptr) return;
  const double z = layer->GetZ();
  switch (column) {
    case kVisibleColumn: {
      const bool visible = !layer->visible;
      m_document->SetLayerVisible(z, visible);
      m_controls.SetCell(row, column, "", visible ? kVisibleImage : kHiddenImage);
      break;
    }
    case kLockedColumn: {
      const bool locked = !layer->locked;
      m_document->SetLayerLocked(z, locked);
      m_controls.SetCell(row, column, "", locked ? kLockedImage : kUnlockedImage);
      break;
    }
    case kColourColumn:
      if (const auto colour = m_controls.PickColour(m_document->GetLayerColor(z))) {
        m_document->SetLayerColor(z, *colour);
        m_controls.RedrawRow(row);
      }
      break;
    default:
      break;
  }
}

void LayersWindowLogic::OnDoubleClick(int row, int column) {
  if (row != LayersWindowControls::kNoRow && column >= kNameColumn) Properties();
}

void LayersWindowLogic::OnNewLayerKey() {
  if (m_document != nullptr) NewLayer();
}

LayersWindowLogic::ContextMenu LayersWindowLogic::MenuAt(int row) const {
  if (m_document == nullptr) return ContextMenu::None;
  return row == LayersWindowControls::kNoRow ? ContextMenu::NewLayer : ContextMenu::Layer;
}

void LayersWindowLogic::OnRowSelected(int row) {
  if (m_updating || m_view == nullptr) return;
  if (const CLayer* layer = m_controls.RowLayer(row)) m_view->SetActiveLayer(layer->GetZ());
}

void LayersWindowLogic::Delete() {
  // Without a selected row there is no layer to delete.
  const CLayer* layer = m_controls.RowLayer(m_controls.FirstSelectedRow());
  if (layer == nullptr || m_document == nullptr) return;
  if (!m_prompts.AskYesNo("Do you realy want to delete selected layer?")) return;
  try {
    GetDocument().DeleteLayer(layer->GetZ());
  } catch (const TextError& error) {
    m_prompts.ShowMessage(error.Text());
  }
}

void LayersWindowLogic::Properties() {
  const CLayer* layer = m_controls.RowLayer(m_controls.FirstSelectedRow());
  if (layer == nullptr) return;
  m_controls.EnableWindow(false);
  try {
    GetDocument().EditLayerProperties(layer->GetZ());
  } catch (const TextError& error) {
    m_prompts.ShowMessage(error.Text());
  }
  m_controls.EnableWindow(true);
}

void LayersWindowLogic::NewLayer() {
  if (m_view == nullptr) return;
  m_controls.EnableWindow(false);
  m_view->RunViewCommand(cmd::kProjectNewLayer);
  m_controls.EnableWindow(true);
}

}  // namespace quor
