// What the user states about the layers of an imported drawing: the names,
// the height and relative permittivity of each layer, and the drawing's
// length unit (0 mm, 1 m, 2 inch, 3 mil).
#pragma once

#include <string>
#include <vector>

namespace quor {

struct ImportDxfLayerValues {
  std::vector<std::string> names;
  std::vector<double> heights;  // in the drawing's unit
  std::vector<double> permittivities;
  int unit = 0;
};

}  // namespace quor
