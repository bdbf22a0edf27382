// The Layers window without its toolkit: one row per layer of the active
// view's project with visibility, lock, colour, name, Er and height, the
// commands its clicks, keys and menus send to the document and the view, and
// the hints that keep it current.
#pragma once

#include "editor/ui/bars/LayerListBar.h"

namespace quor {

class MessageBoxes;
class LayersWindowControls;
class ProjectDocument;

class LayersWindowLogic : public LayerListBar {
 public:
  // Columns of the list.
  static constexpr int kVisibleColumn = 0;
  static constexpr int kLockedColumn = 1;
  static constexpr int kColourColumn = 2;
  static constexpr int kNameColumn = 3;
  // Images of the visibility and lock cells.
  static constexpr int kLockedImage = 0;
  static constexpr int kUnlockedImage = 1;
  static constexpr int kVisibleImage = 2;
  static constexpr int kHiddenImage = 3;

  enum class ContextMenu { None, Layer, NewLayer };

  LayersWindowLogic(LayersWindowControls& controls, MessageBoxes& prompts)
      : m_controls(controls), m_prompts(prompts) {}

  // Mouse and keys.
  void OnCellClick(int row, int column);
  void OnDoubleClick(int row, int column);
  void OnDeleteKey() { Delete(); }
  void OnNewLayerKey();
  ContextMenu MenuAt(int row) const;
  // Only the mouse selects rows: a row may become selected while the window
  // itself selects, or while the cursor is over a row.
  bool AllowSelect(bool mouseOverRow) const { return m_updating || mouseOverRow; }
  void OnRowSelected(int row);

  // The commands of the context menus.
  void Delete();
  void Properties();
  void NewLayer();

  bool HasDocument() const { return Document() != nullptr; }
  // Throws TextError("No active document") without one.
  ProjectDocument& GetDocument() const;

 private:
  void Refill(double z) override;
  void OnAttached(double z) override;
  void ClearList() override;
  void OnOwnHint(const Hint& hint) override;
  void SelectActiveRow();

  LayersWindowControls& m_controls;
  MessageBoxes& m_prompts;
  bool m_updating = false;
};

}  // namespace quor
