// What the next new via starts from: the radius, the solid flag and the layers
// of the last via made through the Via dialog, one record for the whole
// editor. The layers are kept by height and found again when the dialog
// opens, since a layer kept by itself may have gone since (deleted, undone,
// or its project closed).
#pragma once

#include <optional>

namespace quor {

struct ViaDialogValues;

struct NewViaDefaults {
  double radius = 1.0;  // display units
  bool solid = false;
  std::optional<double> topZ;
  std::optional<double> bottomZ;
};

// Radius, solid flag and the layers at the remembered heights (none where the
// structure has no layer there).
void StartFromDefaults(const NewViaDefaults& defaults, ViaDialogValues& values);
void RememberDefaults(NewViaDefaults& defaults, const ViaDialogValues& values);

}  // namespace quor
