#include "editor/ui/dialogs/NewViaDefaults.h"

#include "editor/document/DocumentDialogs.h"
#include "editor/model/CStructure.h"

namespace quor {

namespace {

CLayer* LayerAt(const CStructure* structure, const std::optional<double>& z) {
  if (structure == nullptr || !z || !structure->HasLayerAtZ(*z)) return nullptr;
  return &structure->FindLayerByZ(*z);
}

std::optional<double> HeightOf(const CLayer* layer) {
  if (layer == nullptr) return std::nullopt;
  return layer->GetZ();
}

}  // namespace

void StartFromDefaults(const NewViaDefaults& defaults, ViaDialogValues& values) {
  values.radius = defaults.radius;
  values.solid = defaults.solid;
  values.top = LayerAt(values.structure, defaults.topZ);
  values.bottom = LayerAt(values.structure, defaults.bottomZ);
}

void RememberDefaults(NewViaDefaults& defaults, const ViaDialogValues& values) {
  defaults.radius = values.radius;
  defaults.solid = values.solid;
  defaults.topZ = HeightOf(values.top);
  defaults.bottomZ = HeightOf(values.bottom);
}

}  // namespace quor
