#include "editor/document/ProjectDocument.h"

#include <cassert>
#include <cmath>

#include "editor/document/DocumentDialogs.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/EditSettings.h"
#include "editor/document/MainFrameLink.h"
#include "editor/document/MessageBoxes.h"
#include "editor/document/ModelContents.h"
#include "editor/document/ModelSnapshot.h"
#include "editor/document/ResultFiles.h"
#include "editor/document/SettingsProfile.h"
#include "editor/document/SettingsRecord.h"
#include "editor/model/CStructure.h"
#include "editor/model/FrequencyUnits.h"
#include "editor/model/LengthUnits.h"
#include "editor/model/NumberFormat.h"
#include "editor/model/QlxProjectFile.h"

namespace quor {

int ProjectDocument::s_openProjectCount = 0;

ProjectDocument::ProjectDocument() : m_model(std::make_unique<CStructure>()) {
  ++s_openProjectCount;
}

ProjectDocument::~ProjectDocument() {
  --s_openProjectCount;
}

int ProjectDocument::OpenProjectCount() {
  return s_openProjectCount;
}

void ProjectDocument::ShowMessage(const std::string& text) const {
  Services().messages.ShowMessage(text);
}

bool ProjectDocument::RefuseBeyondProjectLimit() {
  // This document has already counted itself.
  if (s_openProjectCount <= kMaxOpenProjects) return false;
  ShowMessage("Maximal number of concurrently open projects 10");
  return true;
}

void ProjectDocument::LoadSettingsDefaults() {
  LoadDocumentSettings(Services().profile, m_settings);
}

bool ProjectDocument::PrepareNewProject(double& length, double& width) {
  LoadSettingsDefaults();
  ProfileStore& profile = Services().profile;
  length = ReadProjectLength(profile);
  width = ReadProjectWidth(profile);
  if (!ReadFootprintPromptOnStartup(profile)) return true;

  ProjectDialogValues values{true, ToDisplayUnits(length), ToDisplayUnits(width), GetUnitName(),
                             FromDisplayUnits(1.0)};
  const ProjectDialogValues shown = values;
  if (!Services().dialogs.RunProjectDialog(values)) return false;
  // A value the user left alone keeps its exact stored value.
  if (values.length != shown.length) length = FromDisplayUnits(values.length);
  if (values.width != shown.width) width = FromDisplayUnits(values.width);
  WriteProjectFootprint(profile, length, width);
  return true;
}

void ProjectDocument::InitNewProject(double length, double width) {
  m_model->SetFootprint(length, width);
  m_model->AddLayer(CDielectric(1.0, 0.0), std::nullopt, true, false);
}

void ProjectDocument::AfterOpen(const std::string& path) {
  UpdateResultFlags(path);
  m_job.ConductorCount = m_model->GetConductorCount();
}

void ProjectDocument::AfterSave(const std::string& path, const std::string& previousPath,
                                bool hadUnsavedChanges) {
  // Results belong to the geometry they came from. Under another name the
  // ones found there are another project's; after a change this project's
  // are stale, also those a failed run left in place with the flags cleared.
  if (!hadUnsavedChanges && IsSameFile(path, previousPath)) return;
  DeleteResultFiles(path);
  m_segmented = false;
  m_computed = false;
}

void ProjectDocument::UpdateResultFlags(const std::string& path) {
  if (!HasExtension(path)) return;
  const std::string base = BasePathOf(path);
  m_segmented = FileExists(base + ".lst");
  m_computed = FileExists(base + ".dat");
}

void ProjectDocument::DeleteResultFiles(const std::string& path) {
  DeleteResultFilesAt(BasePathOf(path));
}

void ProjectDocument::Serialize(Archive& ar) {
  SerializeQlxProject(ar, m_settings, *m_model);
}

void ProjectDocument::SaveProjectFile(const std::string& path) {
  SaveQlxProjectFile(path, m_settings, *m_model);
}

void ProjectDocument::LoadProjectFile(const std::string& path) {
  LoadQlxProjectFile(path, m_settings, *m_model);
}

void ProjectDocument::SetFrequencyUnitFromMultiplier(std::int32_t multiplier) {
  if (const auto unit = FrequencyUnitFromMultiplier(multiplier)) m_settings.FrequencyUnits = *unit;
}

void ProjectDocument::GetFootprintSize(double& length, double& width) const {
  m_model->GetFootprint(length, width);
}

double ProjectDocument::GetFootprintDiagonal() const {
  double length = 0.0;
  double width = 0.0;
  GetFootprintSize(length, width);
  return std::sqrt(length * length + width * width);
}

void ProjectDocument::UpdateFootprintStatus() {
  double length = 0.0;
  double width = 0.0;
  GetFootprintSize(length, width);
  Services().frame.SetStatusText(FormatDouble(ToDisplayUnits(length), 4) + " x " +
                                 FormatDouble(ToDisplayUnits(width), 4) + " " + GetUnitName());
}

void ProjectDocument::OnSettings() {
  EditSettings(this, Services().dialogs, Services().profile);
}

void ProjectDocument::ApplySettings(const SettingsRecord& record) {
  assert(IsValidLengthUnit(record.Units) && "the sheet offers only the length units of the table");
  assert(FrequencyUnitFromMultiplier(FrequencyMultiplier(record.FrequencyUnits)) &&
         "the sheet offers only the frequency units of the table");
  ChangeModel(Snapshot::None, Delivery::ViewsAndFrame, [&]() -> Hint {
    CopyProjectSettings(record, m_settings);
    return UpdateHint::HintSettings;
  });
  UpdateFootprintStatus();
}

void ProjectDocument::NotifyViews(const Hint& hint) {
  UpdateProjectViews(hint);
  Services().frame.BroadcastHint(hint);
}

void ProjectDocument::SetModifiedAndUpdate(const Hint& hint) {
  SetProjectModified(true);
  UpdateProjectViews(hint);
}

void ProjectDocument::FinishDialogChange(const Hint& hint) {
  SetModifiedAndUpdate(hint);
  CommitChange(false);
}

void ProjectDocument::BeginDialogChange() {
  CancelHeldGestures();
  BeginChange();
}

void ProjectDocument::BeginChange() {
  m_undo.SetPending(StoreModelSnapshot(*m_model));
}

void ProjectDocument::CommitChange(bool fromRedo) {
  if (!m_undo.CommitPending(fromRedo)) ShowMessage("Error: document state is not saved");
}

void ProjectDocument::PushRedo() {
  if (!m_undo.PushPendingToRedo()) ShowMessage("Stanje dokumenta nije sacuvano!");
}

void ProjectDocument::ChangeModel(Snapshot snapshot, Delivery delivery, const std::function<Hint()>& change) {
  RunChange(snapshot == Snapshot::Take ? Commit::Undo : Commit::None, delivery, change);
}

void ProjectDocument::RunChange(Commit commit, Delivery delivery, const std::function<Hint()>& change) {
  CancelHeldGestures();
  if (commit != Commit::None) BeginChange();
  const ModelContents before(*m_model);
  const Hint hint = change();
  if (commit == Commit::UndoFirst) CommitChange(false);
  SetProjectModified(true);
  if (delivery == Delivery::ViewsAndFrame) {
    NotifyViews(hint);
  } else {
    UpdateProjectViews(hint);
  }
  // What went with the objects the hint names leaves every window as if removed by hand.
  for (const Hint& removal : before.RemovalsNotNamed(*m_model, hint)) NotifyViews(removal);
  switch (commit) {
    case Commit::None:
    case Commit::UndoFirst:
      return;
    case Commit::Undo:
      CommitChange(false);
      return;
    case Commit::UndoFromRedo:
      CommitChange(true);
      return;
    case Commit::Redo:
      PushRedo();
      return;
  }
}

void ProjectDocument::Undo() {
  if (CanUndo()) RestoreSnapshot(true);
}

void ProjectDocument::Redo() {
  if (CanRedo()) RestoreSnapshot(false);
}

void ProjectDocument::RestoreSnapshot(bool undo) {
  // Before the snapshot is chosen: a gesture put back may file a change of its own.
  CancelHeldGestures();
  // Read before anything changes: a snapshot that cannot be read leaves the
  // model and both lists as they were.
  std::unique_ptr<CStructure> model = LoadModelSnapshot(undo ? m_undo.NewestUndo() : m_undo.NewestRedo());
  // The state left behind goes to the other list; a redo keeps the rest of its own.
  const Commit commit = undo ? Commit::Redo : Commit::UndoFromRedo;
  RunChange(commit, Delivery::ViewsAndFrame, [&]() -> Hint {
    m_model.swap(model);
    if (undo) {
      m_undo.DropNewestUndo();
    } else {
      m_undo.DropNewestRedo();
    }
    return UpdateHint::HintReload;
  });
  // `model` now holds the replaced structure: it goes only after the hint has
  // told every holder of its pointers to drop them.
}

}  // namespace quor
