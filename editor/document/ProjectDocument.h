// The editor's document without its toolkit: one open project with its
// structure model, its settings, its undo and redo snapshots, its compute job
// and its result flags, and every operation through which the user changes
// it. CCrtanjeDoc joins it to wx's document/view; tests drive it directly.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/document/ClipboardObject.h"
#include "editor/document/DocumentPrograms.h"
#include "editor/document/UndoStack.h"
#include "editor/document/UpdateHint.h"
#include "editor/model/DocumentSettings.h"
#include "platform/draw/DrawContext.h"
#include "tessmor/ComputeJob.h"

struct Point3;

namespace quor {

class Archive;
class CConductorPolygon;
class CShape;
class CStructure;
class CVia;
class EditingView;
struct ComputeServices;
struct DocumentServices;
struct Point2;
struct SettingsRecord;

class ProjectDocument {
 public:
  static constexpr int kMaxOpenProjects = 10;

  // Whether a change files an undo step.
  enum class Snapshot { Take, None };
  // Whether a hint reaches the main frame's bars too, or the views only.
  enum class Delivery { ViewsAndFrame, ViewsOnly };

  ProjectDocument();
  virtual ~ProjectDocument();
  ProjectDocument(const ProjectDocument&) = delete;
  ProjectDocument& operator=(const ProjectDocument&) = delete;

  // Documents alive in this process.
  static int OpenProjectCount();

  CStructure& GetModel() const { return *m_model; }
  const DocumentSettings& GetSettings() const { return m_settings; }
  ComputeJob& GetJob() { return m_job; }
  bool IsSegmented() const { return m_segmented; }
  bool IsComputed() const { return m_computed; }

  // Opening and saving. The framework's overrides call these around its own steps.
  // True, after saying so, when this document is one more than the limit.
  bool RefuseBeyondProjectLimit();
  // The settings and the footprint of a new project from the profile, asked
  // for when the profile says so; false when the user cancels.
  bool PrepareNewProject(double& length, double& width);
  // The footprint and the first layer, at z = 0 with relative permittivity 1.
  void InitNewProject(double length, double width);
  void LoadSettingsDefaults();
  void AfterOpen(const std::string& path);
  // `previousPath` is empty for a project never saved.
  void AfterSave(const std::string& path, const std::string& previousPath, bool hadUnsavedChanges);
  void UpdateResultFlags(const std::string& path);
  void DeleteResultFiles(const std::string& path);
  // The header and the structure of the project file.
  void Serialize(Archive& ar);
  void SaveProjectFile(const std::string& path);
  void LoadProjectFile(const std::string& path);

  // The enabling rules of Run and 3D View, and of the result commands.
  bool CanRun() const { return m_segmented && !IsProjectModified(); }
  bool CanShowResults() const { return m_computed && !IsProjectModified(); }

  // Units and settings.
  const char* GetUnitName() const { return m_settings.GetUnitName(); }
  double ToDisplayUnits(double value) const { return m_settings.ToDisplayUnits(value); }
  double FromDisplayUnits(double value) const { return m_settings.FromDisplayUnits(value); }
  void SetFrequencyUnitFromMultiplier(std::int32_t multiplier);
  void GetFootprintSize(double& length, double& width) const;
  double GetFootprintDiagonal() const;
  void UpdateFootprintStatus();
  void OnSettings();
  // Takes the document's nine values from an accepted Settings sheet.
  void ApplySettings(const SettingsRecord& record);

  // Undo and redo of whole-model states.
  void Undo();
  void Redo();
  bool CanUndo() const { return m_undo.UndoCount() > 0; }
  bool CanRedo() const { return m_undo.RedoCount() > 0; }
  std::size_t UndoCount() const { return m_undo.UndoCount(); }
  std::size_t RedoCount() const { return m_undo.RedoCount(); }
  void ClearUndo() { m_undo.ClearUndo(); }
  void ClearRedo() { m_undo.ClearRedo(); }

  // Hints: to the views, then to the main frame's bars.
  void NotifyViews(const Hint& hint);
  // Marks the project modified and updates the views only.
  void SetModifiedAndUpdate(const Hint& hint);
  // Marks the project modified for a change that files no undo step and
  // tells no view: a node appended to the polygon being drawn.
  void MarkModified() { SetProjectModified(true); }
  // The one road of every change: the snapshot, the change, the modified
  // flag, the hint, the commit. `change` returns the hint to send. A change
  // that throws leaves its snapshot pending, commits nothing and sends no hint.
  void ChangeModel(Snapshot snapshot, Delivery delivery, const std::function<Hint()>& change);
  // A change that a dialog makes live while it is open: the snapshot when it
  // opens, and on OK the modified flag, the hint to the views and the undo
  // step. A change never finished leaves its snapshot pending, unfiled.
  void BeginDialogChange();
  void FinishDialogChange(const Hint& hint);

