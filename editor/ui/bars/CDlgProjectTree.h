// The project tree panel of the project bar: the "Project" label, the tree
// of the active view's project and the bar's close button.
#pragma once

#include <wx/imaglist.h>
#include <wx/panel.h>
#include <wx/treectrl.h>

#include <memory>

#include "editor/document/WxMessageBoxes.h"
#include "editor/ui/BarHintReceiver.h"
#include "editor/ui/bars/ProjectTreeControls.h"
#include "editor/ui/bars/ProjectTreeLogic.h"

class wxButton;
class wxGenericDragImage;

class wxStaticText;

namespace quor {

class CDlgProjectTree : public wxPanel, public ProjectTreeControls, public BarHintReceiver {
 public:
  // `closeCommand` reaches `frame` from the close button.
  CDlgProjectTree(wxWindow* parent, MainFrameLink& frame, int closeCommand);
  ~CDlgProjectTree() override;

  // Hint 16 carries the activated wx view.
  void OnHint(const Hint& hint) override;

  // ProjectTreeControls.
  Item InsertItem(const std::string& text, int image, int selectedImage, Object object, Item parent,
                  Item insertAfter) override;
  void DeleteAllItems() override;
  void DeleteItem(Item item) override;
  Item GetFirstRoot() const override;
  Item GetFirstChild(Item item) const override;
  Item GetNextSibling(Item item) const override;
  Item GetParent(Item item) const override;
  Object GetObject(Item item) const override;
  int GetImage(Item item) const override;
  Item GetSelection() const override;
  void SelectItem(Item item) override;
  void ClearSelection() override;
  bool IsExpanded(Item item) const override;
  void Expand(Item item) override;
  void Repaint() override;

  ProjectTreeLogic& GetLogic() { return m_logic; }
  wxTreeCtrl& GetTree() const { return *m_tree; }
  static wxTreeItemId IdOf(Item item) { return wxTreeItemId(reinterpret_cast<void*>(item)); }
  static Item ItemOf(const wxTreeItemId& id) { return reinterpret_cast<Item>(id.GetID()); }

 private:
  void LayOut();
  void ResetImages();
  int LayerSwatchImage(const CLayer& layer, int image);
  void ForEachLayerItem(Item item, const std::function<void(const wxTreeItemId&)>& action);

  void OnSize(wxSizeEvent& event);
  void OnSelChanged(wxTreeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnRightClick(wxTreeEvent& event);
  void OnKeyDown(wxTreeEvent& event);
  void OnBeginDrag(wxTreeEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnCommand(wxCommandEvent& event);
  void EndDrag();

  WxMessageBoxes m_prompts{this};
  ProjectTreeLogic m_logic;
  wxImageList m_images;
  wxStaticText* m_label = nullptr;
  wxButton* m_close = nullptr;
  wxTreeCtrl* m_tree = nullptr;
  wxTreeItemId m_hiddenRoot;
  // Set while this panel changes the tree, whose events are then not the user's.
  bool m_changing = false;
  std::unique_ptr<wxGenericDragImage> m_dragImage;
  wxTreeItemId m_dropTarget;
};

}  // namespace quor
