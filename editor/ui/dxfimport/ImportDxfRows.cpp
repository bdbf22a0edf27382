#include "editor/ui/dxfimport/ImportDxfRows.h"

#include <algorithm>

#include "editor/model/CLayer.h"
#include "editor/model/LeadingNumber.h"
#include "editor/model/LengthUnits.h"
#include "editor/model/StorableValues.h"
#include "editor/ui/dialogs/DialogNumbers.h"

namespace quor {

namespace {

constexpr const char* kFillAll = "Please fill all fields";
constexpr const char* kErNotAboveZero = "Substrate relative permittivity is less or equal 0";

std::optional<std::string> CheckRow(const ImportDxfRow& row, std::size_t index, double unitFactor,
                                    ImportDxfLayerValues& values) {
  if (row.name.empty()) return kFillAll;
  if (!CLayer::IsTypableName(row.name)) return CLayer::kControlCharacterInNameText;
  values.names[index] = row.name.substr(0, CLayer::kMaxNameLength);
  if (row.z.empty()) return kFillAll;
  const std::optional<double> z = ReadLeadingNumber(row.z);
  if (!z || !IsStorableNumber(*z * unitFactor)) return kEnterNumberText;
  values.heights[index] = *z;
  if (*z < 0.0) return "Height is less than zero";
  if (row.er.empty()) return kFillAll;
  const std::optional<double> er = ReadLeadingNumber(row.er);
  if (!er) return kErNotAboveZero;
  values.permittivities[index] = *er;
  if (*er <= 0.0) return kErNotAboveZero;
  if (z == 0.0 && er != 1.0) return "For layer z=0, substrate relative permittivity must be 1";
  return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckImportDxfRows(const std::vector<ImportDxfRow>& rows, int unit,
                                              ImportDxfLayerValues& values) {
  const double unitFactor = IsValidLengthUnit(unit) ? LengthUnitFactor(unit) : 1.0;
  values.names.resize(rows.size());
  values.heights.resize(rows.size());
  values.permittivities.resize(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (auto failure = CheckRow(rows[i], i, unitFactor, values)) return failure;
  }
  std::vector<double> sorted = values.heights;
  std::sort(sorted.begin(), sorted.end());
  if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
    return "Two layers cannot be on the same height";
  }
  // Also the answer for no rows at all: a project needs its z = 0 layer.
  if (std::find(sorted.begin(), sorted.end(), 0.0) == sorted.end()) return "One layer must have z=0";
  return std::nullopt;
}

std::optional<std::string> ImportDxfZHeading(int unit) {
  if (!IsValidLengthUnit(unit)) return std::nullopt;
  return std::string("Z [") + LengthUnitName(unit) + "]";
}

}  // namespace quor
