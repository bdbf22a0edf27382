// The programs a document started on its results: the 3D viewer and one text
// window per kind of result. At most one of each runs for a document, and the
// document ends them all before its result files are rewritten and when it
// closes.
#pragma once

#include <array>
#include <memory>

namespace quor {

class ChildProcess;
class ResultWindow;

class DocumentPrograms {
 public:
  enum class Result { CParameters, YParameters, Ckt };

  DocumentPrograms();
  ~DocumentPrograms();
  DocumentPrograms(const DocumentPrograms&) = delete;
  DocumentPrograms& operator=(const DocumentPrograms&) = delete;

  bool IsShowing(Result kind) const;
  void SetWindow(Result kind, std::unique_ptr<ResultWindow> window);
  void SetViewer(std::unique_ptr<ChildProcess> viewer);
  // The viewer first, then the windows of the .dat, Touchstone and .ckt files.
  void TerminateAll();

 private:
  std::unique_ptr<ChildProcess> m_viewer;
  std::array<std::unique_ptr<ResultWindow>, 3> m_windows;
};

}  // namespace quor
