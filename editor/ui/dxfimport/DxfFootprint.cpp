#include "editor/ui/dxfimport/DxfFootprint.h"

#include <cmath>

#include "platform/error/TextError.h"

namespace quor {

namespace {

constexpr std::size_t kMaxLayers = 10;

}  // namespace

DxfFootprint PlaceInFootprint(DxfDrawing& drawing) {
  const DxfBox& box = drawing.drawing;
  if (!drawing.frameSeen) {
    // A margin of the drawing's width, in whole drawing units, on every side.
    const double margin = std::trunc(std::abs(box.maxX - box.minX));
    drawing.frame = {box.minX - margin, box.minY - margin, box.maxX + margin, box.maxY + margin};
  }
  const DxfBox& frame = drawing.frame;
  if (box.minX < frame.minX || box.minY < frame.minY || box.maxX > frame.maxX || box.maxY > frame.maxY) {
    throw TextError("Drawing is not completely in the footprint");
  }
  for (DxfDrawingLayer& layer : drawing.layers) {
    for (DxfPolygon& polygon : layer.polygons) {
      for (DxfPoint& node : polygon.nodes) {
        node.x -= frame.minX;
        node.y -= frame.minY;
      }
    }
  }
  for (DxfVia& via : drawing.vias) {
    via.x -= frame.minX;
    via.y -= frame.minY;
  }
  if (drawing.layers.empty() || drawing.layers.size() > kMaxLayers) {
    throw TextError("Number of layers greater than 10 or less than 1");
  }
  const DxfFootprint footprint{frame.maxX - frame.minX, frame.maxY - frame.minY};
  // Coordinates near the ends of double give a footprint no number holds.
  if (!std::isfinite(footprint.width) || !std::isfinite(footprint.height))
    throw TextError("Invalid DXF file");
  // A footprint without area would give the project a grid spacing of 0.
  if (!(footprint.width > 0.0)) throw TextError("Footprint length must be positive");
  if (!(footprint.height > 0.0)) throw TextError("Footprint width must be positive");
  return footprint;
}

}  // namespace quor
