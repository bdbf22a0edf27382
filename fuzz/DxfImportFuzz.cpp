// A DXF drawing as File > Import reads it, with every layer given a height of
// its own: a project it writes must open in the editor.
#include <cstddef>
#include <cstdint>
#include <exception>

#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/QlxProjectFile.h"
#include "editor/ui/dxfimport/ImportDxf.h"
#include "fuzz/FuzzSupport.h"
#include "platform/error/TextError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quor;
  const std::filesystem::path drawing = fuzz::WriteScratchFile("drawing.dxf", data, size);
  const std::filesystem::path project = ImportedProjectPath(drawing);
  std::filesystem::remove(project);
  bool written = false;
  try {
    written = ImportDxf(drawing, [](ImportDxfLayerValues& values) {
      for (std::size_t i = 0; i < values.heights.size(); ++i) {
        values.heights[i] = 160.0 * static_cast<double>(i);
        values.permittivities[i] = 1.0 + static_cast<double>(i);
      }
      values.unit = 0;
      return true;
    });
  } catch (const TextError&) {
    if (std::filesystem::exists(project)) fuzz::Broken("a refused import wrote a project");
    return 0;
  }
  if (!written) fuzz::Broken("an accepted import wrote nothing");
  DocumentSettings settings;
  CStructure structure;
  try {
    LoadQlxProjectFile(project, settings, structure);
  } catch (const std::exception& error) {
    fuzz::Broken(std::string("an imported project does not open: ") + error.what());
  }
  return 0;
}
