#include "editor/document/CCrtanjeDoc.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/frame.h>

#include <cassert>
#include <optional>
#include <stdexcept>

#include "editor/document/CCrtanjeDocTemplate.h"
#include "editor/document/DocumentCommands.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/EditingView.h"
#include "editor/document/MainFrameLink.h"
#include "editor/document/UpdateHintObject.h"
#include "platform/archive/ArchiveException.h"
#include "platform/error/TextError.h"

namespace quor {

wxIMPLEMENT_DYNAMIC_CLASS(CCrtanjeDoc, wxDocument);

// clang-format off
wxBEGIN_EVENT_TABLE(CCrtanjeDoc, wxDocument)
  EVT_MENU(kIdEditMetallization, CCrtanjeDoc::EditMetallization)
  EVT_MENU(kIdSettings, CCrtanjeDoc::OnSettings)
  EVT_MENU(kIdCheck, CCrtanjeDoc::OnCheck)
  EVT_UPDATE_UI(kIdCheck, CCrtanjeDoc::OnUpdateCompute)
  EVT_MENU(kIdSegment, CCrtanjeDoc::OnSegment)
  EVT_UPDATE_UI(kIdSegment, CCrtanjeDoc::OnUpdateCompute)
  EVT_MENU(kIdRun, CCrtanjeDoc::OnRun)
  EVT_UPDATE_UI(kIdRun, CCrtanjeDoc::OnUpdateRun)
  EVT_MENU(kIdAutoRun, CCrtanjeDoc::OnAutoRun)
  EVT_UPDATE_UI(kIdAutoRun, CCrtanjeDoc::OnUpdateCompute)
  EVT_MENU(kId3DView, CCrtanjeDoc::On3DView)
  EVT_UPDATE_UI(kId3DView, CCrtanjeDoc::OnUpdateRun)
  EVT_MENU(kIdCParameters, CCrtanjeDoc::OnCParameters)
  EVT_UPDATE_UI(kIdCParameters, CCrtanjeDoc::OnUpdateResultCommands)
  EVT_MENU(kIdCkt, CCrtanjeDoc::OnCkt)
  EVT_UPDATE_UI(kIdCkt, CCrtanjeDoc::OnUpdateResultCommands)
  EVT_MENU(kIdYParameters, CCrtanjeDoc::OnYParameters)
  EVT_UPDATE_UI(kIdYParameters, CCrtanjeDoc::OnUpdateResultCommands)
  EVT_MENU(kIdListResults, CCrtanjeDoc::ListResults)
  EVT_UPDATE_UI(kIdListResults, CCrtanjeDoc::OnUpdateResultCommands)
  EVT_MENU(kIdExport, CCrtanjeDoc::OnExport)
  EVT_UPDATE_UI(kIdUndo, CCrtanjeDoc::OnUpdateUndo)
  EVT_MENU(kIdRedo, CCrtanjeDoc::Redo)
  EVT_UPDATE_UI(kIdRedo, CCrtanjeDoc::OnUpdateRedo)
wxEND_EVENT_TABLE()
    // clang-format on

    namespace {
  std::string ToUtf8(const wxString& text) {
    return std::string(text.utf8_str());
  }

  // The main frame's message text says "Busy" while a stage runs, "Ready" after.
  class BusyMessage {
   public:
    BusyMessage() { Show("Busy"); }
    ~BusyMessage() { Show("Ready"); }
    BusyMessage(const BusyMessage&) = delete;
    BusyMessage& operator=(const BusyMessage&) = delete;

