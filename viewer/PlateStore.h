// The plates of a segmentation listing as the viewer keeps them: single
// precision nodes, grouped by conductor with the dielectric interfaces last.
#pragma once

#include <vector>

namespace quor::viewer {

struct ListingNode {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};

using ListingPlate = std::vector<ListingNode>;

struct PlateStore {
  // groups[0 .. Nc-1] are the conductors, groups[Nc] the dielectric interfaces.
  std::vector<std::vector<ListingPlate>> groups;

  int GroupCount() const { return static_cast<int>(groups.size()); }
};

}  // namespace quor::viewer
