// A node path: an open polyline or, with 3 or more nodes, a closed polygon.
// The base of conductor polygons; for shapes on a layer every node's z is the
// layer's height.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "editor/model/CShape.h"
#include "editor/model/Point3List.h"

namespace quor {

class CPolyline : public CShape {
 public:
  CPolyline() = default;
  CPolyline(const CPolyline& other) = default;
  CPolyline& operator=(const CPolyline& other);
  ~CPolyline() override;

  void DrawNodes(const ViewMapping& view, DrawContext& dc, const Point3* currentNode) const override;
  void Draw(const ViewMapping& view, DrawContext& dc, COLORREF secondColour, COLORREF colour,
            bool fill) const override;
  void WriteText(std::ostream& out, const DocumentSettings& document) const override;
  bool HitTest(const Point3& point, double tolerance) const override;
  // z of the first node. A path without nodes (Undo brings one back after New
  // Polygon and Cancel) answers the height its layer or SetZ gave it, and
  // throws TextError("List is empty") only when it never had one.
  double GetZ() const override;
  void Offset(const Point3& delta) override;
  int GetType() const override { return kPolyline; }
  std::unique_ptr<CShape> Clone() const override;
  void Reset() override;
  // The polyline record: id, closed byte, node count, nodes.
  void Serialize(Archive& ar) override;

  // Appends a node and widens the box to it.
  void AddNode(const Point3& point);
  // Removes the node at a valid index and reopens a path left with fewer than
  // 3 nodes; any other index removes nothing.
  void RemoveNode(int index);
  // Closing is ignored below 3 nodes; opening always works.
  void SetClosed(bool flag);
  bool IsClosed() const { return closed != 0; }
  // The node at the list's cursor, advancing it; false at the end.
  bool GetNextNode(Point3& out);
  // Moves every node to height z, which a path without nodes keeps as its
  // own; the box is unchanged.
  void SetZ(double z);
  void RecalcBounds();
  // Appends every node strictly inside the rectangle; returns how many.
  int SelectNodesInRect(const DoubleRect& rect, std::vector<Point3*>& list);
  // The first node within the tolerance (all three coordinates), or null.
  Point3* FindNode(const Point3& point, double tolerance);
  // The first segment near the point, the closing one last and only when closed.
  bool HitTestEdge(const Point3& point, Point3*& first, Point3*& second, double tolerance);
  // Resizes about the anchor so that the old corner moves to the new corner;
  // an axis on which the old corner lies level with the anchor keeps its size.
  void Scale(const Point3& anchor, const Point3& newCorner, const Point3& oldCorner);
  // The point-in-polygon test of the editor: the point must lie in the plane of
  // the first node; points on an edge or at a vertex count as inside.
  bool ContainsPoint(const Point3& point) const;

  Point3List& GetNodes() { return nodes; }
  const Point3List& GetNodes() const { return nodes; }

 private:
  int FindEdge(const Point3& point, double tolerance) const;

  std::uint8_t closed = 0;
  Point3List nodes;
  // The height last given by SetZ: a path without nodes has no other.
  std::optional<double> height;
};

// False outside the segment's box widened by the tolerance; otherwise whether
// the point lies within the tolerance of the line through a and b (a point
// counts as near when a and b coincide).
bool IsPointNearSegment(const Point3& a, const Point3& b, const Point3& point, double tolerance);

}  // namespace quor
