// Receives the triangles into which a plate is cut for filling.
#pragma once

#include "viewer/Vec3.h"

namespace quor::viewer {

class TriangleSink {
 public:
  virtual ~TriangleSink() = default;
  // The corners keep the turning sense of the plate they came from.
  virtual void Triangle(const Vec3& a, const Vec3& b, const Vec3& c) = 0;
};

}  // namespace quor::viewer