   private:
    static void Show(const char* text) {
      auto* frame = wxTheApp != nullptr ? wxDynamicCast(wxTheApp->GetTopWindow(), wxFrame) : nullptr;
      if (frame != nullptr && frame->GetStatusBar() != nullptr) frame->SetStatusText(text);
    }
  };

}  // namespace

CCrtanjeDoc::CCrtanjeDoc() = default;

CCrtanjeDoc::~CCrtanjeDoc() = default;

DocumentServices& CCrtanjeDoc::Services() const {
  auto* projects = dynamic_cast<CCrtanjeDocTemplate*>(GetDocumentTemplate());
  assert(projects && "project documents are made by the project template");
  return projects->GetServices();
}

bool CCrtanjeDoc::OnNewDocument() {
  if (RefuseBeyondProjectLimit()) return false;
  double length = 0.0;
  double width = 0.0;
  if (!PrepareNewProject(length, width)) return false;
  if (!wxDocument::OnNewDocument()) return false;
  InitNewProject(length, width);
  return true;
}

bool CCrtanjeDoc::OnOpenDocument(const wxString& path) {
  if (RefuseBeyondProjectLimit()) return false;
  if (!wxDocument::OnOpenDocument(path)) return false;
  AfterOpen(ToUtf8(path));
  return true;
}

bool CCrtanjeDoc::OnSaveDocument(const wxString& path) {
  const bool hadUnsavedChanges = IsModified();
  const std::string previousPath = GetProjectPath();
  if (!wxDocument::OnSaveDocument(path)) return false;
  AfterSave(ToUtf8(path), previousPath, hadUnsavedChanges);
  return true;
}

bool CCrtanjeDoc::SaveAs() {
  wxDocTemplate* docTemplate = GetDocumentTemplate();
  if (docTemplate == nullptr) return false;
  const wxFileName current(GetFilename());
  const wxString directory =
      current.GetPath().empty() ? GetDocumentManager()->GetLastDirectory() : current.GetPath();
  const wxString filter = docTemplate->GetDescription() + " (" + docTemplate->GetFileFilter() + ")|" +
                          docTemplate->GetFileFilter();
  wxFileDialog dialog(GetDocumentWindow(), _("Save As"), directory, current.GetFullName(), filter,
                      wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return false;
  const std::optional<std::string> path =
      CompleteChosenPath(ToUtf8(dialog.GetPath()), "." + ToUtf8(docTemplate->GetDefaultExtension()));
  if (!path || !OnSaveDocument(wxString::FromUTF8(*path))) return false;
  SetTitle(wxFileName(wxString::FromUTF8(*path)).GetFullName());
  // The views (and through them the main frame's title) learn the new name.
  SetFilename(wxString::FromUTF8(*path), true);
  if (docTemplate->FileMatchesTemplate(wxString::FromUTF8(*path))) {
    GetDocumentManager()->AddFileToHistory(wxString::FromUTF8(*path));
  }
  return true;
}

bool CCrtanjeDoc::OnCloseDocument() {
  Services().frame.SetStatusText("");
  // The viewer and the text windows of this project end with it.
  TerminatePrograms();
  return wxDocument::OnCloseDocument();
}

bool CCrtanjeDoc::DoOpenDocument(const wxString& path) {
  try {
    LoadProjectFile(ToUtf8(path));
  } catch (const std::runtime_error& e) {  // TextError and ArchiveException
    ShowMessage(e.what());
    return false;
  }
  return true;
}

bool CCrtanjeDoc::DoSaveDocument(const wxString& path) {
  try {
    SaveProjectFile(ToUtf8(path));
  } catch (const std::runtime_error& e) {  // ArchiveException, and TextError for a value no file holds
    ShowMessage(e.what());
    return false;
  }
  return true;
}

void CCrtanjeDoc::SetProjectModified(bool modified) {
  Modify(modified);
}

bool CCrtanjeDoc::IsProjectModified() const {
  return IsModified();
}

void CCrtanjeDoc::UpdateProjectViews(const Hint& hint) {
  UpdateHintObject object(hint);
  UpdateAllViews(nullptr, &object);
}

void CCrtanjeDoc::CancelHeldGestures() {
  for (wxView* view : GetViewsVector()) {
    if (auto* editing = dynamic_cast<EditingView*>(view)) editing->CancelHeldGesture();
  }
}

std::string CCrtanjeDoc::GetProjectPath() const {
  // A new project carries a made-up name until it is first saved.
  return GetDocumentSaved() ? ToUtf8(GetFilename()) : std::string();
}

bool CCrtanjeDoc::SaveProject() {
  return Save();
}

void CCrtanjeDoc::SetModifiedAndUpdate(wxView* sender, const Hint& hint) {
  Modify(true);
  UpdateHintObject object(hint);
  UpdateAllViews(sender, &object);
}

template <typename Command>
void CCrtanjeDoc::ShowingRefusals(Command command) {
  try {
    command();
  } catch (const TextError& e) {
    ShowMessage(e.Text());
  }
}

void CCrtanjeDoc::EditMetallization(wxCommandEvent&) {
  ShowingRefusals([this] { ProjectDocument::EditMetallization(); });
}

void CCrtanjeDoc::OnSettings(wxCommandEvent&) {
  ShowingRefusals([this] { ProjectDocument::OnSettings(); });
}

void CCrtanjeDoc::Redo(wxCommandEvent&) {
  ShowingRefusals([this] { ProjectDocument::Redo(); });
}

EditingView* CCrtanjeDoc::CommandView() const {
  // A project has one view, and its commands reach the document through it.
  return dynamic_cast<EditingView*>(GetFirstView());
}

void CCrtanjeDoc::OnCheck(wxCommandEvent&) {
  if (EditingView* view = CommandView()) Check(*view, false, false);
}

template <typename Command>
void CCrtanjeDoc::WhileBusy(Command command) {
  EditingView* view = CommandView();
  if (view == nullptr) return;
  const BusyMessage busy;
  command(*view);
}

void CCrtanjeDoc::OnSegment(wxCommandEvent&) {
  WhileBusy([this](EditingView& view) { Segment(view, false); });
}

void CCrtanjeDoc::OnRun(wxCommandEvent&) {
  WhileBusy([this](EditingView& view) { Run(view, false); });
}

void CCrtanjeDoc::OnAutoRun(wxCommandEvent&) {
  WhileBusy([this](EditingView& view) { AutoRun(view); });
}

void CCrtanjeDoc::On3DView(wxCommandEvent&) {
  ProjectDocument::On3DView();
}

void CCrtanjeDoc::OnCParameters(wxCommandEvent&) {
  ProjectDocument::OnCParameters();
}

void CCrtanjeDoc::OnCkt(wxCommandEvent&) {
  ProjectDocument::OnCkt();
}

void CCrtanjeDoc::OnYParameters(wxCommandEvent&) {
  ProjectDocument::OnYParameters();
}

void CCrtanjeDoc::ListResults(wxCommandEvent&) {
  ProjectDocument::ListResults();
}

void CCrtanjeDoc::OnExport(wxCommandEvent&) {
  ProjectDocument::OnExport();
}

void CCrtanjeDoc::OnUpdateCompute(wxUpdateUIEvent& event) {
  event.Enable(CommandView() != nullptr);
}

void CCrtanjeDoc::OnUpdateRun(wxUpdateUIEvent& event) {
  event.Enable(CanRun());
}

void CCrtanjeDoc::OnUpdateResultCommands(wxUpdateUIEvent& event) {
  event.Enable(CanShowResults());
}

void CCrtanjeDoc::OnUpdateUndo(wxUpdateUIEvent& event) {
  event.Enable(CanUndo());
}

void CCrtanjeDoc::OnUpdateRedo(wxUpdateUIEvent& event) {
  event.Enable(CanRedo());
}

}  // namespace quor
