#include "editor/ui/bars/ProjectTreeLogic.h"

#include <tuple>

#include "editor/document/MainFrameLink.h"
#include "editor/document/MessageBoxes.h"
#include "editor/document/ProjectDocument.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/CStructure.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/bars/BarView.h"
#include "editor/ui/bars/ProjectTreeControls.h"
#include "platform/error/TextError.h"

namespace quor {

namespace {

constexpr TreeControl::Item kNone = TreeControl::kNoItem;

template <typename T>
bool Holds(const TreeControl::Object& object, const T* wanted) {
  const auto* held = std::get_if<T*>(&object);
  return held != nullptr && *held == wanted;
}

}  // namespace

ProjectTreeLogic::Kind ProjectTreeLogic::KindOf(Item item) const {
  if (item == kNone || m_tree.GetParent(item) == kNone) return Kind::None;
  switch (m_tree.GetImage(item)) {
    case kLayerImage:
      return Kind::Layer;
    case kViaImage:
      return Kind::Via;
    case kPolygonImage:
      return Kind::Polygon;
    default:
      return Kind::None;
  }
}

template <typename T>
TreeControl::Item ProjectTreeLogic::FindItem(Item root, const T* object) const {
  if (root == kNone) return kNone;
  if (Holds(m_tree.GetObject(root), object)) return root;
  for (Item child = m_tree.GetFirstChild(root); child != kNone; child = m_tree.GetNextSibling(child)) {
    if (const Item found = FindItem(child, object); found != kNone) return found;
  }
  return kNone;
}

void ProjectTreeLogic::Fill() {
  if (m_document == nullptr) return;
  m_document->GetModel().FillProjectTree(m_tree);
  m_layersRoot = m_tree.GetFirstRoot();
  m_viasRoot = m_layersRoot != kNone ? m_tree.GetNextSibling(m_layersRoot) : kNone;
}

void ProjectTreeLogic::Clear() {
  m_tree.DeleteAllItems();
  m_layersRoot = kNone;
  m_viasRoot = kNone;
  m_dragItem = kNone;
}

void ProjectTreeLogic::Refill() {
  Clear();
  Fill();
}

TreeControl::Item ProjectTreeLogic::LayerItemAt(double z) const {
  if (m_document == nullptr || !m_document->GetModel().HasLayerAtZ(z)) return kNone;
  return FindItem(m_layersRoot, &m_document->GetModel().FindLayerByZ(z));
}

void ProjectTreeLogic::InsertLayerSorted(CLayer& layer) {
  // The layers stay in ascending height: after the last one below.
  Item after = TreeControl::kFirst;
  for (Item child = m_tree.GetFirstChild(m_layersRoot); child != kNone;
       child = m_tree.GetNextSibling(child)) {
    const TreeControl::Object object = m_tree.GetObject(child);
    const auto* other = std::get_if<CLayer*>(&object);
    if (other != nullptr && (*other)->GetZ() < layer.GetZ()) after = child;
  }
  m_tree.SelectItem(layer.InsertTreeItems(m_tree, m_layersRoot, after));
}

TreeControl::Item ProjectTreeLogic::InsertObject(CShape& object, Item parent, Item position) {
  const bool wasEmpty = m_tree.GetFirstChild(parent) == kNone;
  const Item item = object.InsertTreeItem(m_tree, parent, position);
  if (wasEmpty) m_tree.Repaint();
  return item;
}

void ProjectTreeLogic::OnObjectAt(double z, CShape& object) {
  const Item layerItem = LayerItemAt(z);
  if (layerItem == kNone) return;
  m_tree.SelectItem(InsertObject(object, layerItem, TreeControl::kLast));
}

void ProjectTreeLogic::OnRemoved(Item item) {
  if (item == kNone) {
    Refill();
    return;
  }
  m_tree.DeleteItem(item);
}

void ProjectTreeLogic::OnPasted(const HintPastedObjects& pasted) {
  Item last = kNone;
  for (int i = 0; i < pasted.count; ++i) {
    CShape& object = *pasted.objects[i];
    if (object.GetType() == CShape::kConductorPolygon) {
      const Item layerItem = LayerItemAt(pasted.z);
      if (layerItem == kNone) break;
      last = object.InsertTreeItem(m_tree, layerItem, TreeControl::kLast);
    } else if (object.GetType() == CShape::kVia) {
      last = object.InsertTreeItem(m_tree, m_viasRoot, TreeControl::kLast);
    }
  }
  m_tree.Repaint();
  if (pasted.count == 1 && last != kNone) {
    m_tree.SelectItem(last);
  } else {
    m_tree.ClearSelection();
  }
}

void ProjectTreeLogic::OnDeleted(const HintDeletedObjects& deleted) {
  for (int i = 0; i < deleted.count; ++i) {
    Item item = FindItem(m_layersRoot, deleted.objects[i]);
    if (item == kNone) item = FindItem(m_viasRoot, deleted.objects[i]);
    if (item == kNone) {
      Refill();
      break;
    }
    m_tree.DeleteItem(item);
  }
  m_tree.ClearSelection();
}

void ProjectTreeLogic::OnReorder(CShape& object, Item position) {
  m_tree.ClearSelection();
  if (const Item item = FindItem(m_layersRoot, &object); item != kNone) m_tree.DeleteItem(item);
  const Item layerItem = LayerItemAt(object.GetZ());
  if (layerItem == kNone) return;
  m_tree.SelectItem(object.InsertTreeItem(m_tree, layerItem, position));
}

void ProjectTreeLogic::OnActiveLayer(double z) {
  const Item item = LayerItemAt(z);
  if (item != kNone && item != m_tree.GetSelection()) m_tree.ClearSelection();
}

void ProjectTreeLogic::OnLayerProperties(CLayer& layer) {
  m_tree.ClearSelection();
  if (const Item item = FindItem(m_layersRoot, &layer); item != kNone) m_tree.DeleteItem(item);
  InsertLayerSorted(layer);
}

void ProjectTreeLogic::OnHint(const Hint& hint) {
  if (m_document == nullptr && hint.Code() != UpdateHint::HintViewActivated) return;
  switch (hint.Code()) {
    case UpdateHint::HintAddObject:
      m_tree.SelectItem(InsertObject(hint.Object(), m_viasRoot, TreeControl::kLast));
      break;
    case UpdateHint::HintNewLayer:
      InsertLayerSorted(hint.Layer());
      break;
    case UpdateHint::HintAddObjectAt:
      OnObjectAt(hint.ObjectAtZ().z, *hint.ObjectAtZ().object);
      break;
    case UpdateHint::HintRemoveObject:
      OnRemoved(FindItem(m_layersRoot, hint.RemovedObject()));
      break;
    case UpdateHint::HintLayerDeleted:
      OnRemoved(FindItem(m_layersRoot, hint.RemovedLayer()));
      break;
    case UpdateHint::HintDeleteVia:
      OnRemoved(FindItem(m_viasRoot, hint.RemovedObject()));
      break;
    case UpdateHint::HintLayerColor:
      m_tree.Repaint();
      break;
    case UpdateHint::HintActiveLayer:
      OnActiveLayer(hint.Z());
      break;
    case UpdateHint::HintViewActivated:
      std::tie(m_view, m_document) = AttachedView(hint);
      Fill();
      break;
    case UpdateHint::HintViewDeactivated:
      m_document = nullptr;
      m_view = nullptr;
      Clear();
      break;
    case UpdateHint::HintReload: {
      const bool layersOpen = m_layersRoot != kNone && m_tree.IsExpanded(m_layersRoot);
      const bool viasOpen = m_viasRoot != kNone && m_tree.IsExpanded(m_viasRoot);
      Refill();
      if (layersOpen) m_tree.Expand(m_layersRoot);
      if (viasOpen) m_tree.Expand(m_viasRoot);
      break;
    }
    case UpdateHint::HintSettings:
      Refill();
      break;
    case UpdateHint::HintPasteObjects:
      OnPasted(hint.PastedObjects());
      break;
    case UpdateHint::HintDeleteObjects:
      OnDeleted(hint.DeletedObjects());
      break;
    case UpdateHint::HintLayerProperties:
      OnLayerProperties(hint.Layer());
      break;
    case UpdateHint::HintBringToFront:
      OnReorder(hint.Object(), TreeControl::kLast);
      break;
    case UpdateHint::HintSendToBack:
      OnReorder(hint.Object(), TreeControl::kFirst);
      break;
    default:
      break;
  }
}

void ProjectTreeLogic::OnSelChanged(Item item) {
  if (m_document == nullptr || m_view == nullptr) return;
  const TreeControl::Object object = m_tree.GetObject(item);
  switch (KindOf(item)) {
    case Kind::Polygon:
    case Kind::Via:
      m_view->ClearSelection();
      m_view->AddToSelection(*std::get<CShape*>(object));
      m_view->Repaint();
      break;
    case Kind::Layer: {
      const double z = std::get<CLayer*>(object)->GetZ();
      m_view->SetActiveLayer(z);
      m_frame.BroadcastHint(Hint::ActiveLayer(z));
      break;
    }
    case Kind::None:
      m_view->ClearSelection();
      m_view->Repaint();
      break;
  }
}

void ProjectTreeLogic::OnClickEmpty() {
  if (m_document == nullptr || m_view == nullptr) return;
  m_view->ClearSelection();
  m_view->Repaint();
  m_tree.ClearSelection();
}

ProjectTreeLogic::ContextMenu ProjectTreeLogic::OnRightClick(Item item) {
  if (m_document == nullptr || item == kNone) return ContextMenu::None;
  if (m_tree.GetSelection() != item) m_tree.SelectItem(item);
  switch (KindOf(item)) {
    case Kind::Polygon:
    case Kind::Via:
      if (m_view != nullptr) {
        m_view->ClearSelection();
        m_view->AddToSelection(*std::get<CShape*>(m_tree.GetObject(item)));
        m_view->Repaint();
      }
      return KindOf(item) == Kind::Via ? ContextMenu::Via : ContextMenu::Polygon;
    case Kind::Layer:
      return ContextMenu::Layer;
    case Kind::None:
      return ContextMenu::None;
  }
  return ContextMenu::None;
}

void ProjectTreeLogic::OnDeleteKey() {
  switch (KindOf(m_tree.GetSelection())) {
    case Kind::Layer:
      LayerDelete();
      break;
    case Kind::Polygon:
    case Kind::Via:
      ForwardToView(cmd::kEditDelete);
      break;
    case Kind::None:
      break;
  }
}

void ProjectTreeLogic::LayerDelete() {
  const Item item = m_tree.GetSelection();
  if (m_document == nullptr || KindOf(item) != Kind::Layer) return;
  if (!m_prompts.AskYesNo("Do you realy want to delete selected layer?")) return;
  try {
    m_document->DeleteLayer(std::get<CLayer*>(m_tree.GetObject(item))->GetZ());
  } catch (const TextError& error) {
    m_prompts.ShowMessage(error.Text());
  }
}

void ProjectTreeLogic::LayerProperties() {
  const Item item = m_tree.GetSelection();
  if (m_document == nullptr || KindOf(item) != Kind::Layer) return;
  try {
    m_document->EditLayerProperties(std::get<CLayer*>(m_tree.GetObject(item))->GetZ());
  } catch (const TextError& error) {
    m_prompts.ShowMessage(error.Text());
  }
}

void ProjectTreeLogic::ForwardToView(int id) {
  if (m_view != nullptr) m_view->RunViewCommand(id);
}

bool ProjectTreeLogic::BeginDrag(Item item) {
  if (m_document == nullptr || KindOf(item) != Kind::Polygon) return false;
  m_dragItem = item;
  m_tree.SelectItem(item);
  m_dragging = true;
  return true;
}

TreeControl::Item ProjectTreeLogic::DropTargetFor(Item hit) const {
  Item target = kNone;
  if (KindOf(hit) == Kind::Layer) target = hit;
  if (KindOf(hit) == Kind::Polygon) target = m_tree.GetParent(hit);
  if (target != kNone && m_dragItem != kNone && target == m_tree.GetParent(m_dragItem)) return kNone;
  return target;
}

void ProjectTreeLogic::Drop(Item target) {
  const Item dragged = m_dragItem;
  m_dragging = false;
  m_dragItem = kNone;
  if (target == kNone || dragged == kNone || m_document == nullptr) return;
  auto& polygon = static_cast<CConductorPolygon&>(*std::get<CShape*>(m_tree.GetObject(dragged)));
  try {
    m_document->MoveObjectToLayer(polygon, std::get<CLayer*>(m_tree.GetObject(target))->GetZ());
  } catch (const TextError& error) {
    m_prompts.ShowMessage(error.Text());
  }
}

}  // namespace quor
