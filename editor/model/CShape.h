// The abstract base of every drawn object: a bounding box, an object number and
// the operations through which layers, the structure, the document, the
// selection, the tools and the project tree treat all objects alike.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "editor/model/DoubleRect.h"
#include "editor/model/Point2.h"
#include "editor/model/TreeControl.h"
#include "platform/draw/DrawContext.h"

struct Point3;

namespace quor {

class Archive;
class ViewMapping;
struct DocumentSettings;

class CShape {
 public:
  // Kind codes returned by GetType.
  static constexpr int kPolyline = 0;
  static constexpr int kConductorPolygon = 1;
  static constexpr int kVia = 2;

  CShape() = default;
  CShape(const CShape& other) = default;

  // The virtual operations, in their fixed order.
  virtual ~CShape();
  virtual void DrawNodes(const ViewMapping& view, DrawContext& dc, const Point3* currentNode) const;
  virtual void Draw(const ViewMapping& view, DrawContext& dc, COLORREF secondColour, COLORREF colour,
                    bool fill) const = 0;
  virtual TreeControl::Item InsertTreeItem(TreeControl& tree, TreeControl::Item parent,
                                           TreeControl::Item insertAfter);
  virtual void WriteText(std::ostream& out, const DocumentSettings& document) const = 0;
  virtual bool HitTest(const Point3& point, double tolerance) const = 0;
  virtual double GetZ() const = 0;
  virtual void Offset(const Point3& delta);
  virtual int GetType() const = 0;
  // Copies the box and the id: the base part of every copy assignment.
  virtual CShape& Assign(const CShape& other);
  virtual std::unique_ptr<CShape> Clone() const = 0;
  virtual void Reset() = 0;
  // Stores or loads the id.
  virtual void Serialize(Archive& ar);
  virtual std::string GetDescription(const DocumentSettings& document) const;

  void ResetBounds() { bbox = DoubleRect{}; }
  // The box lies inside the rectangle, borders included.
  bool IsInside(const DoubleRect& rect) const;
  // Handles 0..7 at distance d outside the box; any other index gives (0, 0).
  Point2 GetHandlePoint(int index, double d) const;
  // The first corner handle (4, 5, 6, 7) within the tolerance in x and y, or -1.
  int HitTestHandle(const Point3& point, double tolerance, double d) const;
  void DrawHandles(const ViewMapping& view, DrawContext& dc) const;

  const DoubleRect& GetBBox() const { return bbox; }

  // The object number, shown as "Polygon %d" or "Via %d".
  std::uint32_t id = 0;

 protected:
  CShape& operator=(const CShape& other) = default;

  DoubleRect bbox;
};

}  // namespace quor
