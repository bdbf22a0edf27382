// The info bar of the main frame: the active view's mouse position and the
// list of its project's layers, through which the active layer is chosen.
#pragma once

#include <wx/panel.h>

#include "editor/ui/BarHintReceiver.h"
#include "editor/ui/bars/InfoBarControls.h"
#include "editor/ui/bars/InfoBarLogic.h"

class wxTextCtrl;

namespace quor {

class LayerComboBox;

class CInfoBar : public wxPanel, public InfoBarControls, public BarHintReceiver {
 public:
  explicit CInfoBar(wxWindow* parent);

  void SetCoordinates(double x, double y) { m_logic.SetCoordinates(x, y); }
  // Hint 16 carries the activated wx view.
  void OnHint(const Hint& hint) override;

  // InfoBarControls.
  int AddEntry(const std::string& text, CLayer* layer) override;
  void SetSelection(int index) override;
  void SetCoordinateTexts(const std::string& x, const std::string& y) override;
  void ResetContent() override;
  void RedrawList() override;

  const InfoBarLogic& GetLogic() const { return m_logic; }
  LayerComboBox& GetLayerList() const { return *m_layerList; }

 private:
  void OnSelChangeLayer(wxCommandEvent& event);

  InfoBarLogic m_logic{*this};
  wxTextCtrl* m_x = nullptr;
  wxTextCtrl* m_y = nullptr;
  LayerComboBox* m_layerList = nullptr;
};

}  // namespace quor
