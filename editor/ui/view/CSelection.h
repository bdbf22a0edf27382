// The model objects (conductor polygons and vias) selected in one editing
// view, in the order of selection. It never owns them: the structure does,
// and the document's update hints empty the selection whenever the model may
// have changed under it. Edits of the selected objects go through the
// document's operations, one undo step each.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "editor/model/DoubleRect.h"
#include "platform/draw/DrawContext.h"

struct Point3;

namespace quor {

class CConductorPolygon;
class CShape;
class ProjectDocument;
class ViewMapping;

class CSelection {
 public:
  // The kind of a selection holding more than one kind of object.
  static constexpr int kMixed = 5;

  explicit CSelection(const ViewMapping& view);
  CSelection(const CSelection&) = delete;
  CSelection& operator=(const CSelection&) = delete;

  // Set by the view's initial update.
  void SetDocument(ProjectDocument* document) { m_document = document; }

  // Corner handles, or with node display 1 the objects' node squares.
  void Draw(DrawContext& dc, int nodeDisplay) const;
  void Clear() { m_objects.clear(); }
  // Every polygon of the visible, unlocked layers, then every via.
  void SelectAll();
  // Appends the object unless it is selected already: an object listed twice
  // would be moved and cloned twice and deleted twice.
  void Add(CShape& object);
  // Adds the objects lying inside the rectangle to what is selected.
  void SelectInRect(const DoubleRect& rect);
  bool Contains(const CShape* object) const;

  // The common kind (CShape::GetType) or kMixed; throws "Nothing is selected".
  int GetType() const;
  // The common conductor index, or -1 when the polygons differ; throws when
  // nothing or not only polygons are selected.
  int GetConductorIndex() const;
  void SetConductorIndex(std::uint32_t index);
  // Moves every selected object; one undo step, also when nothing is selected.
  void Offset(const Point3& delta);
  void Delete();
  // Copies of the selected objects in order, for the internal clipboard.
  std::vector<std::unique_ptr<CShape>> GetCloneArray() const;
  // The union of the normalised boxes; all zero when empty.
  DoubleRect GetBounds() const;
  // Both act on the first selected object.
  void BringToFront();
  void SendToBack();
  // With exactly one polygon selected: that polygon when a corner handle at
  // `distance` outside its box lies within `tolerance` of the point, with the
  // handle (4 to 7) written to `handle`; otherwise null and `handle` untouched.
  CShape* HitTestHandle(const Point3& point, int& handle, double tolerance, double distance) const;
  // Every selected polygon recomputes its box from its nodes.
  void RecalcBounds();
  // With a via selected first: the Via dialog on it.
  void EditViaProperties();
  // With a polygon selected first: the polygon dialog on it, at its height.
  void EditPolygonProperties(const std::function<void(CConductorPolygon& polygon, double z)>& dialog) const;

  int GetCount() const { return static_cast<int>(m_objects.size()); }
  bool IsEmpty() const { return m_objects.empty(); }
  const std::vector<CShape*>& GetObjects() const { return m_objects; }

 private:
  ProjectDocument& Document() const;

  std::vector<CShape*> m_objects;
  ProjectDocument* m_document = nullptr;
  const ViewMapping& m_view;
};

}  // namespace quor
