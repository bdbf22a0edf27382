#include "editor/ui/dialogs/CDlgMetallization.h"

#include <wx/sizer.h>
#include <wx/tglbtn.h>

#include "editor/ui/ArtBitmaps.h"
#include "editor/ui/dialogs/MetallizationArt.h"

namespace quor {

namespace {

constexpr int kTopButton = 1028;
constexpr int kLeftButton = 1029;
constexpr int kRightButton = 1030;
constexpr int kBottomButton = 1031;

// The pictures are shown at twice their size, each pixel a 2 by 2 block.
constexpr int kIconScale = 2;

wxBitmapToggleButton* SideButton(wxWindow* parent, int id, int iconId, bool pressed) {
  constexpr int kShown = kMetallizationIconSize * kIconScale;
  const wxImage icon =
      PixelArtImage(FindMetallizationArt(iconId)).Scale(kShown, kShown, wxIMAGE_QUALITY_NEAREST);
  auto* button = new wxBitmapToggleButton(parent, id, wxBitmap(icon));
  button->SetValue(pressed);
  return button;
}

}  // namespace

CDlgMetallization::CDlgMetallization(wxWindow* parent, const MetallizationDialogValues& values)
    : wxDialog(parent, wxID_ANY, "Metallization") {
  m_top = SideButton(this, kTopButton, kIconTopSide, values.top);
  m_left = SideButton(this, kLeftButton, kIconLeftSide, values.left);
  m_right = SideButton(this, kRightButton, kIconRightSide, values.right);
  m_bottom = SideButton(this, kBottomButton, kIconBottomSide, values.bottom);

  // Three by three cells: the sides around an empty centre.
  auto* sides = new wxGridSizer(3, 3, 4, 4);
  sides->AddSpacer(0);
  sides->Add(m_top, 0, wxALIGN_CENTER);
  sides->AddSpacer(0);
  sides->Add(m_left, 0, wxALIGN_CENTER);
  sides->AddSpacer(0);
  sides->Add(m_right, 0, wxALIGN_CENTER);
  sides->AddSpacer(0);
  sides->Add(m_bottom, 0, wxALIGN_CENTER);
  sides->AddSpacer(0);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(sides, 0, wxALIGN_CENTER | wxALL, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  SetSizerAndFit(top);
  m_top->SetFocus();
}

MetallizationDialogValues CDlgMetallization::Values() const {
  return {m_top->GetValue(), m_left->GetValue(), m_bottom->GetValue(), m_right->GetValue()};
}

}  // namespace quor
