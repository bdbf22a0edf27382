// Fakes for the compute road: windows whose progress dialog runs the stage on
// a worker and joins it (or cancels it at once), whose text windows only
// record what they show, and whose export dialog answers from a script; and
// a fixture piece that joins them to the real library of the build.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DocumentTestDoubles.h"
#include "editor/document/CSolverLibrary.h"
#include "editor/document/ComputeServices.h"
#include "editor/document/ComputeWindows.h"
#include "support/TempDir.h"

namespace quor::test {

class FakeComputeWindows : public ComputeWindows {
 public:
  struct Shown {
    std::string path;
    std::shared_ptr<bool> open;
  };

  ProgressEnd RunProgressDialog(const std::string& caption, const std::string& exportName, StageExport stage,
                                ComputeJob& job) override;
  std::unique_ptr<ResultWindow> OpenTextWindow(const std::string& path) override;
  std::optional<std::string> AskExportPath(const std::string& proposedName) override;

  // Cancel as soon as the worker has started.
  bool cancel = false;
  // A text window that cannot be shown.
  bool textWindowFails = false;
  std::vector<std::string> progressCaptions;
  std::vector<Shown> textWindows;
  std::optional<std::string> exportPath;
  std::vector<std::string> proposedNames;
};

// A document on fake services with the compute road of the build's program
// directory, and a scratch directory for its project files.
struct ComputeFixture {
  explicit ComputeFixture(const std::string& libraryPath = QUOR_BIN_DIR "/libTessmor.so");

  // A project of the source tree's `folder` (the samples of examples/ unless
  // said otherwise), copied into the scratch directory and opened.
  std::unique_ptr<FakeProjectDocument> OpenSample(const std::string& name,
                                                  const std::string& folder = "examples");
  std::string Scratch(const std::string& name) const { return (scratch.Path() / name).string(); }

  FakeServices services;
  FakeComputeWindows windows;
  CSolverLibrary library;
  TempDir scratch{"quor-compute-test-"};
  ComputeServices compute;
  RecordingEditingView view;
};

}  // namespace quor::test
