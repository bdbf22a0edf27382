#include "editor/ui/bars/LayersWindowLogic.h"

#include "editor/document/MessageBoxes.h"
#include "editor/document/ProjectDocument.h"
#include "editor/model/CStructure.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/bars/BarView.h"
#include "editor/ui/bars/LayersWindowControls.h"
#include "platform/error/TextError.h"

namespace quor {

ProjectDocument& LayersWindowLogic::GetDocument() const {
  if (Document() == nullptr) throw TextError("No active document");
  return *Document();
}

void LayersWindowLogic::Refill(double z) {
  // The window's own selection of the row at z must pass AllowSelect, and
  // must not set the active layer again.
  m_updating = true;
  m_controls.DeleteAllRows();
  if (Document() != nullptr) Document()->GetModel().FillLayerList(m_controls, z, Document()->GetSettings());
  m_updating = false;
}

void LayersWindowLogic::SelectActiveRow() {
  if (View() == nullptr || Document() == nullptr) return;
  const CStructure& model = Document()->GetModel();
  const double z = View()->GetActiveZ();
  if (!model.HasLayerAtZ(z)) return;
  const int row = m_controls.FindRow(&model.FindLayerByZ(z));
  if (row == LayersWindowControls::kNoRow) return;
  m_updating = true;
  m_controls.SelectRow(row);
  m_updating = false;
}

void LayersWindowLogic::OnAttached(double z) {
  Refill(z);
}

void LayersWindowLogic::ClearList() {
  m_controls.DeleteAllRows();
}

void LayersWindowLogic::OnOwnHint(const Hint& hint) {
  switch (hint.Code()) {
    case UpdateHint::HintReload:
      if (View() != nullptr) Refill(View()->GetActiveZ());
      break;
    case UpdateHint::HintActiveLayer:
      SelectActiveRow();
      break;
    default:
      break;
  }
}

void LayersWindowLogic::OnCellClick(int row, int column) {
  const CLayer* layer = m_controls.RowLayer(row);
  if (layer == nullptr || Document() == nullptr) return;
  const double z = layer->GetZ();
  switch (column) {
    case kVisibleColumn: {
      const bool visible = !layer->visible;
      Document()->SetLayerVisible(z, visible);
      m_controls.SetCell(row, column, "", visible ? kVisibleImage : kHiddenImage);
      break;
    }
    case kLockedColumn: {
      const bool locked = !layer->locked;
      Document()->SetLayerLocked(z, locked);
      m_controls.SetCell(row, column, "", locked ? kLockedImage : kUnlockedImage);
      break;
    }
    case kColourColumn:
      if (const auto colour = m_controls.PickColour(Document()->GetLayerColor(z))) {
        Document()->SetLayerColor(z, *colour);
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
  if (Document() != nullptr) NewLayer();
}

LayersWindowLogic::ContextMenu LayersWindowLogic::MenuAt(int row) const {
  if (Document() == nullptr) return ContextMenu::None;
  return row == LayersWindowControls::kNoRow ? ContextMenu::NewLayer : ContextMenu::Layer;
}

void LayersWindowLogic::OnRowSelected(int row) {
  if (m_updating || View() == nullptr) return;
  if (const CLayer* layer = m_controls.RowLayer(row)) View()->SetActiveLayer(layer->GetZ());
}

void LayersWindowLogic::Delete() {
  // Without a selected row there is no layer to delete.
  const CLayer* layer = m_controls.RowLayer(m_controls.FirstSelectedRow());
  if (layer == nullptr || Document() == nullptr) return;
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
  if (View() == nullptr) return;
  m_controls.EnableWindow(false);
  View()->RunViewCommand(cmd::kProjectNewLayer);
  m_controls.EnableWindow(true);
}

}  // namespace quor
