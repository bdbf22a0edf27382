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
  const std::optional<std::string> target = CompleteChosenPath(*chosen, ".dxf");
  if (!target) return;
  ShowMessage(DxfExport(Compute().programDirectory).Run(*m_model, m_settings, *target));
}

std::optional<std::string> ProjectDocument::CompleteChosenPath(std::string chosen,
                                                               const std::string& extension) const {
  if (chosen.ends_with(extension + extension)) chosen.resize(chosen.size() - extension.size());
  if (HasExtension(chosen)) return chosen;
  chosen += extension;
  const std::string name = chosen.substr(chosen.rfind('/') + 1);
  if (FileExists(chosen) &&
      !Services().messages.AskOkCancel(name + " already exists.\nDo you want to replace it?")) {
    return std::nullopt;
  }
  return chosen;
}

}  // namespace quor
