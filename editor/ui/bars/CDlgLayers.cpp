#include "editor/ui/bars/CDlgLayers.h"

#include <algorithm>
#include <iterator>

#include <wx/colordlg.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/sizer.h>

#include "editor/model/CLayer.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/DisplayFit.h"
#include "editor/ui/bars/BarArt.h"
#include "platform/profile/ProfileStore.h"

namespace quor {

namespace {

constexpr const char* kSection = "Settings";
constexpr int kListId = 1010;
constexpr int kImageSize = 16;
constexpr int kStateImages = 4;

struct Column {
  const char* title;
  int width;
};
// The icon columns are 18 pixels plus the margins the list keeps inside each
// cell, so that their 16-pixel pictures show whole.
constexpr int kCellMargins = 8;
constexpr int kImageColumnWidth = 18 + kCellMargins / 2;
constexpr Column kColumns[] = {{"", kImageColumnWidth},
                               {"", kImageColumnWidth},
                               {"", kImageColumnWidth},
                               {"Layer", 80},
                               {"Er", 40},
                               {"Z", 40}};

wxColour ToColour(COLORREF colour) {
  return wxColour(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

bool IsNavigationKey(int key) {
  switch (key) {
    case WXK_UP:
    case WXK_DOWN:
    case WXK_LEFT:
    case WXK_RIGHT:
    case WXK_PAGEUP:
    case WXK_PAGEDOWN:
    case WXK_HOME:
    case WXK_END:
    case WXK_SPACE:
      return true;
    default:
      return false;
  }
}

}  // namespace

CDlgLayers::CDlgLayers(wxWindow* parent, ProfileStore& profile, int closeCommand)
    : wxDialog(parent, wxID_ANY, "Layers", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER),
      m_profile(profile),
      m_closeCommand(closeCommand),
      m_images(kImageSize, kImageSize, true) {
  // Enter and Esc never close the window.
  SetEscapeId(wxID_NONE);
  SetAffirmativeId(wxID_NONE);
  m_list = new wxListCtrl(this, kListId, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | wxLC_SINGLE_SEL);
  CreateColumns();
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_list, 1, wxEXPAND);
  SetSizer(sizer);

  const int left = m_profile.GetProfileInt(kSection, "LayersDlgLeft", 0);
  const int top = m_profile.GetProfileInt(kSection, "LayersDlgTop", 0);
  const int right = m_profile.GetProfileInt(kSection, "LayersDlgRight", 200);
  const int bottom = m_profile.GetProfileInt(kSection, "LayersDlgBottom", 300);
  // Values from a file: on the screen before any arithmetic on them.
  SetSize(FitRectToDisplay(left, top, right, bottom));

  m_list->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    FitColumns();
  });
  m_list->Bind(wxEVT_LEFT_DOWN, &CDlgLayers::OnLeftDown, this);
  m_list->Bind(wxEVT_LEFT_DCLICK, &CDlgLayers::OnLeftDoubleClick, this);
  m_list->Bind(wxEVT_KEY_DOWN, &CDlgLayers::OnKeyDown, this);
  m_list->Bind(wxEVT_CONTEXT_MENU, &CDlgLayers::OnContextMenu, this);
  m_list->Bind(wxEVT_LIST_ITEM_SELECTED, &CDlgLayers::OnSelected, this);
  for (const int id : {cmd::kLayerDelete, cmd::kLayerProperties, cmd::kProjectNewLayer}) {
    Bind(wxEVT_MENU, &CDlgLayers::OnMenuCommand, this, id);
  }
  Bind(wxEVT_CLOSE_WINDOW, &CDlgLayers::OnClose, this);
}

CDlgLayers::~CDlgLayers() {
  const wxRect rect = GetRect();
  m_profile.WriteProfileInt(kSection, "LayersDlgLeft", rect.GetLeft());
  m_profile.WriteProfileInt(kSection, "LayersDlgTop", rect.GetTop());
  m_profile.WriteProfileInt(kSection, "LayersDlgRight", rect.GetRight() + 1);
  m_profile.WriteProfileInt(kSection, "LayersDlgBottom", rect.GetBottom() + 1);
  m_list->DeleteAllItems();
}

