#include "editor/document/CDlgProgress.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/sizer.h>

#include <algorithm>
#include <chrono>

namespace quor {

namespace {

constexpr int kProgressBarId = 1029;
constexpr int kTimerId = 1029;
constexpr std::chrono::milliseconds kTimerPeriod{300};
constexpr int kBarRange = 100;
constexpr int kBarWidth = 300;

}  // namespace

CDlgProgress::CDlgProgress(wxWindow* parent, const std::string& caption, const std::string& exportName,
                           StageExport stage, ComputeJob& job)
    : wxDialog(parent, wxID_ANY, "Segmentation"),
      m_caption(caption),
      m_stage(stage),
      m_job(job),
      m_poll(exportName),
      m_timer(this, kTimerId),
      m_progressBar(new wxGauge(this, kProgressBarId, kBarRange, wxDefaultPosition, wxSize(kBarWidth, -1))) {
  m_job.RunFlag = 1;
  m_job.DoneFlag = 0;
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_progressBar, wxSizerFlags().Expand().Border(wxALL, 10));
  sizer->Add(new wxButton(this, wxID_CANCEL, "Cancel"),
             wxSizerFlags().Center().Border(wxLEFT | wxRIGHT | wxBOTTOM, 10));
  SetSizerAndFit(sizer);
  Bind(wxEVT_INIT_DIALOG, &CDlgProgress::OnInitDialog, this);
  Bind(wxEVT_TIMER, &CDlgProgress::OnTimer, this, kTimerId);
  Bind(wxEVT_BUTTON, &CDlgProgress::OnCancel, this, wxID_CANCEL);
}

CDlgProgress::~CDlgProgress() {
  m_timer.Stop();
  StopWorker();
}

void CDlgProgress::OnInitDialog(wxInitDialogEvent& event) {
  event.Skip();
  m_timer.Start(static_cast<int>(kTimerPeriod.count()));
  // The stage is the worker's whole procedure; it reaches the dialog only through the job.
  m_worker = std::thread(m_stage, &m_job);
  SetTitle(m_caption);
}

void CDlgProgress::OnTimer(wxTimerEvent&) {
  const ProgressPoll::Tick tick = m_poll.Poll(m_job);
  if (tick.done) {
    m_timer.Stop();
    EndModal(wxID_OK);
    return;
  }
  if (tick.solveBegins) SetTitle("Solve Linear Equations");
  m_progressBar->SetValue(std::clamp(tick.bar, 0, kBarRange));
}

void CDlgProgress::OnCancel(wxCommandEvent&) {
  m_timer.Stop();
  StopWorker();
  EndModal(wxID_CANCEL);
}

void CDlgProgress::StopWorker() {
  if (!m_worker.joinable()) return;
  if (m_job.DoneFlag.load(std::memory_order_acquire) == 0) m_job.RunFlag = 0;
  m_worker.join();
}

}  // namespace quor
