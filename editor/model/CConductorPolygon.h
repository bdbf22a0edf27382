// A node path on a layer's upper surface that belongs to one conductor; the
// only kind of shape that layers hold. Conductor 0 is the ground.
#pragma once

#include "editor/model/CPolyline.h"

namespace quor {

class CConductorPolygon : public CPolyline {
 public:
  CConductorPolygon() = default;
  CConductorPolygon(const CConductorPolygon& other) = default;
  CConductorPolygon& operator=(const CConductorPolygon& other);
  ~CConductorPolygon() override;

  TreeControl::Item InsertTreeItem(TreeControl& tree, TreeControl::Item parent,
                                   TreeControl::Item insertAfter) override;
  int GetType() const override { return kConductorPolygon; }
  std::unique_ptr<CShape> Clone() const override;
  void Reset() override;
  // The conductor index, then the polyline record.
  void Serialize(Archive& ar) override;
  std::string GetDescription(const DocumentSettings& document) const override;

  // Shown as "index"; the editor stores any value, the computation takes 0..20.
  std::uint32_t conductorIndex = 0;
};

}  // namespace quor