  // Edit operations. Refusals of the model throw TextError.
  CVia& AddObjectCopy(const CVia& via);
  CConductorPolygon& AddObjectCopyAt(double z, const CConductorPolygon& polygon);
  // Polygons go to the layer at z, vias to the layers at their own heights;
  // when one of those is missing nothing is pasted ("Layer does not exist").
  // Returns the pasted objects, now the model's, in clipboard order.
  std::vector<CShape*> PasteObjects(std::vector<ClipboardObject> objects, double z);
  void DeleteObjects(const std::vector<CShape*>& objects);
  void DeleteVia(CVia& via);
  // Without a snapshot only where the change undoes an unfinished figure.
  void RemoveObjectAt(double z, CConductorPolygon& polygon, Snapshot snapshot = Snapshot::Take);
  void MoveObjectToLayer(CConductorPolygon& polygon, double z);
  // Deletes the layer with its polygons and the vias that join it.
  void DeleteLayer(double z);
  void SetLayerColor(double z, COLORREF colour);
  void SetLayerVisible(double z, bool visible);
  void SetLayerLocked(double z, bool locked);
  COLORREF GetLayerColor(double z) const;
  void BringToFront(CShape& shape);
  void SendToBack(CShape& shape);
  // Scales the first object of the list from the anchor so that the old
  // corner goes to the new corner.
  void ScaleObject(const std::vector<CShape*>& objects, const Point3& anchor, const Point3& oldCorner,
                   const Point3& newCorner);

  // Operations that first ask the user in a dialog.
  void EditMetallization();
  void NewLayer(EditingView& view);
  void EditLayerProperties(double z);
  // The dialog starts at the centre when one is given (the Via tool's point).
  void NewVia(EditingView& view, const Point2* centre = nullptr);
  // The Via dialog on an existing via; OK changes its values in one undo step.
  void EditViaProperties(CVia& via);
  void EditFootprint(EditingView& view);

  // Replaces the first polygon of the list and the second, which lies inside
  // it, by one polygon with the second cut out as a hole.
  void SubtractPolygons(const std::vector<CShape*>& objects);

  // The compute road, on the saved project. `view` is the view that started
  // the command: an error that names an object selects it there.
  enum class Stage { Checker, Segment, Tessmor };
  // The project path without its extension.
  std::string GetBasePath() const;
  void DeletePlateFile() const;
  bool Check(EditingView& view, bool silent, bool automatic);
  bool Segment(EditingView& view, bool automatic);
  bool Run(EditingView& view, bool automatic);
  void AutoRun(EditingView& view);
  // The message of the job's error code. Only a failed check names the
  // objects concerned; the other stages' texts are shown as they stand.
  void ShowComputeError(EditingView& view, Stage stage);

  // The result files and the programs that show them.
  void ListResults();
  void OnCParameters();
  void OnCkt();
  void OnYParameters();
  void On3DView();
  void TerminatePrograms();
  // Writes the project as a DXF drawing to a file the user chooses.
  void OnExport();

 protected:
  // What the document framework provides.
  virtual void SetProjectModified(bool modified) = 0;
  virtual bool IsProjectModified() const = 0;
  virtual void UpdateProjectViews(const Hint& hint) = 0;
  virtual DocumentServices& Services() const = 0;
  // The project file's path; empty for a project never saved.
  virtual std::string GetProjectPath() const = 0;
  // The framework's save command (Save As for a project without a path);
  // false when the project was not saved.
  virtual bool SaveProject() = 0;
  // Ends a gesture a tool holds in one of the project's views, before a
  // change that does not come from that tool: one gesture stays one undo step.
  virtual void CancelHeldGestures() {}

  void ShowMessage(const std::string& text) const;
  // A path chosen in a save dialog with one `extension` (".qlx"): the file
  // chooser leaves a proposed extension out of the selected name, so a full
  // name typed over it carries the extension twice, and a bare name gets it.
  // Empty when the completed file exists and the user keeps it, since the
  // dialog asked only about the name as typed.
  std::optional<std::string> CompleteChosenPath(std::string chosen, const std::string& extension) const;

 private:
  // UndoFirst files the step before the hint goes out; Undo after it.
  enum class Commit { None, Undo, UndoFirst, UndoFromRedo, Redo };

  void BeginChange();
  void CommitChange(bool fromRedo);
  void PushRedo();
  void RestoreSnapshot(bool undo);
  void RunChange(Commit commit, Delivery delivery, const std::function<Hint()>& change);

  ComputeServices& Compute() const;
  // Saves the project when it must be, asking first unless `automatic`.
  bool EnsureSaved(bool automatic);
  // Points the job at the base path of the project file.
  void WriteBasePath();
  bool RunStage(EditingView& view, bool automatic, Stage stage);
  void SelectAndShow(EditingView& view, CShape& shape, const std::string& text);
  void ShowResultFile(DocumentPrograms::Result kind, const std::string& extension);

  static int s_openProjectCount;

  std::unique_ptr<CStructure> m_model;
  DocumentSettings m_settings;
  UndoStack m_undo;
  bool m_segmented = false;
  bool m_computed = false;
  ComputeJob m_job;
  // The job's BasePath points into it.
  std::string m_basePath;
  DocumentPrograms m_programs;
};

}  // namespace quor
