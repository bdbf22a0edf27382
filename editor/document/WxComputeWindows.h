// The compute road's windows as the editor shows them: CDlgProgress, a
// TextWindow per result file and wx's file dialog.
#pragma once

#include "editor/document/ComputeWindows.h"

namespace quor {

class WxComputeWindows : public ComputeWindows {
 public:
  ProgressEnd RunProgressDialog(const std::string& caption, const std::string& exportName, StageExport stage,
                                ComputeJob& job) override;
  std::unique_ptr<ResultWindow> OpenTextWindow(const std::string& path) override;
  std::optional<std::string> AskExportPath(const std::string& proposedName) override;
};

}  // namespace quor
