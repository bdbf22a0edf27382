#include "editor/ui/bars/LayerComboBox.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include "editor/model/CLayer.h"
#include "editor/model/CStructure.h"
#include "editor/model/LayerComboControl.h"
#include "editor/ui/bars/BarArt.h"

namespace quor {

namespace {

constexpr int kSwatchWidth = 16;

// Fills a layer list from the structure.
class LayerComboFill : public LayerComboControl {
 public:
  explicit LayerComboFill(LayerComboBox& combo) : m_combo(combo) {}
  int AddEntry(const std::string& text, CLayer* layer) override { return m_combo.AddLayer(text, layer); }
  void SetSelection(int index) override { m_combo.SetSelection(index); }

 private:
  LayerComboBox& m_combo;
};

}  // namespace

LayerComboBox::LayerComboBox(wxWindow* parent, wxWindowID id, ItemText itemText, int itemHeight)
    : wxOwnerDrawnComboBox(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                           wxCB_READONLY),
      m_itemText(std::move(itemText)),
      m_itemHeight(itemHeight) {}

int LayerComboBox::AddLayer(const std::string& text, CLayer* layer) {
  return Append(wxString::FromUTF8(text), layer);
}

CLayer* LayerComboBox::LayerAt(int item) const {
  if (item < 0 || item >= static_cast<int>(GetCount())) return nullptr;
  return static_cast<CLayer*>(GetClientData(item));
}

void LayerComboBox::FillFrom(const CStructure& structure, double z) {
  LayerComboFill fill(*this);
  structure.FillLayerCombo(fill, z);
}

void LayerComboBox::OnDrawItem(wxDC& dc, const wxRect& rect, int item, int flags) const {
  const CLayer* layer = LayerAt(item);
  if (layer == nullptr) return;
  const bool selected = (flags & wxODCB_PAINTING_SELECTED) != 0;
  const wxColour text =
      wxSystemSettings::GetColour(selected ? wxSYS_COLOUR_HIGHLIGHTTEXT : wxSYS_COLOUR_WINDOWTEXT);
  const wxColour ground =
      wxSystemSettings::GetColour(selected ? wxSYS_COLOUR_HIGHLIGHT : wxSYS_COLOUR_WINDOW);
  dc.SetBrush(wxBrush(ground));
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawRectangle(rect);
  const wxString label = wxString::FromUTF8(m_itemText(*layer));
  const int x = rect.x + ConvertDialogToPixels(wxSize(2, 0)).x + kSwatchWidth;
  const int y = (rect.GetTop() + rect.GetBottom() + 1 - dc.GetCharHeight()) / 2;
  dc.SetTextForeground(text);
  dc.SetClippingRegion(rect);
  dc.DrawText(label, x, y);
  dc.DestroyClippingRegion();
  dc.DrawBitmap(SwatchBitmap(layer->colour, WindowColour(), kSwatchWidth, rect.height), rect.x, rect.y);
}

wxCoord LayerComboBox::OnMeasureItem(size_t) const {
  return m_itemHeight;
}

}  // namespace quor
