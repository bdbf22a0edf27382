// The Import DXF dialog: one grid row per drawing layer, in which the user
// confirms the layer's name and types its relative permittivity and height,
// and the length unit of the drawing.
#pragma once

#include <wx/dialog.h>

#include "editor/ui/dxfimport/ImportDxfLayerValues.h"
#include "editor/ui/polygondialog/GridCellAccess.h"

class wxChoice;

namespace quor {

class MessageBoxes;

namespace grid {
class GridHost;
}

class CDlgImportDxf : public wxDialog {
 public:
  static constexpr int kUnitCombo = 1009;
  static constexpr int kLayerGrid = 1068;

  CDlgImportDxf(wxWindow* parent, MessageBoxes& messages);

  // The caller's values: the names shown at first, and what OK hands back.
  void SetLayers(ImportDxfLayerValues& values);

  bool TransferDataToWindow() override;

  grid::GridHost& Grid() const { return *m_Grid; }

 private:
  void OnUnitChange(wxCommandEvent& event);
  void OnOK(wxCommandEvent& event);
  void OnGridNotify(wxCommandEvent& event);
  void SetZHeading(const std::string& text);
  GridSend Sender() const;

  MessageBoxes& m_messages;
  ImportDxfLayerValues* m_values = nullptr;
  int m_LayerCount = 0;
  int m_Unit = 0;
  wxChoice* m_unitCombo = nullptr;   // owned by wx
  grid::GridHost* m_Grid = nullptr;  // owned by wx

  wxDECLARE_EVENT_TABLE();
};

}  // namespace quor
