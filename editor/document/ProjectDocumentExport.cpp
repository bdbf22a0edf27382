// File Export: the project as a DXF drawing, made by the converter program.
#include "editor/document/ComputeServices.h"
#include "editor/document/ComputeWindows.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/DxfExport.h"
#include "editor/document/MessageBoxes.h"
#include "editor/document/ProjectDocument.h"
#include "editor/document/ResultFiles.h"

namespace quor {

void ProjectDocument::OnExport() {
  const std::string path = GetProjectPath();
  // The project's own name, without its directory and extension.
  const std::string proposed = BasePathOf(path.substr(path.rfind('/') + 1));
  const std::optional<std::string> chosen = Compute().windows.AskExportPath(proposed);
  if (!chosen) return;
  std::string target = *chosen;
  // A bare name gets the drawing's extension; the dialog asked about
  // overwriting only the name as typed.
  if (!HasExtension(target)) {
    target += ".dxf";
    const std::string name = target.substr(target.rfind('/') + 1);
    if (FileExists(target) &&
        !Services().messages.AskOkCancel(name + " already exists.\nDo you want to replace it?")) {
      return;
    }
  }
  ShowMessage(DxfExport(Compute().programDirectory).Run(*m_model, m_settings, target));
}

}  // namespace quor
