// The document's compute road: Check, Segment, Run and AutoRun on the saved
// project, through the stages of the computation library.
#include <cassert>

#include "editor/document/CSolverLibrary.h"
#include "editor/document/ComputeServices.h"
#include "editor/document/ComputeWindows.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/MessageBoxes.h"
#include "editor/document/ProjectDocument.h"
#include "editor/document/ResultFiles.h"
#include "platform/error/TextError.h"

namespace quor {

namespace {

constexpr const char* kSaveQuestion =
    "Document must be saved before running Checker or Segmentation. \nSave document?";

}  // namespace

ComputeServices& ProjectDocument::Compute() const {
  ComputeServices* compute = Services().compute;
  assert(compute && "the editor gives every document the compute services");
  return *compute;
}

std::string ProjectDocument::GetBasePath() const {
  return BasePathOf(GetProjectPath());
}

void ProjectDocument::WriteBasePath() {
  m_basePath = GetBasePath();
  m_job.BasePath = m_basePath.c_str();
}

void ProjectDocument::DeletePlateFile() const {
  // Empty until a stage has run: there is no plate file to speak of then.
  if (!m_basePath.empty()) DeleteFileQuietly(m_basePath + ".sg1");
}

bool ProjectDocument::EnsureSaved(bool automatic) {
  if (!IsProjectModified() && !GetProjectPath().empty()) return true;
  const bool askFirst = GetProjectPath().empty() || !automatic;
  if (askFirst && !Services().messages.AskOkCancel(kSaveQuestion)) return false;
  SaveProject();
  return !IsProjectModified() && !GetProjectPath().empty();
}

bool ProjectDocument::Check(EditingView& view, bool silent, bool automatic) {
  if (!EnsureSaved(automatic)) return false;
  bool result = false;
  try {
    WriteBasePath();
    m_job.RunFlag = 1;
    m_job.DoneFlag = 0;
    result = Compute().library.Checker(&m_job);
    if (!result) {
      ShowComputeError(view, Stage::Checker);
    } else if (!silent) {
      Services().messages.ShowInformation("OK");
    }
  } catch (const TextError& e) {
    ShowMessage(e.Text());
  }
  // The plate file is the next stage's input, but only after a good check.
  if (!silent || !result) DeletePlateFile();
  return result;
}

bool ProjectDocument::RunStage(EditingView& view, bool automatic, Stage stage) {
  assert(stage != Stage::Checker && "the check runs on this thread, without the progress dialog");
  if (!Check(view, true, automatic)) return false;
  const bool segment = stage == Stage::Segment;
  const char* exportName = segment ? "Segment" : "Tessmor";
  WriteBasePath();
  m_job.Resolution = m_settings.Resolution;
  m_job.Refine = m_settings.Refine;
  bool result = false;
  if (const StageExport run = Compute().library.GetStage(exportName)) {
    bool& done = segment ? m_segmented : m_computed;
    // A stopped or failed stage leaves no output behind, so the flag may say
    // so only once this run has succeeded.
    done = false;
    const ProgressEnd end =
        Compute().windows.RunProgressDialog(segment ? "Segmentation" : "Fill Matrix", exportName, run, m_job);
    if (end == ProgressEnd::Finished && m_job.Error != 0) ShowComputeError(view, stage);
    if (end == ProgressEnd::Finished && m_job.Error == 0) {
      done = true;
      result = true;
      if (!automatic) {
        Services().messages.ShowInformation(segment ? "Segmentation is finished. \nNumber of unknowns: " +
                                                          std::to_string(m_job.NumberOfUnknowns)
                                                    : "OK");
      }
    }
  } else {
    ShowMessage(CSolverLibrary::MissingExportText(exportName) + ".");
  }
  DeletePlateFile();
  return result;
}

bool ProjectDocument::Segment(EditingView& view, bool automatic) {
  return RunStage(view, automatic, Stage::Segment);
}

bool ProjectDocument::Run(EditingView& view, bool automatic) {
  return RunStage(view, automatic, Stage::Tessmor);
}

void ProjectDocument::AutoRun(EditingView& view) {
  // No program of this document may hold a result file that is rewritten.
  TerminatePrograms();
  if (!Segment(view, true)) return;
  if (!Run(view, true)) return;
  ListResults();
}

}  // namespace quor
