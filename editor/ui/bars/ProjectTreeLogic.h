// The project tree without its toolkit: "Layers" with each layer and its
// polygons, "Vias" with the vias, kept in step with the document through the
// hints; what its selection, clicks, keys, menus and drag and drop do to the
// view and the document.
#pragma once

#include "editor/model/TreeControl.h"
#include "editor/ui/BarHintReceiver.h"

namespace quor {

class MessageBoxes;
class BarView;
class CLayer;
class CShape;
class MainFrameLink;
class ProjectDocument;
class ProjectTreeControls;

class ProjectTreeLogic : public BarHintReceiver {
 public:
  using Item = TreeControl::Item;

  // Item images; the kind of an item is read from its image.
  static constexpr int kLayersImage = 0;
  static constexpr int kViasImage = 1;
  static constexpr int kLayerImage = 2;
  static constexpr int kViaImage = 3;
  static constexpr int kPolygonImage = 4;

  enum class Kind { None, Layer, Via, Polygon };
  enum class ContextMenu { None, Polygon, Via, Layer };

  ProjectTreeLogic(ProjectTreeControls& tree, MainFrameLink& frame, MessageBoxes& prompts)
      : m_tree(tree), m_frame(frame), m_prompts(prompts) {}

  // Hint 16 carries the activated view as a BarView.
  void OnHint(const Hint& hint) override;

  Kind KindOf(Item item) const;

  // The user changed the selection (mouse or keys).
  void OnSelChanged(Item item);
  void OnClickEmpty();
  // Selects the item under the cursor and tells which menu opens there.
  ContextMenu OnRightClick(Item item);
  void OnDeleteKey();
  void LayerDelete();
  void LayerProperties();
  // An object command of the context menus, carried out by the view.
  void ForwardToView(int id);

  // Drag and drop of a polygon to another layer.
  bool BeginDrag(Item item);
  // The layer item a drop on `hit` would move the polygon to, or kNoItem.
  Item DropTargetFor(Item hit) const;
  void Drop(Item target);
  bool IsDragging() const { return m_dragging; }

  bool HasDocument() const { return m_document != nullptr; }
  Item GetLayersRoot() const { return m_layersRoot; }
  Item GetViasRoot() const { return m_viasRoot; }

 private:
  // Pre-order below `root`, the root first; kNoItem when none holds `object`
  // (a CLayer or a CShape, perhaps no longer there).
  template <typename T>
  Item FindItem(Item root, const T* object) const;
  void Fill();
  void Clear();
  void Refill();
  void InsertLayerSorted(CLayer& layer);
  // Inserts below `parent` at `position`; repaints when it is the first child.
  Item InsertObject(CShape& object, Item parent, Item position);
  void OnObjectAt(double z, CShape& object);
  // Deletes the item of a removed object; refills when there is none.
  void OnRemoved(Item item);
  void OnLayerProperties(CLayer& layer);
  void OnPasted(const HintPastedObjects& pasted);
  void OnDeleted(const HintDeletedObjects& deleted);
  void OnReorder(CShape& object, Item position);
  void OnActiveLayer(double z);
  Item LayerItemAt(double z) const;

  ProjectTreeControls& m_tree;
  MainFrameLink& m_frame;
  MessageBoxes& m_prompts;
  ProjectDocument* m_document = nullptr;
  BarView* m_view = nullptr;
  Item m_viasRoot = TreeControl::kNoItem;
  Item m_layersRoot = TreeControl::kNoItem;
  Item m_dragItem = TreeControl::kNoItem;
  bool m_dragging = false;
};

}  // namespace quor
