// Acts on a dialog from inside its modal loop, as a user would once it shows:
// queued before ShowModal, the action runs when the dialog is up.
#pragma once

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/utils.h>

#include <functional>

namespace quor::test {

template <typename Dialog>
Dialog* ShownModalDialog() {
  for (wxWindow* window : wxTopLevelWindows) {
    if (auto* dialog = dynamic_cast<Dialog*>(window); dialog && dialog->IsModal()) return dialog;
  }
  return nullptr;
}

// Gives up after about two seconds without the dialog; the test then fails on what it expected.
template <typename Dialog>
void WhenDialogShows(std::function<void(Dialog&)> act, int triesLeft = 200) {
  wxTheApp->CallAfter([act = std::move(act), triesLeft]() mutable {
    if (Dialog* dialog = ShownModalDialog<Dialog>()) {
      act(*dialog);
    } else if (triesLeft > 0) {
      wxMilliSleep(10);
      WhenDialogShows<Dialog>(std::move(act), triesLeft - 1);
    }
  });
}

}  // namespace quor::test
