#include "ModalScript.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include "support/WxTestPump.h"

namespace quor::test {

int ModalScript::Enter(wxDialog* dialog) {
  if (!m_open.insert(dialog).second) return wxID_NONE;
  titles.emplace_back(dialog->GetTitle().utf8_str());
  if (const auto* box = dynamic_cast<wxMessageDialogBase*>(dialog))
    texts.push_back(box->GetMessage().utf8_string());
  Entry entry{nullptr, wxID_NONE};
  if (!m_steps.empty()) {
    entry = std::move(m_steps.front());
    m_steps.pop_front();
  }
  if (entry.answer != wxID_NONE) return entry.answer;
  dialog->CallAfter([dialog, step = std::move(entry.step)] {
    if (step) {
      step(*dialog);
      return;
    }
    ADD_FAILURE() << "no step for the dialog " << dialog->GetTitle();
    dialog->EndModal(wxID_CANCEL);
  });
  return wxID_NONE;
}

wxTextCtrl* EditOf(wxDialog& dialog, int id) {
  auto* edit = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id));
  if (edit == nullptr) ADD_FAILURE() << "no edit " << id << " in " << dialog.GetTitle();
  return edit;
}

void Type(wxDialog& dialog, int id, const char* text) {
  wxTextCtrl* edit = EditOf(dialog, id);
  if (edit == nullptr) return;
  edit->ChangeValue(text);
  edit->MarkDirty();
}

wxWindow* FocusOnceShown(wxDialog& dialog) {
  wxWindow* focus = nullptr;
  // Without a window manager a new window need not become active by itself.
  dialog.Raise();
  PumpUntil([&] {
    focus = wxWindow::FindFocus();
    return focus != nullptr && wxGetTopLevelParent(focus) == &dialog;
  });
  return focus != nullptr && wxGetTopLevelParent(focus) == &dialog ? focus : nullptr;
}

namespace {

// True when the dialog closed with OK.
bool SendOk(wxDialog& dialog) {
  wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
  ok.SetEventObject(dialog.FindWindow(wxID_OK));
  dialog.GetEventHandler()->ProcessEvent(ok);
  return dialog.GetReturnCode() == wxID_OK;
}

}  // namespace

void PressOkRefused(wxDialog& dialog) {
  EXPECT_FALSE(SendOk(dialog)) << dialog.GetTitle() << " closed";
}

void PressOk(wxDialog& dialog) {
  if (SendOk(dialog)) return;
  ADD_FAILURE() << "OK did not close " << dialog.GetTitle();
  dialog.EndModal(wxID_CANCEL);
}

}  // namespace quor::test
