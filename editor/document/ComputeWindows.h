// The windows of the compute road: the modal progress dialog over a stage on
// its worker thread, the read-only text windows of the result files and the
// export file dialog. The editor shows them with wx; tests script them.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tessmor/Tessmor.h"

namespace quor {

class ResultWindow;

enum class ProgressEnd { Finished, Cancelled };

class ComputeWindows {
 public:
  virtual ~ComputeWindows() = default;

  // Runs the stage over the job on a worker thread while the dialog shows its
  // progress. Returns when the stage has set DoneFlag, or after Cancel once
  // the worker has stopped.
  virtual ProgressEnd RunProgressDialog(const std::string& caption, const std::string& exportName,
                                        StageExport stage, ComputeJob& job) = 0;
  // Shows the file read-only; null when it cannot be shown.
  virtual std::unique_ptr<ResultWindow> OpenTextWindow(const std::string& path) = 0;
  // The "Export File" dialog, proposing the name; no value on Cancel.
  virtual std::optional<std::string> AskExportPath(const std::string& proposedName) = 0;
};

}  // namespace quor
