// Everything one converter run works on: the model, the colour table and the
// writer's running values. One instance per run, owned by the driver.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dxfconv/ColourTable.h"
#include "dxfconv/ConverterModel.h"
#include "dxfconv/DxfNumbers.h"

namespace quor::dxfconv {

struct ConverterRecord {
  ConverterModel model;
  ColourTable colours;

  // The next DXF handle to give out; taken from the drawing template's seed.
  std::int64_t nextHandle = 0;
  // Drawing extents gathered while the entities are written.
  double xmin = 0;
  double xmax = 0;
  double ymin = 0;
  double ymax = 0;
  // The DXF layer name of each model layer, shared by the layer table and the entities.
  std::vector<std::string> layerNames;

  // The handle for the next record written, in hexadecimal.
  std::string TakeHandle() { return FormatHandle(nextHandle++); }
};

}  // namespace quor::dxfconv
