// One dielectric layer of the stack: name, display colour, visible and locked
// flags, permittivity and height, and the conductor polygons on its upper
// surface. The polygon list order is the drawing order: the last is on top.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/CConductorPolygon.h"
#include "editor/model/CDielectric.h"
#include "editor/model/TreeControl.h"
#include "platform/draw/DrawContext.h"

namespace quor {

class Archive;
class ViewMapping;
struct DocumentSettings;

class CLayer {
 public:
  using ShapeList = std::list<std::unique_ptr<CConductorPolygon>>;

  static constexpr std::size_t kMaxNameLength = 50;
  static constexpr const char* kControlCharacterInNameText = "Layer name cannot contain control characters";

  // A name the user may give: the model text file holds it as one line, so
  // it has no line break nor any other control character.
  static bool IsTypableName(std::string_view text);

  // Er 1, z 0, visible, unlocked, no name: the layer a project file loads into.
  CLayer() = default;
  // The colour is left to whoever creates the layer.
  CLayer(const CDielectric& record, std::string_view layerName, bool isVisible, bool isLocked);
  CLayer(const CLayer&) = delete;
  CLayer& operator=(const CLayer&) = delete;
  virtual ~CLayer();

  // Keeps at most the first 50 characters.
  void SetName(std::string_view text);
  const std::string& GetName() const { return name; }

  // Appends at the top of the drawing order.
  CConductorPolygon& AddShape(std::unique_ptr<CConductorPolygon> polygon);
  // Unlinks the polygon and hands it back; TextError("Object does not exist")
  // when the layer does not hold it.
  std::unique_ptr<CConductorPolygon> RemoveShape(const CShape* polygon);
  // TextError("Bad id") when no polygon has the id.
  CConductorPolygon& GetShapeById(std::uint32_t shapeId) const;
  void MoveShapeToEnd(const CShape* polygon);
  void MoveShapeToBegin(const CShape* polygon);

  double GetZ() const { return dielectric.z; }
  // Moves the layer and every node of its polygons to height z.
  void SetZ(double z);
  double GetEr() const { return dielectric.Er; }
  void SetEr(double er) { dielectric.Er = er; }

  // The largest conductor index as a signed value, 0 without polygons.
  int MaxConductorIndex() const;
  // 2 with the first polygon having a node beyond length in x or width in y;
  // otherwise 0. Only the upper bounds are tested.
  int FindShapeOutside(double length, double width, CConductorPolygon*& polygon) const;

  void Draw(const ViewMapping& view, DrawContext& dc, bool fill) const;
  // The topmost polygon hit at the layer's height, or null; never one of a
  // hidden layer.
  CConductorPolygon* HitTest(const Point3& point, double tolerance) const;
  // All polygons (null rectangle) or those whose box lies inside the rectangle.
  void CollectShapes(const DoubleRect* rect, std::vector<CShape*>& list) const;
  TreeControl::Item InsertTreeItems(TreeControl& tree, TreeControl::Item parent,
                                    TreeControl::Item insertAfter);

  // The layer record with its polygons; loading fills a fresh layer.
  void Serialize(Archive& ar);
  void WriteText(std::ostream& out, const DocumentSettings& document) const;
  void WriteShapesText(std::ostream& out, const DocumentSettings& document) const;

  const ShapeList& GetShapes() const { return shapes; }
  int GetShapeCount() const { return static_cast<int>(shapes.size()); }

  COLORREF colour = 0;
  bool locked = false;  // a locked layer's polygons cannot be hit or selected
  bool visible = true;  // a hidden layer is neither drawn nor hit

 private:
  ShapeList::iterator Find(const CShape* polygon);
  void LoadName(Archive& ar);

  std::string name;
  CDielectric dielectric;
  ShapeList shapes;
};

}  // namespace quor
