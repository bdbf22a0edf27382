#include "editor/ui/bars/CDlgProjectTree.h"

#include <wx/artprov.h>
#include <wx/bmpbuttn.h>
#include <wx/dcmemory.h>
#include <wx/generic/dragimgg.h>
#include <wx/menu.h>
#include <wx/stattext.h>

#include "editor/model/CLayer.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/bars/BarArt.h"
#include "editor/ui/bars/ObjectMenus.h"
#include "editor/ui/bars/ProjectTreeItemData.h"

namespace quor {

namespace {

constexpr int kTreeId = 1055;
constexpr int kImageSize = 16;
constexpr int kItemImages = 5;
constexpr TreeControl::Item kNone = TreeControl::kNoItem;

// The commands of the object menus that the view carries out.
constexpr int kForwarded[] = {cmd::kArrangeSendToBack, cmd::kArrangeBringToFront,
                              cmd::kPolygonProperties, cmd::kObjectIndex,
                              cmd::kEditDelete,        cmd::kEditCut,
                              cmd::kViaProperties,     cmd::kEditCopy};

constexpr int kUnhandled[] = {cmd::kEditPaste, cmd::kEditPasteOriginal};

}  // namespace

CDlgProjectTree::CDlgProjectTree(wxWindow* parent, MainFrameLink& frame, int closeCommand)
    : wxPanel(parent, wxID_ANY), m_logic(*this, frame, m_prompts), m_images(kImageSize, kImageSize, true) {
  m_label = new wxStaticText(this, wxID_ANY, "Project");
  m_close = new wxBitmapButton(this, closeCommand,
                               wxArtProvider::GetBitmap(wxART_CLOSE, wxART_BUTTON, wxSize(12, 12)),
                               wxDefaultPosition, wxDefaultSize, wxBORDER_NONE);
  m_tree = new wxTreeCtrl(this, kTreeId, wxDefaultPosition, wxDefaultSize,
                          wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE);
  m_tree->SetImageList(&m_images);
  ResetImages();
  m_hiddenRoot = m_tree->AddRoot("");

  Bind(wxEVT_SIZE, &CDlgProjectTree::OnSize, this);
  m_tree->Bind(wxEVT_TREE_SEL_CHANGED, &CDlgProjectTree::OnSelChanged, this);
  m_tree->Bind(wxEVT_LEFT_DOWN, &CDlgProjectTree::OnLeftDown, this);
  m_tree->Bind(wxEVT_TREE_ITEM_RIGHT_CLICK, &CDlgProjectTree::OnRightClick, this);
  m_tree->Bind(wxEVT_TREE_KEY_DOWN, &CDlgProjectTree::OnKeyDown, this);
  m_tree->Bind(wxEVT_TREE_BEGIN_DRAG, &CDlgProjectTree::OnBeginDrag, this);
  m_tree->Bind(wxEVT_MOTION, &CDlgProjectTree::OnMotion, this);
  m_tree->Bind(wxEVT_LEFT_UP, &CDlgProjectTree::OnLeftUp, this);
  for (const int id : {cmd::kLayerDelete, cmd::kLayerProperties})
    Bind(wxEVT_MENU, &CDlgProjectTree::OnCommand, this, id);
  for (const int id : kForwarded) Bind(wxEVT_MENU, &CDlgProjectTree::OnCommand, this, id);
  // The object menus' Paste items are the view's, not the tree's: here they
  // are disabled and, should one still be chosen, go no further.
  for (const int id : kUnhandled) {
    Bind(
        wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, id);
    Bind(
        wxEVT_MENU, [](wxCommandEvent&) {}, id);
  }
  m_close->Bind(wxEVT_BUTTON, [this, closeCommand](wxCommandEvent&) {
    wxGetTopLevelParent(this)->GetEventHandler()->QueueEvent(new wxCommandEvent(wxEVT_MENU, closeCommand));
  });
  LayOut();
}

CDlgProjectTree::~CDlgProjectTree() {
  if (m_tree->HasCapture()) m_tree->ReleaseMouse();
}

void CDlgProjectTree::LayOut() {
  const wxSize size = GetClientSize();
  m_label->SetPosition(wxPoint(4, 4));
  m_close->SetSize(size.x - 25, 2, 20, 20);
  m_tree->SetSize(4, 24, std::max(size.x - 8, 1), std::max(size.y - 28, 1));
}

void CDlgProjectTree::OnSize(wxSizeEvent& event) {
  LayOut();
  event.Skip();
}

void CDlgProjectTree::ResetImages() {
  m_images.RemoveAll();
  for (int image = 0; image < kItemImages; ++image) m_images.Add(TreeItemBitmap(image));
}

int CDlgProjectTree::LayerSwatchImage(const CLayer& layer, int image) {
  const wxBitmap swatch = SwatchBitmap(layer.colour, WindowColour(), kImageSize, kImageSize);
  if (image >= kItemImages) {
    m_images.Replace(image, swatch);
    return image;
  }
  return m_images.Add(swatch);
}

void CDlgProjectTree::OnHint(const Hint& hint) {
  m_logic.OnHint(hint);
}

TreeControl::Item CDlgProjectTree::InsertItem(const std::string& text, int image, int, Object object,
                                              Item parent, Item insertAfter) {
  const wxTreeItemId parentId = parent == kRoot ? m_hiddenRoot : IdOf(parent);
  // A layer item shows its colour in place of the layer picture.
  const auto* layer = std::get_if<CLayer*>(&object);
  const int shown = layer != nullptr ? LayerSwatchImage(**layer, image) : image;
  auto* data = new ProjectTreeItemData(object, image);
  const wxString label = wxString::FromUTF8(text);
  const wxTreeItemId after = IdOf(insertAfter);
  const bool afterIsChild =
      insertAfter != kLast && insertAfter != kFirst && m_tree->GetItemParent(after) == parentId;
  m_changing = true;
  wxTreeItemId id;
  if (insertAfter == kFirst) {
    id = m_tree->PrependItem(parentId, label, shown, shown, data);
  } else if (afterIsChild) {
    id = m_tree->InsertItem(parentId, after, label, shown, shown, data);
  } else {
    id = m_tree->AppendItem(parentId, label, shown, shown, data);
  }
  m_changing = false;
  return ItemOf(id);
}

void CDlgProjectTree::DeleteAllItems() {
  m_changing = true;
  m_tree->DeleteChildren(m_hiddenRoot);
  m_changing = false;
  ResetImages();
}

void CDlgProjectTree::DeleteItem(Item item) {
  m_changing = true;
  m_tree->Delete(IdOf(item));
  m_changing = false;
}

TreeControl::Item CDlgProjectTree::GetFirstRoot() const {
  wxTreeItemIdValue cookie;
  return ItemOf(m_tree->GetFirstChild(m_hiddenRoot, cookie));
}

TreeControl::Item CDlgProjectTree::GetFirstChild(Item item) const {
  wxTreeItemIdValue cookie;
  return ItemOf(m_tree->GetFirstChild(IdOf(item), cookie));
}

TreeControl::Item CDlgProjectTree::GetNextSibling(Item item) const {
  return ItemOf(m_tree->GetNextSibling(IdOf(item)));
}

TreeControl::Item CDlgProjectTree::GetParent(Item item) const {
  const wxTreeItemId parent = m_tree->GetItemParent(IdOf(item));
  return parent == m_hiddenRoot ? kNone : ItemOf(parent);
}

TreeControl::Object CDlgProjectTree::GetObject(Item item) const {
  const auto* data = static_cast<ProjectTreeItemData*>(m_tree->GetItemData(IdOf(item)));
  return data != nullptr ? data->GetObject() : Object{};
}

int CDlgProjectTree::GetImage(Item item) const {
  const auto* data = static_cast<ProjectTreeItemData*>(m_tree->GetItemData(IdOf(item)));
  return data != nullptr ? data->GetImage() : -1;
}

TreeControl::Item CDlgProjectTree::GetSelection() const {
  return ItemOf(m_tree->GetSelection());
}

void CDlgProjectTree::SelectItem(Item item) {
  m_changing = true;
  m_tree->SelectItem(IdOf(item));
  m_tree->EnsureVisible(IdOf(item));
  m_changing = false;
}

void CDlgProjectTree::ClearSelection() {
  m_changing = true;
  m_tree->UnselectAll();
  m_changing = false;
}

bool CDlgProjectTree::IsExpanded(Item item) const {
  return m_tree->IsExpanded(IdOf(item));
}

void CDlgProjectTree::Expand(Item item) {
  m_tree->Expand(IdOf(item));
}

void CDlgProjectTree::ForEachLayerItem(Item item, const std::function<void(const wxTreeItemId&)>& action) {
  for (Item child = GetFirstChild(item); child != kNone; child = GetNextSibling(child)) {
    if (std::holds_alternative<CLayer*>(GetObject(child))) action(IdOf(child));
  }
}

void CDlgProjectTree::Repaint() {
  // The layer swatches follow the layers' colours.
  ForEachLayerItem(m_logic.GetLayersRoot(), [this](const wxTreeItemId& id) {
    const CLayer& layer = *std::get<CLayer*>(GetObject(ItemOf(id)));
    LayerSwatchImage(layer, m_tree->GetItemImage(id));
  });
  m_tree->Refresh();
  m_tree->Update();
}

void CDlgProjectTree::OnSelChanged(wxTreeEvent& event) {
  if (!m_changing) m_logic.OnSelChanged(ItemOf(event.GetItem()));
}

void CDlgProjectTree::OnLeftDown(wxMouseEvent& event) {
  int flags = 0;
  const wxTreeItemId hit = m_tree->HitTest(event.GetPosition(), flags);
  if (!hit.IsOk() && m_logic.HasDocument()) m_logic.OnClickEmpty();
  event.Skip();
}

void CDlgProjectTree::OnRightClick(wxTreeEvent& event) {
  // Selecting the clicked item here is not the user's selection change.
  m_changing = true;
  const ProjectTreeLogic::ContextMenu which = m_logic.OnRightClick(ItemOf(event.GetItem()));
  m_changing = false;
  wxMenu menu;
  switch (which) {
    case ProjectTreeLogic::ContextMenu::None:
      return;
    case ProjectTreeLogic::ContextMenu::Polygon:
      AppendPolygonMenu(menu);
      break;
    case ProjectTreeLogic::ContextMenu::Via:
      AppendViaMenu(menu);
      break;
    case ProjectTreeLogic::ContextMenu::Layer:
      menu.Append(cmd::kLayerDelete, "&Delete");
      menu.Append(cmd::kLayerProperties, "&Properties");
      break;
  }
  PopupMenu(&menu, ScreenToClient(wxGetMousePosition()));
}

void CDlgProjectTree::OnKeyDown(wxTreeEvent& event) {
  if (event.GetKeyCode() == WXK_DELETE) {
    m_logic.OnDeleteKey();
    return;
  }
  event.Skip();
}

void CDlgProjectTree::OnCommand(wxCommandEvent& event) {
  if (event.GetId() == cmd::kLayerDelete) {
    m_logic.LayerDelete();
  } else if (event.GetId() == cmd::kLayerProperties) {
    m_logic.LayerProperties();
  } else {
    m_logic.ForwardToView(event.GetId());
  }
}

void CDlgProjectTree::OnBeginDrag(wxTreeEvent& event) {
  const wxTreeItemId item = event.GetItem();
  m_changing = true;
  const bool started = m_logic.BeginDrag(ItemOf(item));
  m_changing = false;
  if (!started) return;
  // Our own drag, not the tree's: the tree would highlight every item.
  m_dragImage = std::make_unique<wxGenericDragImage>(*m_tree, const_cast<wxTreeItemId&>(item));
  m_dragImage->BeginDrag(wxPoint(0, 0), m_tree);
  m_dragImage->Show();
  m_dragImage->Move(event.GetPoint());
  if (!m_tree->HasCapture()) m_tree->CaptureMouse();
}

void CDlgProjectTree::OnMotion(wxMouseEvent& event) {
  if (!m_logic.IsDragging() || m_dragImage == nullptr) {
    event.Skip();
    return;
  }
  int flags = 0;
  const wxTreeItemId hit = m_tree->HitTest(event.GetPosition(), flags);
  const Item target = hit.IsOk() ? m_logic.DropTargetFor(ItemOf(hit)) : kNone;
  m_tree->SetCursor(target != kNone ? wxNullCursor : wxCursor(wxCURSOR_NO_ENTRY));
  m_dragImage->Hide();
  if (m_dropTarget.IsOk()) m_tree->SetItemDropHighlight(m_dropTarget, false);
  m_dropTarget = target != kNone ? hit : wxTreeItemId();
  if (m_dropTarget.IsOk()) m_tree->SetItemDropHighlight(m_dropTarget, true);
  m_tree->Update();
  m_dragImage->Move(event.GetPosition());
  m_dragImage->Show();
}

void CDlgProjectTree::EndDrag() {
  if (m_dragImage != nullptr) {
    m_dragImage->Hide();
    m_dragImage->EndDrag();
    m_dragImage.reset();
  }
  if (m_tree->HasCapture()) m_tree->ReleaseMouse();
  m_tree->SetCursor(wxNullCursor);
  if (m_dropTarget.IsOk()) m_tree->SetItemDropHighlight(m_dropTarget, false);
  m_dropTarget = wxTreeItemId();
}

void CDlgProjectTree::OnLeftUp(wxMouseEvent& event) {
  if (!m_logic.IsDragging()) {
    event.Skip();
    return;
  }
  int flags = 0;
  const wxTreeItemId hit = m_tree->HitTest(event.GetPosition(), flags);
  const Item target = hit.IsOk() ? m_logic.DropTargetFor(ItemOf(hit)) : kNone;
  EndDrag();
  m_logic.Drop(target);
}

}  // namespace quor
