// The editor's document: a project on wx's document/view. The project itself
// is the toolkit-free ProjectDocument; this class adds the framework's new,
// open, save and close, the modified flag, the views and the document's
// commands.
#pragma once

#include <wx/docview.h>

#include "editor/document/ProjectDocument.h"

namespace quor {

class CCrtanjeDoc : public wxDocument, public ProjectDocument {
 public:
  CCrtanjeDoc();
  ~CCrtanjeDoc() override;

  bool OnNewDocument() override;
  bool OnOpenDocument(const wxString& path) override;
  bool OnSaveDocument(const wxString& path) override;
  // The chosen name gets one ".qlx": a bare name gets it, a doubled one
  // loses one.
  bool SaveAs() override;
  bool OnCloseDocument() override;

  using ProjectDocument::SetModifiedAndUpdate;
  // Marks the project modified and updates every view but the sender.
  void SetModifiedAndUpdate(wxView* sender, const Hint& hint);

 protected:
  bool DoOpenDocument(const wxString& path) override;
  bool DoSaveDocument(const wxString& path) override;

  void SetProjectModified(bool modified) override;
  bool IsProjectModified() const override;
  void UpdateProjectViews(const Hint& hint) override;
  DocumentServices& Services() const override;
  std::string GetProjectPath() const override;
  bool SaveProject() override;
  void CancelHeldGestures() override;

 private:
  void EditMetallization(wxCommandEvent& event);
  void OnSettings(wxCommandEvent& event);
  void Redo(wxCommandEvent& event);
  void OnCheck(wxCommandEvent& event);
  void OnSegment(wxCommandEvent& event);
  void OnRun(wxCommandEvent& event);
  void OnAutoRun(wxCommandEvent& event);
  void On3DView(wxCommandEvent& event);
  void OnCParameters(wxCommandEvent& event);
  void OnCkt(wxCommandEvent& event);
  void OnYParameters(wxCommandEvent& event);
  void ListResults(wxCommandEvent& event);
  void OnExport(wxCommandEvent& event);
  void OnUpdateCompute(wxUpdateUIEvent& event);
  void OnUpdateRun(wxUpdateUIEvent& event);
  void OnUpdateResultCommands(wxUpdateUIEvent& event);
  void OnUpdateUndo(wxUpdateUIEvent& event);
  void OnUpdateRedo(wxUpdateUIEvent& event);

  // The view that gave a compute command; null while the project's view
  // cannot select what an error names.
  EditingView* CommandView() const;
  // Runs a stage command for the view with "Busy" in the status bar.
  template <typename Command>
  void WhileBusy(Command command);

  // Runs a command and shows the text of a refusal.
  template <typename Command>
  void ShowingRefusals(Command command);

  wxDECLARE_DYNAMIC_CLASS(CCrtanjeDoc);
  wxDECLARE_EVENT_TABLE();
};

}  // namespace quor
