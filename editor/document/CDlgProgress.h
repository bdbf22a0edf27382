// The modal progress dialog of Segment and Run. It starts the stage on a
// worker thread of its own, shows the stage's progress every 300 ms and ends
// when the stage has stored its last field. Cancel asks the stage to stop and
// ends the dialog only once the worker has returned.
#pragma once

#include <wx/dialog.h>
#include <wx/timer.h>

#include <string>
#include <thread>

#include "editor/document/ProgressPoll.h"
#include "tessmor/Tessmor.h"

class wxGauge;

namespace quor {

class CDlgProgress : public wxDialog {
 public:
  // ShowModal answers wxID_OK when the stage finished, wxID_CANCEL after Cancel.
  CDlgProgress(wxWindow* parent, const std::string& caption, const std::string& exportName, StageExport stage,
               ComputeJob& job);
  ~CDlgProgress() override;

 private:
  void OnInitDialog(wxInitDialogEvent& event);
  void OnTimer(wxTimerEvent& event);
  void OnCancel(wxCommandEvent& event);
  // Asks a stage that has not finished to stop, and waits until the worker has returned.
  void StopWorker();

  std::string m_caption;
  StageExport m_stage;
  ComputeJob& m_job;
  ProgressPoll m_poll;
  wxTimer m_timer;
  wxGauge* m_progressBar;  // owned by the dialog
  std::thread m_worker;
};

}  // namespace quor
