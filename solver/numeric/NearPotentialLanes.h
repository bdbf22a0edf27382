// The potential of one patch at Lanes::kWidth points at a time, written
// once for every vector width: the potential alone, or with the field along
// a direction given per point; the closed form near the patch, the point
// charge beyond its far-field distance. Include it after the instruction-set pragma of
// the translation unit; it has internal linkage there. The operations and
// their order are those of the scalar kernel, so that the results differ from
// it only by the rounding of the vector logarithm and arc tangent.
#pragma once

#include <cstddef>

#include "solver/numeric/NearPotentialVector.h"
#include "solver/numeric/PatchKernelData.h"

namespace quor::numeric {
namespace {

// Lanes provides: type V (kWidth doubles), type Pair (V potential and V
// field), Load, Store, Splat, Abs, Sqrt, Log, Atan2, Select(mask, a, b) and
// AnyTrue(mask), a mask being what a comparison of two V gives. With kWithField, (ax, ay, az) is each point's
// unit direction of the field component.
template <class Lanes, bool kWithField>
typename Lanes::Pair NearLanes(const PatchKernelData::Edge* edges, std::size_t edgeCount, const Vec3& normal,
                               typename Lanes::V px, typename Lanes::V py, typename Lanes::V pz,
                               typename Lanes::V ax, typename Lanes::V ay, typename Lanes::V az,
                               double scale) {
  using V = typename Lanes::V;
  const auto splat = Lanes::Splat;
  const V onLine = splat(kOnEdgeLineRatio * scale);
  const V zero = splat(0.0);

  const V dx = px - splat(edges[0].start.x);
  const V dy = py - splat(edges[0].start.y);
  const V dz = pz - splat(edges[0].start.z);
  const V u = dx * splat(normal.x) + dy * splat(normal.y) + dz * splat(normal.z);
  const V height = Lanes::Abs(u);
  const V side = Lanes::Select(u > zero, splat(1.0), Lanes::Select(u < zero, splat(-1.0), zero));
  const V nn = splat(normal.x) * ax + splat(normal.y) * ay + splat(normal.z) * az;
  // Points in the patch's own plane, the common case of a flat conductor,
  // multiply every angle by a zero height: the arc tangents can be left out.
  const bool anyHeight = Lanes::AnyTrue(height > zero);
  // Each vertex distance serves as the end of one edge and the start of the next.
  const V firstDistance = Lanes::Sqrt(dx * dx + dy * dy + dz * dz);
  V startDistance = firstDistance;
  typename Lanes::Pair sum{zero, zero};
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
    V m = zero;
    if constexpr (kWithField) {
      m = splat(edge.across.x) * ax + splat(edge.across.y) * ay + splat(edge.across.z) * az;
      // On the edge's line beyond either end the field term is the limit of the general one.
      const auto beyondEnd = ~offEdgeLine & (h * k > zero);
      if (Lanes::AnyTrue(beyondEnd)) {
        const V onLineTerm = m * Lanes::Log(Lanes::Select(h > zero, k / h, h / k));
        sum.field = Lanes::Select(beyondEnd, sum.field - onLineTerm, sum.field);
      }
    }
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
    const V angle = anyHeight ? Lanes::Atan2(yb * xa - xb * ya, xb * xa + yb * ya) : zero;
    const V term = height * angle + f * logRatio;
    sum.potential = sum.potential + Lanes::Select(offEdgeLine, term, zero);
    if constexpr (kWithField) {
      const V o = splat(edge.tangent.x) * ax + splat(edge.tangent.y) * ay + splat(edge.tangent.z) * az;
      const V g = f * m + nn * u;
      const V pb = (g - h * o) / rb;
      const V pa = (g - k * o) / ra;
      V field = sum.field + (-m * logRatio + f * (pb - o) / hb - f * (pa - o) / ka - nn * side * angle);
      const V db = xb * xb + yb * yb;
      const V da = xa * xa + ya * ya;
      const V two = splat(2.0);
      const V lifted = field + height * ((-m * h * xb + o * f * xb + pb * yb * (height + two * rb) +
                                          nn * side * rb * yb + two * o * h * yb) /
                                             db -
                                         (-m * k * xa + o * f * xa + pa * ya * (height + two * ra) +
                                          nn * side * ra * ya + two * o * k * ya) /
                                             da);
      field = Lanes::Select(height == zero, field, lifted);
      sum.field = Lanes::Select(offEdgeLine, field, sum.field);
    }
  }
  return sum;
}

// Runs the lanes over `count` points; the last, partial step repeats the last
// point in the unused lanes and keeps only the used ones. `directions` may
// be null when `fields` is. The point-charge form uses the operations of the
// scalar far-field rule, in the same order, so it gives the same numbers.
template <class Lanes, bool kWithField>
void PotentialsBy(const PatchLanesInput& patch, const double* x, const double* y, const double* z,
                  const double* const* directions, std::size_t count, double scale, double* potentials,
                  double* fields) {
  using V = typename Lanes::V;
  constexpr std::size_t kWidth = Lanes::kWidth;
  if (patch.edgeCount == 0) {
    for (std::size_t i = 0; i < count; ++i) {
      potentials[i] = 0.0;
      if constexpr (kWithField) fields[i] = 0.0;
    }
    return;
  }
  const auto splat = Lanes::Splat;
  const auto step = [&](const double* const* in, double* potential, double* field) {
    const V px = Lanes::Load(in[0]);
    const V py = Lanes::Load(in[1]);
    const V pz = Lanes::Load(in[2]);
    const V cx = px - splat(patch.centre.x);
    const V cy = py - splat(patch.centre.y);
    const V cz = pz - splat(patch.centre.z);
    const V distanceSquared = cx * cx + cy * cy + cz * cz;
    const auto near = distanceSquared <= splat(patch.farFieldDistanceSquared);
    const V distance = Lanes::Sqrt(distanceSquared);
    const V farPotential = splat(patch.area) / distance;
    if constexpr (kWithField) {
      const V ax = Lanes::Load(in[3]);
      const V ay = Lanes::Load(in[4]);
      const V az = Lanes::Load(in[5]);
      const V farField = splat(patch.area) * (cx * ax + cy * ay + cz * az) / (distanceSquared * distance);
      if (!Lanes::AnyTrue(near)) {
        Lanes::Store(potential, farPotential);
        Lanes::Store(field, farField);
        return;
      }
      const typename Lanes::Pair r =
          NearLanes<Lanes, true>(patch.edges, patch.edgeCount, patch.normal, px, py, pz, ax, ay, az, scale);
      Lanes::Store(potential, Lanes::Select(near, r.potential, farPotential));
      Lanes::Store(field, Lanes::Select(near, r.field, farField));
    } else {
      static_cast<void>(field);
      if (!Lanes::AnyTrue(near)) {
        Lanes::Store(potential, farPotential);
        return;
      }
      const V zero = splat(0.0);
      const V nearPotential = NearLanes<Lanes, false>(patch.edges, patch.edgeCount, patch.normal, px, py, pz,
                                                      zero, zero, zero, scale)
                                  .potential;
      Lanes::Store(potential, Lanes::Select(near, nearPotential, farPotential));
    }
  };
  const std::size_t inputs = kWithField ? 6 : 3;
  std::size_t i = 0;
  for (; i + kWidth <= count; i += kWidth) {
    const double* in[6] = {x + i, y + i, z + i, nullptr, nullptr, nullptr};
    if constexpr (kWithField) {
      for (std::size_t j = 0; j < 3; ++j) in[3 + j] = directions[j] + i;
    }
    step(in, potentials + i, kWithField ? fields + i : nullptr);
  }
  if (i == count) return;
  double padded[6][kWidth];
  const double* in[6];
  for (std::size_t j = 0; j < inputs; ++j) {
    const double* from = j < 3 ? (j == 0 ? x : j == 1 ? y : z) : directions[j - 3];
    for (std::size_t lane = 0; lane < kWidth; ++lane)
      padded[j][lane] = from[i + lane < count ? i + lane : count - 1];
    in[j] = padded[j];
  }
  double potential[kWidth];
  double field[kWidth];
  step(in, potential, field);
  for (std::size_t lane = 0; i + lane < count; ++lane) {
    potentials[i + lane] = potential[lane];
    if constexpr (kWithField) fields[i + lane] = field[lane];
  }
}

// The two entries of the path the lanes implement.
template <class Lanes>
LanesEntries EntriesOf() {
  return {PotentialsBy<Lanes, false>, PotentialsBy<Lanes, true>};
}

}  // namespace
}  // namespace quor::numeric
