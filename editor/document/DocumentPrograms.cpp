#include "editor/document/DocumentPrograms.h"

#include "editor/document/ResultWindow.h"
#include "platform/process/ChildProcess.h"

namespace quor {

DocumentPrograms::DocumentPrograms() = default;

DocumentPrograms::~DocumentPrograms() = default;

bool DocumentPrograms::IsShowing(Result kind) const {
  const auto& window = m_windows[static_cast<std::size_t>(kind)];
  return window && window->IsOpen();
}

void DocumentPrograms::SetWindow(Result kind, std::unique_ptr<ResultWindow> window) {
  m_windows[static_cast<std::size_t>(kind)] = std::move(window);
}

void DocumentPrograms::SetViewer(std::unique_ptr<ChildProcess> viewer) {
  m_viewer = std::move(viewer);
}

void DocumentPrograms::TerminateAll() {
  if (m_viewer) m_viewer->Terminate();
  for (const Result kind : {Result::CParameters, Result::YParameters, Result::Ckt}) {
    auto& window = m_windows[static_cast<std::size_t>(kind)];
    if (window) window->Close();
  }
}

}  // namespace quor
