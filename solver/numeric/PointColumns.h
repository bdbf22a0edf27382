// Points in structure-of-arrays form: one array per coordinate, so that a
// kernel can load the same coordinate of several points at once.
#pragma once

#include <cstddef>
#include <vector>

#include "solver/numeric/Vec3.h"

namespace quor::numeric {

struct PointColumns {
  std::vector<double> x;
  std::vector<double> y;
  std::vector<double> z;

  void Add(const Vec3& p) {
    x.push_back(p.x);
    y.push_back(p.y);
    z.push_back(p.z);
  }
  std::size_t Size() const { return x.size(); }
  Vec3 At(std::size_t i) const { return {x[i], y[i], z[i]}; }
};

}  // namespace quor::numeric
