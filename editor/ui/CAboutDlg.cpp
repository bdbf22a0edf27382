#include "editor/ui/CAboutDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "editor/ui/ProgramIcon.h"

namespace quor {

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, 100, "About QUOR") {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticBitmap(this, wxID_ANY, wxBitmap(ProgramIcon())), 0, wxALL, 12);
  row->Add(new wxStaticText(this, wxID_ANY, "QUOR Version 1.0"), 0, wxALIGN_CENTER_VERTICAL | wxALL, 12);
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(row);
  column->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALIGN_RIGHT | wxALL, 12);
  SetSizerAndFit(column);
}

}  // namespace quor
