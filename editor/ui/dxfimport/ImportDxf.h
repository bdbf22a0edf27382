// Turns a DXF drawing into a project file beside it (same name, extension
// ".qlx"), with the heights, permittivities and unit that the user gives.
#pragma once

#include <filesystem>
#include <functional>

#include "editor/ui/dxfimport/ImportDxfLayerValues.h"

namespace quor {

// Shows the layer names (prefilled in `values`) to the user and fills in the
// rest; false when the user cancels.
using ImportDxfAsker = std::function<bool(ImportDxfLayerValues& values)>;

// The project file an import of `dxfPath` writes. TextError("Could not
// rename DXF file") for a file name without an extension.
std::filesystem::path ImportedProjectPath(const std::filesystem::path& dxfPath);

// True when the project file was written, false when the user cancelled.
// Every failure is a TextError with the text to show; nothing is written then.
bool ImportDxf(const std::filesystem::path& dxfPath, const ImportDxfAsker& ask);

}  // namespace quor
