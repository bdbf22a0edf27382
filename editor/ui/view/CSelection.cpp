#include "editor/ui/view/CSelection.h"

#include <algorithm>
#include <cassert>
#include <optional>

#include "editor/document/ProjectDocument.h"
#include "editor/model/CStructure.h"
#include "editor/model/Point3.h"
#include "platform/error/TextError.h"

namespace quor {

CSelection::CSelection(const ViewMapping& view) : m_view(view) {}

ProjectDocument& CSelection::Document() const {
  assert(m_document != nullptr && "the view's initial update gives the selection its document");
  return *m_document;
}

void CSelection::Draw(DrawContext& dc, int nodeDisplay) const {
  for (const CShape* object : m_objects) {
    if (nodeDisplay == 1) {
      object->DrawNodes(m_view, dc, nullptr);
    } else {
      object->DrawHandles(m_view, dc);
    }
  }
}

void CSelection::SelectAll() {
  Clear();
  Document().GetModel().CollectShapes(nullptr, m_objects);
}

void CSelection::Add(CShape& object) {
  if (!Contains(&object)) m_objects.push_back(&object);
}

void CSelection::SelectInRect(const DoubleRect& rect) {
  std::vector<CShape*> inside;
  Document().GetModel().CollectShapes(&rect, inside);
  for (CShape* object : inside) Add(*object);
}

bool CSelection::Contains(const CShape* object) const {
  return std::find(m_objects.begin(), m_objects.end(), object) != m_objects.end();
}

int CSelection::GetType() const {
  if (m_objects.empty()) throw TextError("Nothing is selected");
  const int type = m_objects.front()->GetType();
  const bool mixed = std::any_of(m_objects.begin(), m_objects.end(),
                                 [type](const CShape* object) { return object->GetType() != type; });
  return mixed ? kMixed : type;
}

int CSelection::GetConductorIndex() const {
  if (m_objects.empty()) throw TextError("Nothing is selected");
  std::optional<std::uint32_t> common;
  for (const CShape* object : m_objects) {
    const auto* polygon = dynamic_cast<const CConductorPolygon*>(object);
    if (polygon == nullptr) throw TextError("Error: polygon is not selected");
    if (!common) common = polygon->conductorIndex;
    if (polygon->conductorIndex != *common) return -1;
  }
  return static_cast<int>(*common);
}

void CSelection::SetConductorIndex(std::uint32_t index) {
  Document().ChangeModel(ProjectDocument::Snapshot::Take, ProjectDocument::Delivery::ViewsOnly,
                         [&]() -> Hint {
                           for (CShape* object : m_objects) {
                             // Only polygons carry an index.
                             if (auto* polygon = dynamic_cast<CConductorPolygon*>(object)) {
                               polygon->conductorIndex = index;
                             }
                           }
                           return UpdateHint::HintConductorIndex;
                         });
}

void CSelection::Offset(const Point3& delta) {
  Document().ChangeModel(ProjectDocument::Snapshot::Take, ProjectDocument::Delivery::ViewsOnly,
                         [&]() -> Hint {
                           for (CShape* object : m_objects) object->Offset(delta);
                           return UpdateHint::HintSelectionMoved;
                         });
}

void CSelection::Delete() {
  if (m_objects.empty()) return;
  // The document's hint empties this list while the operation still runs.
  const std::vector<CShape*> objects = m_objects;
  if (objects.size() > 1) {
    Document().DeleteObjects(objects);
    return;
  }
  CShape* object = objects.front();
  if (auto* via = dynamic_cast<CVia*>(object)) {
    Document().DeleteVia(*via);
  } else if (auto* polygon = dynamic_cast<CConductorPolygon*>(object)) {
    Document().RemoveObjectAt(polygon->GetZ(), *polygon);
  }
}

std::vector<std::unique_ptr<CShape>> CSelection::GetCloneArray() const {
  std::vector<std::unique_ptr<CShape>> clones;
  clones.reserve(m_objects.size());
  for (const CShape* object : m_objects) clones.push_back(object->Clone());
  return clones;
}

DoubleRect CSelection::GetBounds() const {
  if (m_objects.empty()) return {};
  DoubleRect bounds = m_objects.front()->GetBBox();
  bounds.Normalize();
  for (auto object = m_objects.begin() + 1; object != m_objects.end(); ++object) {
    DoubleRect box = (*object)->GetBBox();
    box.Normalize();
    bounds.Union(box);
  }
  return bounds;
}

void CSelection::BringToFront() {
  if (!m_objects.empty()) Document().BringToFront(*m_objects.front());
}

void CSelection::SendToBack() {
  if (!m_objects.empty()) Document().SendToBack(*m_objects.front());
}

CShape* CSelection::HitTestHandle(const Point3& point, int& handle, double tolerance, double distance) const {
  if (m_objects.size() != 1) return nullptr;
  CShape* object = m_objects.front();
  if (object->GetType() != CShape::kConductorPolygon) return nullptr;
  const int hit = object->HitTestHandle(point, tolerance, distance);
  if (hit == -1) return nullptr;
  handle = hit;
  return object;
}

void CSelection::EditPolygonProperties(
    const std::function<void(CConductorPolygon& polygon, double z)>& dialog) const {
  if (m_objects.empty() || m_objects.front()->GetType() != CShape::kConductorPolygon) return;
  CShape& first = *m_objects.front();
  dialog(static_cast<CConductorPolygon&>(first), first.GetZ());
}

void CSelection::EditViaProperties() {
  if (m_objects.empty()) return;
  if (auto* via = dynamic_cast<CVia*>(m_objects.front())) Document().EditViaProperties(*via);
}

void CSelection::RecalcBounds() {
  for (CShape* object : m_objects) {
    if (auto* polyline = dynamic_cast<CPolyline*>(object)) polyline->RecalcBounds();
  }
}

}  // namespace quor
