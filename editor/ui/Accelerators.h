// The keyboard accelerators that no menu label gives the toolkit (the labels
// give the rest): second keys for Copy, Cut, Paste and Undo, the keypad keys,
// and the commands that are only on toolbars or context menus.
#pragma once

#include <wx/accel.h>

#include <vector>

namespace quor {

// The entries, each parsed from its key's name.
std::vector<wxAcceleratorEntry> AcceleratorEntries();

wxAcceleratorTable CreateAcceleratorTable();

}  // namespace quor
