#include "editor/model/CConductorPolygon.h"

#include "platform/archive/Archive.h"

namespace quor {

namespace {

constexpr int kPolygonImage = 4;

}  // namespace

CConductorPolygon& CConductorPolygon::operator=(const CConductorPolygon& other) {
  if (this == &other) return *this;
  conductorIndex = other.conductorIndex;
  CPolyline::operator=(other);
  return *this;
}

CConductorPolygon::~CConductorPolygon() = default;

TreeControl::Item CConductorPolygon::InsertTreeItem(TreeControl& tree, TreeControl::Item parent,
                                                    TreeControl::Item insertAfter) {
  return tree.InsertItem("Polygon " + std::to_string(id), kPolygonImage, kPolygonImage, this, parent,
                         insertAfter);
}

std::unique_ptr<CShape> CConductorPolygon::Clone() const {
  return std::make_unique<CConductorPolygon>(*this);
}

void CConductorPolygon::Reset() {
  conductorIndex = 0;
  CPolyline::Reset();
}

void CConductorPolygon::Serialize(Archive& ar) {
  ar.Transfer(conductorIndex);
  CPolyline::Serialize(ar);
}

std::string CConductorPolygon::GetDescription(const DocumentSettings&) const {
  return "Polygon " + std::to_string(id) + ", index=" + std::to_string(conductorIndex);
}

}  // namespace quor
