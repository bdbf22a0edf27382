// The closed-form potential of one patch at Lanes::kWidth points at a time,
// written once for every vector width. Include it after the instruction-set
// pragma of the translation unit; it has internal linkage there. The
// operations and their order are those of the scalar kernel, so that the
// results differ from it only by the rounding of the vector logarithm and
// arc tangent.
#pragma once

#include <cstddef>

#include "solver/numeric/PatchKernelData.h"

namespace quor::numeric {
namespace {

// Lanes provides: type V (kWidth doubles), Load, Store, Splat, Abs, Sqrt,
// Log, Atan2, Select(mask, a, b) and AnyTrue(mask), a mask being what a
// comparison of two V gives.
template <class Lanes>
typename Lanes::V NearPotentialLanes(const PatchKernelData::Edge* edges, std::size_t edgeCount,
                                     const Vec3& normal, typename Lanes::V px, typename Lanes::V py,
                                     typename Lanes::V pz, double scale) {
  using V = typename Lanes::V;
  const auto splat = Lanes::Splat;
  const V onLine = splat(kOnEdgeLineRatio * scale);
  const V zero = splat(0.0);

  const V dx = px - splat(edges[0].start.x);
  const V dy = py - splat(edges[0].start.y);
  const V dz = pz - splat(edges[0].start.z);
  const V u = dx * splat(normal.x) + dy * splat(normal.y) + dz * splat(normal.z);
  const V height = Lanes::Abs(u);
  // Each vertex distance serves as the end of one edge and the start of the next.
  const V firstDistance = Lanes::Sqrt(dx * dx + dy * dy + dz * dz);
  V startDistance = firstDistance;
  V sum = zero;
  for (std::size_t i = 0; i < edgeCount; ++i) {
    const PatchKernelData::Edge& edge = edges[i];
    V rb = firstDistance;
    if (i + 1 < edgeCount) {
      const V ex = px - splat(edges[i + 1].start.x);
      const V ey = py - splat(edges[i + 1].start.y);
      const V ez = pz - splat(edges[i + 1].start.z);
      rb = Lanes::Sqrt(ex * ex + ey * ey + ez * ez);
    }
    const V ra = startDistance;
    startDistance = rb;
    if (edge.length <= kShortEdgeRatio * scale) continue;
    const V fx = px - splat(edge.start.x);
    const V fy = py - splat(edge.start.y);
    const V fz = pz - splat(edge.start.z);
    const V f = fx * splat(edge.across.x) + fy * splat(edge.across.y) + fz * splat(edge.across.z);
    const V k = -(fx * splat(edge.tangent.x) + fy * splat(edge.tangent.y) + fz * splat(edge.tangent.z));
    const V h = k + splat(edge.length);
    const auto offEdgeLine = (rb - Lanes::Abs(h) > onLine) & (ra - Lanes::Abs(k) > onLine);
    if (!Lanes::AnyTrue(offEdgeLine)) continue;
    const V offLine = u * u + f * f;
    // h + rb and k + ra without cancellation where the point lies behind the vertex.
    const V hb = Lanes::Select(h > zero, h + rb, offLine / (rb - h));
    const V ka = Lanes::Select(k > zero, k + ra, offLine / (ra - k));
    const V logRatio = Lanes::Log(ka / hb);
    const V yb = h * f;
    const V ya = k * f;
    const V xb = offLine + rb * height;
    const V xa = offLine + ra * height;
    const V angle = Lanes::Atan2(yb * xa - xb * ya, xb * xa + yb * ya);
    const V term = height * angle + f * logRatio;
    sum = sum + Lanes::Select(offEdgeLine, term, zero);
  }
  return sum;
}

// Runs the lanes over `count` points; the last, partial step repeats the last
// point in the unused lanes and stores only the used ones.
template <class Lanes>
void NearPotentialsBy(const PatchKernelData::Edge* edges, std::size_t edgeCount, const Vec3& normal,
                      const double* x, const double* y, const double* z, std::size_t count, double scale,
                      double* out) {
  constexpr std::size_t kWidth = Lanes::kWidth;
  if (edgeCount == 0) {
    for (std::size_t i = 0; i < count; ++i) out[i] = 0.0;
    return;
  }
  std::size_t i = 0;
  for (; i + kWidth <= count; i += kWidth) {
    Lanes::Store(out + i, NearPotentialLanes<Lanes>(edges, edgeCount, normal, Lanes::Load(x + i),
                                                    Lanes::Load(y + i), Lanes::Load(z + i), scale));
  }
  if (i == count) return;
  double tx[kWidth];
  double ty[kWidth];
  double tz[kWidth];
  double tout[kWidth];
  for (std::size_t j = 0; j < kWidth; ++j) {
    const std::size_t from = i + j < count ? i + j : count - 1;
    tx[j] = x[from];
    ty[j] = y[from];
    tz[j] = z[from];
  }
  Lanes::Store(tout, NearPotentialLanes<Lanes>(edges, edgeCount, normal, Lanes::Load(tx), Lanes::Load(ty),
                                               Lanes::Load(tz), scale));
  for (std::size_t j = 0; i + j < count; ++j) out[i + j] = tout[j];
}

}  // namespace
}  // namespace quor::numeric
