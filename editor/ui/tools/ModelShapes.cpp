#include "editor/ui/tools/ModelShapes.h"

#include <algorithm>

#include "editor/model/CLayer.h"
#include "editor/model/CStructure.h"

namespace quor {

namespace {

bool Holds(const CLayer& layer, const CShape* shape) {
  const auto& shapes = layer.GetShapes();
  return std::any_of(shapes.begin(), shapes.end(), [shape](const auto& held) { return held.get() == shape; });
}

}  // namespace

bool LayerHoldsShape(const CStructure& model, double z, const CShape* shape) {
  return model.HasLayerAtZ(z) && Holds(model.FindLayerByZ(z), shape);
}

bool ModelHoldsShape(const CStructure& model, const CShape* shape) {
  const auto& layers = model.GetLayers();
  return std::any_of(layers.begin(), layers.end(),
                     [shape](const auto& layer) { return Holds(*layer, shape); });
}

}  // namespace quor
