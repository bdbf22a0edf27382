// An owner-drawn drop-down list of layers: each entry carries its layer and
// shows its colour swatch followed by its text.
#pragma once

#include <wx/odcombo.h>

#include <functional>
#include <string>

namespace quor {

class CLayer;
class CStructure;

class LayerComboBox : public wxOwnerDrawnComboBox {
 public:
  using ItemText = std::function<std::string(const CLayer&)>;

  // `itemHeight` is the fixed height of every entry.
  LayerComboBox(wxWindow* parent, wxWindowID id, ItemText itemText, int itemHeight);

  int AddLayer(const std::string& text, CLayer* layer);
  CLayer* LayerAt(int item) const;
  // One entry per layer of the structure; the one at z selected, else the first.
  void FillFrom(const CStructure& structure, double z);

 protected:
  void OnDrawItem(wxDC& dc, const wxRect& rect, int item, int flags) const override;
  wxCoord OnMeasureItem(size_t item) const override;

 private:
  ItemText m_itemText;
  int m_itemHeight;
};

}  // namespace quor
