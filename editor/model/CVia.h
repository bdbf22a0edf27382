// A via: a circular cylinder of a given radius between a top and a bottom
// layer, solid or hollow. It points at its two layers without owning them; the
// structure keeps those pointers valid.
#pragma once

#include <cstdint>

#include "editor/model/CShape.h"

namespace quor {

class CLayer;

class CVia : public CShape {
 public:
  CVia(double viaRadius, double centreX, double centreY, CLayer* top, CLayer* bottom, bool isSolid);
  CVia(const CVia& other);
  CVia& operator=(const CVia& other);
  ~CVia() override;

  TreeControl::Item InsertTreeItem(TreeControl& tree, TreeControl::Item parent,
                                   TreeControl::Item insertAfter) override;
  // Fills the circle white when asked, with the pen the caller selected.
  void Draw(const ViewMapping& view, DrawContext& dc, COLORREF secondColour, COLORREF colour,
            bool fill) const override;
  void WriteText(std::ostream& out, const DocumentSettings& document) const override;
  // Within tolerance + radius of the centre, measured in the plane.
  bool HitTest(const Point3& point, double tolerance) const override;
  // The height of the top layer.
  double GetZ() const override;
  // Moves in the plane; dz is ignored.
  void Offset(const Point3& delta) override;
  int GetType() const override { return kVia; }
  std::unique_ptr<CShape> Clone() const override;
  void Reset() override;
  // Storing writes the whole via record; loading reads only the id, since the
  // rest needs the structure's layers (the structure reads it).
  void Serialize(Archive& ar) override;
  std::string GetDescription(const DocumentSettings& document) const override;

  double GetRadius() const { return radius; }
  double GetX() const { return x; }
  double GetY() const { return y; }
  bool IsSolid() const { return solid != 0; }
  CLayer* GetTopLayer() const { return topLayer; }
  CLayer* GetBottomLayer() const { return bottomLayer; }
  void SetLayers(CLayer* top, CLayer* bottom);

 private:
  void SetBounds();

  double radius;
  double x;
  double y;
  std::uint8_t solid;
  CLayer* topLayer;
  CLayer* bottomLayer;
};

}  // namespace quor
