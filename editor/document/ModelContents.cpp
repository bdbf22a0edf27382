#include "editor/document/ModelContents.h"

#include <algorithm>
#include <unordered_set>

#include "editor/model/CStructure.h"

namespace quor {

namespace {

std::unordered_set<const CShape*> ShapesOf(const CStructure& model) {
  std::unordered_set<const CShape*> shapes;
  for (const auto& layer : model.GetLayers()) {
    for (const auto& polygon : layer->GetShapes()) shapes.insert(polygon.get());
  }
  for (const auto& via : model.GetVias()) shapes.insert(via.get());
  return shapes;
}

bool Names(const Hint& hint, const CShape* shape, const CLayer* layer) {
  switch (hint.Code()) {
    case UpdateHint::HintRemoveObject:
    case UpdateHint::HintDeleteVia:
      return hint.RemovedObject() == shape;
    case UpdateHint::HintLayerDeleted:
      // The layer's own polygons go with its entry.
      return layer != nullptr && hint.RemovedLayer() == layer;
    case UpdateHint::HintDeleteObjects: {
      const HintDeletedObjects& deleted = hint.DeletedObjects();
      return std::find(deleted.objects, deleted.objects + deleted.count, shape) !=
             deleted.objects + deleted.count;
    }
    default:
      return false;
  }
}

}  // namespace

ModelContents::ModelContents(const CStructure& model) {
  for (const auto& layer : model.GetLayers()) {
    for (const auto& polygon : layer->GetShapes()) m_held.push_back({polygon.get(), layer.get()});
  }
  for (const auto& via : model.GetVias()) m_held.push_back({via.get(), nullptr});
}

std::vector<Hint> ModelContents::RemovalsNotNamed(const CStructure& model, const Hint& hint) const {
  if (hint == UpdateHint::HintReload) return {};
  const std::unordered_set<const CShape*> kept = ShapesOf(model);
  std::vector<Hint> removals;
  for (const Held& held : m_held) {
    if (kept.contains(held.shape) || Names(hint, held.shape, held.layer)) continue;
    // Only the address is used from here on.
    removals.push_back(held.layer == nullptr ? Hint::DeleteVia(*held.shape)
                                             : Hint::RemoveObject(*held.shape));
  }
  return removals;
}

}  // namespace quor
