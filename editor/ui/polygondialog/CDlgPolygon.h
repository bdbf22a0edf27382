// The Polygon dialog: the conductor index, the layer, the Closed flag and the
// nodes of one conductor polygon, which it edits live while it is open.
#pragma once

#include <wx/dialog.h>

#include <memory>
#include <optional>

#include "editor/ui/polygondialog/PolygonDialogCore.h"

class wxCheckBox;
class wxTextCtrl;

namespace quor {

class LayerComboBox;
class MessageBoxes;

namespace grid {
class GridHost;
}

class CDlgPolygon : public wxDialog {
 public:
  static constexpr int kIndexEdit = 1058;
  static constexpr int kLayerCombo = 1073;
  static constexpr int kNodeGrid = 106;
  static constexpr int kClosedCheck = 1034;
  static constexpr int kInsertBefore = 32876;
  static constexpr int kDeleteNode = 32875;

  // Takes the document's pending snapshot at once, as the edit begins.
  CDlgPolygon(wxWindow* parent, ProjectDocument& document, CConductorPolygon& polygon, double layerZ,
              bool newPolygon, PolygonDialogCore::ViewHooks view, MessageBoxes& messages);
  ~CDlgPolygon() override;

  grid::GridHost& Grid() const { return *m_Grid; }

 private:
  void OnGridNotify(wxCommandEvent& event);
  void OnClosed(wxCommandEvent& event);
  void OnInsertBefore(wxCommandEvent& event);
  void OnDeleteNode(wxCommandEvent& event);
  void OnOK(wxCommandEvent& event);
  void OnCancel(wxCommandEvent& event);
  void EnableByNodeCount();
  // Puts the grid's cursor on a cell without a number and says so.
  void RefuseNodeCell(const PolygonDialogCore::NodeCell& cell);

  MessageBoxes& m_messages;
  ProjectDocument& m_Document;
  std::unique_ptr<PolygonDialogCore> m_core;
  std::optional<PolygonDialogCore::NodeCell> m_refusedCell;  // not told yet
  // Owned by wx as children.
  wxTextCtrl* m_indexEdit = nullptr;
  LayerComboBox* m_LayerCombo = nullptr;
  grid::GridHost* m_Grid = nullptr;
  wxCheckBox* m_ClosedCheck = nullptr;
  wxWindow* m_OkButton = nullptr;

  wxDECLARE_EVENT_TABLE();
};

}  // namespace quor
