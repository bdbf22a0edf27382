// The viewer's message boxes. With QUORVIEW_MESSAGES=stderr in the
// environment the text goes to the standard error stream instead, so that
// scripted runs and tests are never stopped by a modal box.
#pragma once

#include <wx/string.h>

namespace quor::viewer {

// style: the wxICON_... of the box; it always has an OK button.
void ShowViewerMessage(const wxString& text, const wxString& title, long style);

}  // namespace quor::viewer
