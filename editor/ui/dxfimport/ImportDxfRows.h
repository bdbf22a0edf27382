// The checks of the Import DXF dialog on the texts of its layer rows, kept
// apart from the window so that they run without a display.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/ui/dxfimport/ImportDxfLayerValues.h"

namespace quor {

struct ImportDxfRow {
  std::string name;
  std::string er;
  std::string z;
};

// Stores each row's name (cut to 50 characters), z and permittivity into
// `values` as it goes and returns the text of the first failure, if any; the
// rows checked before a failure keep what was stored. Each z is in `unit` and
// must stay a number a project holds once converted to internal units.
std::optional<std::string> CheckImportDxfRows(const std::vector<ImportDxfRow>& rows, int unit,
                                              ImportDxfLayerValues& values);

// "Z [mm]" and so on for the unit index; nothing for an index outside the table.
std::optional<std::string> ImportDxfZHeading(int unit);

}  // namespace quor
