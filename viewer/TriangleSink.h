// Receives the triangles into which a plate is cut for filling.
#pragma once

#include "tessmor/Point3.h"

namespace quor::viewer {

class TriangleSink {
 public:
  virtual ~TriangleSink() = default;
  // The corners keep the turning sense of the plate they came from.
  virtual void Triangle(const Point3& a, const Point3& b, const Point3& c) = 0;
};

}  // namespace quor::viewer
