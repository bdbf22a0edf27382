#include "editor/model/CVia.h"

#include <cassert>
#include <cmath>

#include "editor/model/CLayer.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/ModelTextLine.h"
#include "editor/model/NumberFormat.h"
#include "editor/model/Point3.h"
#include "editor/model/ViewMapping.h"
#include "platform/archive/Archive.h"

namespace quor {

namespace {

constexpr int kViaImage = 3;

double LayerHeight(const CLayer* layer) {
  return layer ? layer->GetZ() : 0.0;
}

}  // namespace

CVia::CVia(double viaRadius, double centreX, double centreY, CLayer* top, CLayer* bottom, bool isSolid)
    : radius(viaRadius), x(centreX), y(centreY), solid(isSolid ? 1 : 0), topLayer(top), bottomLayer(bottom) {
  SetBounds();
}

CVia::CVia(const CVia& other)
    : CShape(other),
      radius(other.radius),
      x(other.x),
      y(other.y),
      solid(other.solid),
      topLayer(other.topLayer),
      bottomLayer(other.bottomLayer) {}

CVia& CVia::operator=(const CVia& other) {
  if (this == &other) return *this;
  Assign(other);
  radius = other.radius;
  x = other.x;
  y = other.y;
  solid = other.solid;
  topLayer = other.topLayer;
  bottomLayer = other.bottomLayer;
  return *this;
}

CVia::~CVia() = default;

void CVia::SetBounds() {
  bbox = DoubleRect{y + radius, y - radius, x - radius, x + radius};
}

TreeControl::Item CVia::InsertTreeItem(TreeControl& tree, TreeControl::Item parent,
                                       TreeControl::Item insertAfter) {
  return tree.InsertItem("Via " + std::to_string(id), kViaImage, kViaImage, this, parent, insertAfter);
}

void CVia::Draw(const ViewMapping& view, DrawContext& dc, COLORREF, COLORREF, bool fill) const {
  const ScopedBrush brush(dc,
                          fill ? Brush{BrushStyle::Solid, Rgb(255, 255, 255)} : Brush{BrushStyle::Hollow, 0});
  dc.Ellipse(view.WorldRectToScreen(bbox));
}

void CVia::WriteText(std::ostream& out, const DocumentSettings& document) const {
  WriteTextLine(out, "");
  WriteTextLine(out, FormatDouble(document.ToDisplayUnits(radius), 6));
  WriteTextLine(out, FormatDouble(document.ToDisplayUnits(x), 6) + " " +
                         FormatDouble(document.ToDisplayUnits(y), 6) + " " +
                         FormatDouble(document.ToDisplayUnits(LayerHeight(bottomLayer)), 6) + " " +
                         FormatDouble(document.ToDisplayUnits(LayerHeight(topLayer)), 6));
}

bool CVia::HitTest(const Point3& point, double tolerance) const {
  return Distance(Point3{x, y, point.z}, point) <= tolerance + radius;
}

double CVia::GetZ() const {
  assert(topLayer && "a via held by a structure has its layers");
  return LayerHeight(topLayer);
}

void CVia::Offset(const Point3& delta) {
  CShape::Offset(delta);
  x += delta.x;
  y += delta.y;
}

std::unique_ptr<CShape> CVia::Clone() const {
  return std::make_unique<CVia>(*this);
}

void CVia::Reset() {}

void CVia::Serialize(Archive& ar) {
  CShape::Serialize(ar);
  if (!ar.IsStoring()) return;
  ar.WriteF64(radius);
  ar.WriteF64(x);
  ar.WriteF64(y);
  ar.WriteF64(LayerHeight(topLayer));
  ar.WriteF64(LayerHeight(bottomLayer));
  ar.WriteU8(solid);
}

std::string CVia::GetDescription(const DocumentSettings& document) const {
  return "Via " + std::to_string(id) +
         ", top=" + FormatDouble(document.ToDisplayUnits(LayerHeight(topLayer)), 4) +
         ", bottom=" + FormatDouble(document.ToDisplayUnits(LayerHeight(bottomLayer)), 4);
}

void CVia::SetLayers(CLayer* top, CLayer* bottom) {
  topLayer = top;
  bottomLayer = bottom;
}

}  // namespace quor
