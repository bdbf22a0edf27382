// The document's edit operations that need no dialog: each goes through
// ChangeModel with its hint.
#include <cassert>

#include "editor/document/ProjectDocument.h"
#include "editor/model/CStructure.h"
#include "editor/model/Point3.h"
#include "platform/error/TextError.h"

namespace quor {

namespace {

template <typename Shape>
std::unique_ptr<Shape> CloneAs(const Shape& shape) {
  std::unique_ptr<CShape> clone = shape.Clone();
  assert(dynamic_cast<Shape*>(clone.get()) && "a clone has the kind of its original");
  return std::unique_ptr<Shape>(static_cast<Shape*>(clone.release()));
}

template <typename Shape>
std::unique_ptr<Shape> Downcast(std::unique_ptr<CShape> shape) {
  return std::unique_ptr<Shape>(static_cast<Shape*>(shape.release()));
}

}  // namespace

CVia& ProjectDocument::AddObjectCopy(const CVia& via) {
  CVia* added = nullptr;
  ChangeModel(UpdateHint::HintAddObject, Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> const void* {
    added = &m_model->AddVia(CloneAs(via));
    return added;
  });
  return *added;
}

CConductorPolygon& ProjectDocument::AddObjectCopyAt(double z, const CConductorPolygon& polygon) {
  HintObjectAtZ payload{z, nullptr};
  ChangeModel(UpdateHint::HintAddObjectAt, Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> const void* {
    payload.object = &m_model->AddNewShapeAtZ(z, CloneAs(polygon));
    return &payload;
  });
  return static_cast<CConductorPolygon&>(*payload.object);
}

std::vector<CShape*> ProjectDocument::PasteObjects(std::vector<ClipboardObject> objects, double z) {
  std::vector<CShape*> pasted;
  HintPastedObjects payload{z, nullptr, 0};
  ChangeModel(UpdateHint::HintPasteObjects, Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> const void* {
    // Every object must find its layers here before anything is pasted; a
    // via's old layer pointers may point into a project that is gone.
    for (const ClipboardObject& object : objects) {
      if (object.shape->GetType() == CShape::kConductorPolygon) m_model->FindLayerByZ(z);
      if (object.shape->GetType() != CShape::kVia) continue;
      m_model->FindLayerByZ(object.topZ);
      m_model->FindLayerByZ(object.bottomZ);
    }
    for (ClipboardObject& object : objects) {
      switch (object.shape->GetType()) {
        case CShape::kConductorPolygon: {
          auto polygon = Downcast<CConductorPolygon>(std::move(object.shape));
          if (polygon->GetZ() != z) polygon->SetZ(z);
          pasted.push_back(&m_model->AddNewShapeAtZ(z, std::move(polygon)));
          break;
        }
        case CShape::kVia: {
          auto via = Downcast<CVia>(std::move(object.shape));
          via->SetLayers(&m_model->FindLayerByZ(object.topZ), &m_model->FindLayerByZ(object.bottomZ));
          pasted.push_back(&m_model->AddVia(std::move(via)));
          break;
        }
        default:
          break;  // layers hold no other kind
      }
    }
    payload.objects = pasted.data();
    payload.count = static_cast<std::int32_t>(pasted.size());
    return &payload;
  });
  return pasted;
}

void ProjectDocument::DeleteObjects(const std::vector<CShape*>& objects) {
  const std::vector<const CShape*> identities(objects.begin(), objects.end());
  const HintDeletedObjects payload{identities.data(), static_cast<std::int32_t>(identities.size())};
  ChangeModel(UpdateHint::HintDeleteObjects, Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> const void* {
    for (CShape* object : objects) {
      if (object->GetType() == CShape::kVia) {
        m_model->RemoveVia(object);
      } else {
        m_model->RemoveShapeAtZ(object->GetZ(), object);
      }
    }
    return &payload;
  });
}

void ProjectDocument::DeleteVia(CVia& via) {
  ChangeModel(UpdateHint::HintDeleteVia, Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> const void* {
    m_model->RemoveVia(&via);
    return &via;
  });
}

void ProjectDocument::RemoveObjectAt(double z, CConductorPolygon& polygon, Snapshot snapshot) {
  ChangeModel(UpdateHint::HintRemoveObject, snapshot, Delivery::ViewsAndFrame, [&]() -> const void* {
    m_model->RemoveShapeAtZ(z, &polygon);
    return &polygon;
  });
}

void ProjectDocument::MoveObjectToLayer(CConductorPolygon& polygon, double z) {
  // A missing target layer must refuse the move before the polygon is taken
  // off its own layer, or the polygon would be lost.
  m_model->FindLayerByZ(z);
  HintObjectAtZ payload{z, &polygon};
  ChangeModel(UpdateHint::HintAddObjectAt, Snapshot::None, Delivery::ViewsAndFrame, [&]() -> const void* {
    auto taken = m_model->RemoveShapeAtZ(polygon.GetZ(), &polygon);
    taken->SetZ(z);
    m_model->AddShapeAtZ(z, std::move(taken));
    NotifyViews(UpdateHint::HintRemoveObject, &polygon);
    return &payload;
  });
}

void ProjectDocument::DeleteLayer(double z) {
  if (z == 0.0) throw TextError("Layer z=0 cannot be deleted");
  ChangeModel(UpdateHint::HintLayerDeleted, Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> const void* {
    CLayer& layer = m_model->FindLayerByZ(z);
    const HintLayerObjects before{&layer, layer.GetShapeCount()};
    NotifyViews(UpdateHint::HintBeforeLayerDelete, &before);
    // The vias that join the layer go with it, in this same undo step.
    m_model->RemoveLayerAtZ(z);
    return &layer;
  });
}

void ProjectDocument::SetLayerColor(double z, COLORREF colour) {
  ChangeModel(UpdateHint::HintLayerColor, Snapshot::None, Delivery::ViewsAndFrame, [&]() -> const void* {
    m_model->FindLayerByZ(z).colour = colour;
    return nullptr;
  });
}

void ProjectDocument::SetLayerVisible(double z, bool visible) {
  ChangeModel(UpdateHint::HintLayerVisible, Snapshot::None, Delivery::ViewsAndFrame, [&]() -> const void* {
    m_model->FindLayerByZ(z).visible = visible;
    return &z;
  });
}

void ProjectDocument::SetLayerLocked(double z, bool locked) {
  ChangeModel(UpdateHint::HintLayerLocked, Snapshot::None, Delivery::ViewsAndFrame, [&]() -> const void* {
    m_model->FindLayerByZ(z).locked = locked;
    return &z;
  });
}

COLORREF ProjectDocument::GetLayerColor(double z) const {
  return m_model->FindLayerByZ(z).colour;
}

void ProjectDocument::BringToFront(CShape& shape) {
  ChangeModel(UpdateHint::HintBringToFront, Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> const void* {
    m_model->BringToFront(shape);
    return &shape;
  });
}

void ProjectDocument::SendToBack(CShape& shape) {
  ChangeModel(UpdateHint::HintSendToBack, Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> const void* {
    m_model->SendToBack(shape);
    return &shape;
  });
}

void ProjectDocument::ScaleObject(const std::vector<CShape*>& objects, const Point3& anchor,
                                  const Point3& oldCorner, const Point3& newCorner) {
  if (objects.empty()) return;
  // Only polylines and polygons have corner handles to scale by.
  auto* polyline = dynamic_cast<CPolyline*>(objects.front());
  if (polyline == nullptr) return;
  ChangeModel(UpdateHint::HintObjectScaled, Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> const void* {
    polyline->Scale(anchor, newCorner, oldCorner);
    return nullptr;
  });
}

}  // namespace quor
