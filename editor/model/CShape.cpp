#include "editor/model/CShape.h"

#include <cmath>

#include "editor/model/DrawHandle.h"
#include "editor/model/Point3.h"
#include "editor/model/ViewMapping.h"
#include "platform/archive/Archive.h"

namespace quor {

CShape::~CShape() = default;

void CShape::DrawNodes(const ViewMapping&, DrawContext&, const Point3*) const {}

TreeControl::Item CShape::InsertTreeItem(TreeControl&, TreeControl::Item, TreeControl::Item) {
  return TreeControl::kNoItem;
}

void CShape::Offset(const Point3& delta) {
  bbox.top += delta.y;
  bbox.bottom += delta.y;
  bbox.left += delta.x;
  bbox.right += delta.x;
}

CShape& CShape::Assign(const CShape& other) {
  bbox = other.bbox;
  id = other.id;
  return *this;
}

void CShape::Serialize(Archive& ar) {
  ar.Transfer(id);
}

std::string CShape::GetDescription(const DocumentSettings&) const {
  return {};
}

bool CShape::IsInside(const DoubleRect& rect) const {
  return bbox.top <= rect.top && bbox.right <= rect.right && bbox.bottom >= rect.bottom &&
         bbox.left >= rect.left;
}

Point2 CShape::GetHandlePoint(int index, double d) const {
  const double midX = (bbox.left + bbox.right) / 2;
  const double midY = (bbox.top + bbox.bottom) / 2;
  switch (index) {
    case 0:
      return {midX, bbox.top + d};
    case 1:
      return {midX, bbox.bottom - d};
    case 2:
      return {bbox.right + d, midY};
    case 3:
      return {bbox.left - d, midY};
    case 4:
      return {bbox.left - d, bbox.top + d};
    case 5:
      return {bbox.right + d, bbox.top + d};
    case 6:
      return {bbox.left - d, bbox.bottom - d};
    case 7:
      return {bbox.right + d, bbox.bottom - d};
    default:
      return {};
  }
}

int CShape::HitTestHandle(const Point3& point, double tolerance, double d) const {
  // Only the corners resize; the side handles are never hit.
  for (int index = 4; index <= 7; ++index) {
    const Point2 handle = GetHandlePoint(index, d);
    if (std::abs(handle.x - point.x) <= tolerance && std::abs(handle.y - point.y) <= tolerance) return index;
  }
  return -1;
}

void CShape::DrawHandles(const ViewMapping& view, DrawContext& dc) const {
  constexpr int kDistancePixels = 10;
  constexpr int kHalfSizePixels = 4;
  const double d = view.PixelsToUnits(kDistancePixels);
  for (int index : {5, 4, 7, 6}) {
    DrawHandle(At(GetHandlePoint(index, d), 0.0), view, dc, Rgb(0, 0, 0), Rgb(255, 255, 255), 0,
               kHalfSizePixels);
  }
}

}  // namespace quor
