#include "editor/document/ClipboardObject.h"

#include "editor/model/CLayer.h"
#include "editor/model/CShape.h"
#include "editor/model/CVia.h"

namespace quor {

namespace {

double HeightOf(const CLayer* layer) {
  return layer != nullptr ? layer->GetZ() : 0.0;
}

}  // namespace

ClipboardObject ClipboardObject::Copy(const CShape& shape) {
  ClipboardObject copy{shape.Clone()};
  if (const auto* via = dynamic_cast<const CVia*>(&shape)) {
    copy.topZ = HeightOf(via->GetTopLayer());
    copy.bottomZ = HeightOf(via->GetBottomLayer());
  }
  return copy;
}

ClipboardObject ClipboardObject::Clone() const {
  return ClipboardObject{shape->Clone(), topZ, bottomZ};
}

}  // namespace quor
