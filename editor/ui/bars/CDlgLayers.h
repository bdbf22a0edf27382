// The modeless Layers window: the report list of the active view's layers
// with visibility, lock and colour cells, and the window's place on screen
// kept in the profile.
#pragma once

#include <wx/dialog.h>
#include <wx/imaglist.h>

#include "editor/document/WxMessageBoxes.h"
#include "editor/ui/BarHintReceiver.h"
#include "editor/ui/bars/LayersWindowControls.h"
#include "editor/ui/bars/LayersWindowLogic.h"

class wxListCtrl;
class wxListEvent;

namespace quor {

class ProfileStore;

class CDlgLayers : public wxDialog, public LayersWindowControls, public BarHintReceiver {
 public:
  // `closeCommand` reaches the parent when the close button is pressed.
  CDlgLayers(wxWindow* parent, ProfileStore& profile, int closeCommand);
  ~CDlgLayers() override;

  // Hint 16 carries the activated wx view.
  void OnHint(const Hint& hint) override;

  // LayersWindowControls.
  int InsertRow(int row, const std::string& text, int image, CLayer* layer) override;
  void SetCell(int row, int column, const std::string& text, int image) override;
  void SelectRow(int row) override;
  void DeleteAllRows() override;
  int FindRow(const CLayer* layer) const override;
  CLayer* RowLayer(int row) const override;
  int FirstSelectedRow() const override;
  void RedrawRow(int row) override;
  void EnableWindow(bool enable) override;
  std::optional<COLORREF> PickColour(COLORREF colour) override;

  LayersWindowLogic& GetLogic() { return m_logic; }
  wxListCtrl& GetList() const { return *m_list; }

 private:
  void CreateColumns();
  void FitColumns();
  void UpdateSwatch(int row);
  // The row and column under a point of the screen, or kNoRow.
  int HitRow(const wxPoint& screen, int* column) const;

  void OnLeftDown(wxMouseEvent& event);
  void OnLeftDoubleClick(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void OnSelected(wxListEvent& event);
  void OnMenuCommand(wxCommandEvent& event);
  void OnClose(wxCloseEvent& event);

  ProfileStore& m_profile;
  int m_closeCommand;
  WxMessageBoxes m_prompts{this};
  LayersWindowLogic m_logic{*this, m_prompts};
  wxImageList m_images;
  wxListCtrl* m_list = nullptr;
};

}  // namespace quor
