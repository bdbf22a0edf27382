// Drives the modal dialogs a test provokes: each dialog that opens takes the
// next step of the script once its modal loop runs, and a dialog with no step
// left is cancelled, so that no test can hang on one.
#pragma once

#include <wx/modalhook.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

class wxDialog;
class wxTextCtrl;
class wxWindow;

namespace quor::test {

class ModalScript : public wxModalDialogHook {
 public:
  using Step = std::function<void(wxDialog&)>;

  ModalScript() { Register(); }
  ~ModalScript() override { Unregister(); }

  void Then(Step step) { m_steps.push_back({std::move(step), wxID_NONE}); }
  // The next dialog is not shown at all and ends with this code, as a
  // message box does that the user answers at once.
  void ThenAnswer(int code) { m_steps.push_back({nullptr, code}); }

  // The titles of the dialogs opened, in order.
  std::vector<std::string> titles;
  // The texts of the message boxes among them.
  std::vector<std::string> texts;

 protected:
  int Enter(wxDialog* dialog) override;
  void Exit(wxDialog* dialog) override { m_open.erase(dialog); }

 private:
  struct Entry {
    Step step;
    int answer;
  };
  std::deque<Entry> m_steps;
  // A file dialog reports its start twice, once for itself and once as a dialog.
  std::set<wxDialog*> m_open;
};

// An edit of the dialog by its id; null, and a test failure, when there is none.
wxTextCtrl* EditOf(wxDialog& dialog, int id);
// Types into an edit, as the user would: the text and its modify flag.
void Type(wxDialog& dialog, int id, const char* text);
// The window that holds the keyboard focus once the dialog has shown; null
// when none of its windows takes it.
wxWindow* FocusOnceShown(wxDialog& dialog);
// Presses OK; a dialog that refuses to close is cancelled and fails the test.
void PressOk(wxDialog& dialog);
// Presses OK where the dialog must refuse it and stay open.
void PressOkRefused(wxDialog& dialog);

}  // namespace quor::test