void CDlgLayers::CreateColumns() {
  for (const Column& column : kColumns) {
    const int index = m_list->GetColumnCount();
    m_list->InsertColumn(index, column.title, index < 3 ? wxLIST_FORMAT_CENTRE : wxLIST_FORMAT_LEFT,
                         column.width);
  }
  m_list->SetImageList(&m_images, wxIMAGE_LIST_SMALL);
  DeleteAllRows();
}

void CDlgLayers::OnHint(const Hint& hint) {
  m_logic.OnHint(hint);
  FitColumns();
}

void CDlgLayers::FitColumns() {
  // Er and Z as wide as their widest text; the name takes what is left of
  // the list's width, however long, so that every column shows at the
  // window's size.
  const int first = static_cast<int>(std::size(kColumns)) - 3;
  int widths[3] = {};
  for (int column = first; column < first + 3; ++column) {
    int widest = m_list->GetTextExtent(kColumns[column].title).x;
    for (long row = 0; row < m_list->GetItemCount(); ++row) {
      widest = std::max(widest, m_list->GetTextExtent(m_list->GetItemText(row, column)).x);
    }
    widths[column - first] = widest + kCellMargins + kCellMargins / 2;
  }
  const int room = m_list->GetClientSize().x - first * kImageColumnWidth - widths[1] - widths[2];
  widths[0] = std::max(m_list->GetTextExtent(kColumns[first].title).x + kCellMargins, room);
  for (int column = first; column < first + 3; ++column)
    m_list->SetColumnWidth(column, widths[column - first]);
}

int CDlgLayers::InsertRow(int row, const std::string& text, int image, CLayer* layer) {
  const long inserted = m_list->InsertItem(row, wxString::FromUTF8(text), image);
  m_list->SetItemPtrData(inserted, reinterpret_cast<wxUIntPtr>(layer));
  return static_cast<int>(inserted);
}

void CDlgLayers::SetCell(int row, int column, const std::string& text, int image) {
  m_list->SetItem(row, column, wxString::FromUTF8(text));
  // The colour cell shows the layer's own swatch.
  if (column == LayersWindowLogic::kColourColumn) {
    UpdateSwatch(row);
    return;
  }
  m_list->SetItemColumnImage(row, column, image);
}

void CDlgLayers::UpdateSwatch(int row) {
  const CLayer* layer = RowLayer(row);
  if (layer == nullptr) return;
  const wxBitmap swatch = SwatchBitmap(layer->colour, WindowColour(), kImageSize, kImageSize);
  const int image = kStateImages + row;
  while (m_images.GetImageCount() <= image) m_images.Add(swatch);
  m_images.Replace(image, swatch);
  m_list->SetItemColumnImage(row, LayersWindowLogic::kColourColumn, image);
}

void CDlgLayers::SelectRow(int row) {
  m_list->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                       wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
  m_list->EnsureVisible(row);
}

void CDlgLayers::DeleteAllRows() {
  m_list->DeleteAllItems();
  m_images.RemoveAll();
  for (int image = 0; image < kStateImages; ++image) m_images.Add(LayerStateBitmap(image));
}

int CDlgLayers::FindRow(const CLayer* layer) const {
  const long row = m_list->FindItem(-1, reinterpret_cast<wxUIntPtr>(layer));
  return row < 0 ? kNoRow : static_cast<int>(row);
}

CLayer* CDlgLayers::RowLayer(int row) const {
  if (row < 0 || row >= m_list->GetItemCount()) return nullptr;
  return reinterpret_cast<CLayer*>(m_list->GetItemData(row));
}

int CDlgLayers::FirstSelectedRow() const {
  const long row = m_list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
  return row < 0 ? kNoRow : static_cast<int>(row);
}

void CDlgLayers::RedrawRow(int row) {
  UpdateSwatch(row);
  m_list->RefreshItem(row);
  m_list->Update();
}

