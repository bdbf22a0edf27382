#include "platform/draw/SegmentClip.h"

#include <algorithm>

namespace quor {

bool ClipSegment(const ClipBox& box, double& x0, double& y0, double& x1, double& y1) {
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - box.minX, box.maxX - x0, y0 - box.minY, box.maxY - y0};
  double enter = 0.0;
  double leave = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) enter = std::max(enter, t);
    if (p[i] > 0.0) leave = std::min(leave, t);
  }
  if (enter > leave) return false;
  const double startX = x0;
  const double startY = y0;
  x0 = startX + enter * dx;
  y0 = startY + enter * dy;
  x1 = startX + leave * dx;
  y1 = startY + leave * dy;
  return true;
}

}  // namespace quor
