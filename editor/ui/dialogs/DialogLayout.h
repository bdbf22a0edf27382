// The rows the dialogs and pages are laid out from: a label, an edit and, for
// lengths and frequencies, the name of the unit they are given in.
#pragma once

#include <wx/string.h>

class wxFlexGridSizer;
class wxSizer;
class wxStaticText;
class wxTextCtrl;
class wxWindow;

namespace quor {

// A grid of three columns (label, field, unit) whose field column stretches.
wxFlexGridSizer* CreateFieldGrid();

// Adds a row; without a unit label id the unit column stays empty.
wxTextCtrl* AddEditRow(wxWindow* parent, wxFlexGridSizer& grid, const wxString& label, int editId,
                       int unitLabelId = 0);
// Adds a row whose unit column holds a control of the caller's.
wxTextCtrl* AddEditRow(wxWindow* parent, wxFlexGridSizer& grid, const wxString& label, int editId,
                       wxWindow& unitControl);

// Adds a row for another control, made by the caller with `parent` as its parent.
void AddControlRow(wxWindow* parent, wxFlexGridSizer& grid, const wxString& label, wxWindow* control,
                   int unitLabelId = 0);

// The unit label of a row by its id.
void SetUnitLabel(wxWindow& parent, int unitLabelId, const wxString& unitName);

// A group box around a sizer, with a border, as the dialogs' groups are.
wxSizer* Group(wxWindow* parent, const wxString& caption, wxSizer* content);

}  // namespace quor
