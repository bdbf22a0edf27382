// File Export: the project as a DXF drawing, made by the converter program.
#include "editor/document/ComputeServices.h"
#include "editor/document/ComputeWindows.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/DxfExport.h"
#include "editor/document/ProjectDocument.h"
#include "editor/document/ResultFiles.h"

namespace quor {

void ProjectDocument::OnExport() {
  const std::string path = GetProjectPath();
  // The project's own name, without its directory and extension.
  const std::string proposed = BasePathOf(path.substr(path.rfind('/') + 1));
  const std::optional<std::string> target = Compute().windows.AskExportPath(proposed);
  if (!target) return;
  ShowMessage(DxfExport(Compute().programDirectory).Run(*m_model, m_settings, *target));
}

}  // namespace quor
