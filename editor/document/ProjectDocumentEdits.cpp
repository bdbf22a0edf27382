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
  ChangeModel(Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> Hint {
    added = &m_model->AddVia(CloneAs(via));
    return Hint::AddObject(*added);
  });
  return *added;
}

CConductorPolygon& ProjectDocument::AddObjectCopyAt(double z, const CConductorPolygon& polygon) {
  HintObjectAtZ payload{z, nullptr};
  ChangeModel(Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> Hint {
    payload.object = &m_model->AddNewShapeAtZ(z, CloneAs(polygon));
    return Hint::AddObjectAt(payload);
  });
  return static_cast<CConductorPolygon&>(*payload.object);
}

std::vector<CShape*> ProjectDocument::PasteObjects(std::vector<ClipboardObject> objects, double z) {
  std::vector<CShape*> pasted;
  HintPastedObjects payload{z, nullptr, 0};
  ChangeModel(Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> Hint {
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
    return Hint::PasteObjects(payload);
  });
  return pasted;
}

void ProjectDocument::DeleteObjects(const std::vector<CShape*>& objects) {
  const std::vector<const CShape*> identities(objects.begin(), objects.end());
  const HintDeletedObjects payload{identities.data(), static_cast<std::int32_t>(identities.size())};
  ChangeModel(Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> Hint {
    for (CShape* object : objects) {
      if (object->GetType() == CShape::kVia) {
        m_model->RemoveVia(object);
      } else {
        m_model->RemoveShapeAtZ(object->GetZ(), object);
      }
    }
    return Hint::DeleteObjects(payload);
  });
}

void ProjectDocument::DeleteVia(CVia& via) {
  ChangeModel(Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> Hint {
    m_model->RemoveVia(&via);
    return Hint::DeleteVia(via);
  });
}

void ProjectDocument::RemoveObjectAt(double z, CConductorPolygon& polygon, Snapshot snapshot) {
  ChangeModel(snapshot, Delivery::ViewsAndFrame, [&]() -> Hint {
    m_model->RemoveShapeAtZ(z, &polygon);
    return Hint::RemoveObject(polygon);
  });
}

void ProjectDocument::MoveObjectToLayer(CConductorPolygon& polygon, double z) {
  // A missing target layer must refuse the move before the polygon is taken
  // off its own layer, or the polygon would be lost.
  m_model->FindLayerByZ(z);
  HintObjectAtZ payload{z, &polygon};
  ChangeModel(Snapshot::None, Delivery::ViewsAndFrame, [&]() -> Hint {
    auto taken = m_model->RemoveShapeAtZ(polygon.GetZ(), &polygon);
    taken->SetZ(z);
    m_model->AddShapeAtZ(z, std::move(taken));
    NotifyViews(Hint::RemoveObject(polygon));
    return Hint::AddObjectAt(payload);
  });
}

void ProjectDocument::DeleteLayer(double z) {
  if (z == 0.0) throw TextError("Layer z=0 cannot be deleted");
  ChangeModel(Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> Hint {
    CLayer& layer = m_model->FindLayerByZ(z);
    const HintLayerObjects before{&layer, layer.GetShapeCount()};
    NotifyViews(Hint::BeforeLayerDelete(before));
    // The vias that join the layer go with it, in this same undo step.
    m_model->RemoveLayerAtZ(z);
    return Hint::LayerDeleted(layer);
  });
}

void ProjectDocument::SetLayerColor(double z, COLORREF colour) {
  ChangeModel(Snapshot::None, Delivery::ViewsAndFrame, [&]() -> Hint {
    m_model->FindLayerByZ(z).colour = colour;
    return UpdateHint::HintLayerColor;
  });
}

void ProjectDocument::SetLayerVisible(double z, bool visible) {
  ChangeModel(Snapshot::None, Delivery::ViewsAndFrame, [&]() -> Hint {
    m_model->FindLayerByZ(z).visible = visible;
    return Hint::LayerVisible(z);
  });
}

void ProjectDocument::SetLayerLocked(double z, bool locked) {
  ChangeModel(Snapshot::None, Delivery::ViewsAndFrame, [&]() -> Hint {
    m_model->FindLayerByZ(z).locked = locked;
    return Hint::LayerLocked(z);
  });
}

COLORREF ProjectDocument::GetLayerColor(double z) const {
  return m_model->FindLayerByZ(z).colour;
}

void ProjectDocument::BringToFront(CShape& shape) {
  ChangeModel(Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> Hint {
    m_model->BringToFront(shape);
    return Hint::BringToFront(shape);
  });
}

void ProjectDocument::SendToBack(CShape& shape) {
  ChangeModel(Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> Hint {
    m_model->SendToBack(shape);
    return Hint::SendToBack(shape);
  });
}

void ProjectDocument::ScaleObject(const std::vector<CShape*>& objects, const Point3& anchor,
                                  const Point3& oldCorner, const Point3& newCorner) {
  if (objects.empty()) return;
  // Only polylines and polygons have corner handles to scale by.
  auto* polyline = dynamic_cast<CPolyline*>(objects.front());
  if (polyline == nullptr) return;
  RunChange(Commit::UndoFirst, Delivery::ViewsAndFrame, [&]() -> Hint {
    polyline->Scale(anchor, newCorner, oldCorner);
    return UpdateHint::HintObjectScaled;
  });
}

}  // namespace quor
