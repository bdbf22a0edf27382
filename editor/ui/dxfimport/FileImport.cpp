#include "editor/ui/dxfimport/FileImport.h"

#include <wx/docview.h>
#include <wx/filedlg.h>
#include <wx/frame.h>

#include <filesystem>

#include "editor/document/MessageBoxes.h"
#include "editor/document/WxMessageBoxes.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/dxfimport/CDlgImportDxf.h"
#include "editor/ui/dxfimport/ImportDxf.h"
#include "platform/error/TextError.h"

namespace quor {

void BindFileImport(wxFrame& frame) {
  frame.Bind(
      wxEVT_MENU,
      [&frame](wxCommandEvent&) {
        WxMessageBoxes messages;
        OnFileImport(&frame, *wxDocManager::GetDocumentManager(), messages);
      },
      cmd::kFileImport);
}

void OnFileImport(wxWindow* parent, wxDocManager& manager, MessageBoxes& messages) {
  wxFileDialog dialog(parent, wxFileSelectorPromptStr, wxEmptyString, wxEmptyString, "DXF (*.dxf)|*.dxf",
                      wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (dialog.ShowModal() != wxID_OK) return;
  ImportDxfFile(dialog.GetPath().utf8_string(), parent, manager, messages);
}

void ImportDxfFile(const std::string& path, wxWindow* parent, wxDocManager& manager, MessageBoxes& messages) {
  // Case-sensitive, as the drawing's own name says.
  if (std::filesystem::path(path).extension() != ".dxf") {
    messages.ShowMessage("Invalid DXF file");
    return;
  }
  bool written = false;
  try {
    written = ImportDxf(path, [&](ImportDxfLayerValues& values) {
      CDlgImportDxf dialog(parent, messages);
      dialog.SetLayers(values);
      return dialog.ShowModal() == wxID_OK;
    });
  } catch (const TextError& error) {
    messages.ShowMessage(error.Text());
    return;
  }
  // After Cancel there is no new project to open.
  if (!written) return;
  manager.CreateDocument(wxString::FromUTF8(ImportedProjectPath(path).string()), wxDOC_SILENT);
}

}  // namespace quor
