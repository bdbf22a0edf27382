// The values a project file may hold. Its reader refuses a file with any
// other and its writer refuses to write one, so that a saved project always
// opens again; the dialogs take nothing else from the user.
#pragma once

#include "editor/model/Point3.h"

namespace quor {

// Coordinates, heights, permittivities and radii: any finite number.
bool IsStorableNumber(double value);
bool IsStorablePoint(const Point3& point);

// The footprint's sides and the grid spacing divide: finite and above zero.
bool IsStorableSize(double value);

// Layers are stored bottom first and found by height: each strictly above the one before.
bool IsStorableLayerOrder(double lowerZ, double upperZ);

}  // namespace quor