void CDlgLayers::EnableWindow(bool enable) {
  Enable(enable);
}

std::optional<COLORREF> CDlgLayers::PickColour(COLORREF colour) {
  wxColourData data;
  data.SetColour(ToColour(colour));
  wxColourDialog dialog(this, &data);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  const wxColour chosen = dialog.GetColourData().GetColour();
  return Rgb(chosen.Red(), chosen.Green(), chosen.Blue());
}

int CDlgLayers::HitRow(const wxPoint& screen, int* column) const {
  // By the rows' own rectangles: the list's hit test and the positions of
  // its mouse events count from below the column headers, its client area
  // from above them.
  const wxPoint point = m_list->ScreenToClient(screen);
  for (int row = 0; row < m_list->GetItemCount(); ++row) {
    wxRect rect;
    if (!m_list->GetItemRect(row, rect) || !rect.Contains(point)) continue;
    if (column != nullptr) {
      *column = m_list->GetColumnCount() - 1;
      for (int index = 0; index < m_list->GetColumnCount(); ++index) {
        wxRect cell;
        if (m_list->GetSubItemRect(row, index, cell) && point.x < cell.GetRight() + 1) {
          *column = index;
          break;
        }
      }
    }
    return row;
  }
  return kNoRow;
}

void CDlgLayers::OnLeftDown(wxMouseEvent& event) {
  int column = 0;
  const int row = HitRow(wxGetMousePosition(), &column);
  if (row != kNoRow) m_logic.OnCellClick(row, column);
  event.Skip();
}

void CDlgLayers::OnLeftDoubleClick(wxMouseEvent&) {
  int column = 0;
  const int row = HitRow(wxGetMousePosition(), &column);
  if (row != kNoRow) m_logic.OnDoubleClick(row, column);
}

void CDlgLayers::OnKeyDown(wxKeyEvent& event) {
  // Only the mouse selects rows.
  if (IsNavigationKey(event.GetKeyCode())) return;
  if (event.GetKeyCode() == WXK_DELETE) {
    m_logic.OnDeleteKey();
    return;
  }
  if (event.GetKeyCode() == 'L' && event.GetModifiers() == wxMOD_CONTROL) {
    m_logic.OnNewLayerKey();
    return;
  }
  event.Skip();
}

void CDlgLayers::OnContextMenu(wxContextMenuEvent& event) {
  const wxPoint screen =
      event.GetPosition() == wxDefaultPosition ? wxGetMousePosition() : event.GetPosition();
  wxMenu menu;
  switch (m_logic.MenuAt(HitRow(screen, nullptr))) {
    case LayersWindowLogic::ContextMenu::None:
      return;
    case LayersWindowLogic::ContextMenu::Layer:
      menu.Append(cmd::kLayerDelete, "&Delete");
      menu.Append(cmd::kLayerProperties, "&Properties");
      break;
    case LayersWindowLogic::ContextMenu::NewLayer:
      menu.Append(cmd::kProjectNewLayer, "New &Layer...");
      break;
  }
  PopupMenu(&menu, ScreenToClient(screen));
}

void CDlgLayers::OnSelected(wxListEvent& event) {
  const bool mouseOverRow = HitRow(wxGetMousePosition(), nullptr) != kNoRow;
  if (m_logic.AllowSelect(mouseOverRow)) m_logic.OnRowSelected(static_cast<int>(event.GetIndex()));
}

void CDlgLayers::OnMenuCommand(wxCommandEvent& event) {
  if (event.GetId() == cmd::kLayerDelete) m_logic.Delete();
  if (event.GetId() == cmd::kLayerProperties) m_logic.Properties();
  if (event.GetId() == cmd::kProjectNewLayer) m_logic.NewLayer();
}

void CDlgLayers::OnClose(wxCloseEvent&) {
  // The main frame hides the window, as its Layers command does.
  if (wxWindow* parent = GetParent())
    parent->GetEventHandler()->QueueEvent(new wxCommandEvent(wxEVT_MENU, m_closeCommand));
}

}  // namespace quor
