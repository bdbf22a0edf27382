// The AVX2 version of LowerRayMinima: four centres per instruction.
#include <immintrin.h>

#include "solver/numeric/InstructionSetRegion.h"
#include "solver/segment/SegmentRayLanes.h"

QUOR_BEGIN_INSTRUCTION_SET("avx2")

namespace quor::solver {

namespace {

__m256d Splat(double value) {
  return _mm256_set1_pd(value);
}

}  // namespace

void LowerRayMinimaAvx2(const RaySegment& segment, const double* x, const double* y, const double* z,
                        const Point3* axes, bool normalToo, double* u, double* v, double* normal) {
  const __m256d px = _mm256_loadu_pd(x);
  const __m256d py = _mm256_loadu_pd(y);
  const __m256d pz = _mm256_loadu_pd(z);
  const Point3& a = segment.start;
  const Point3& b = segment.end;
  const Point3& e = segment.unit;
  const __m256d r =
      (px - Splat(a.x)) * Splat(e.x) + (py - Splat(a.y)) * Splat(e.y) + (pz - Splat(a.z)) * Splat(e.z);
  const __m256d zero = Splat(0.0);
  const auto before = r < zero;
  const auto beyond = r > Splat(segment.length);
  const auto nearest = [&](double start, double unit, double end) {
    const __m256d foot = Splat(start) + Splat(unit) * r;
    return beyond ? Splat(end) : (before ? Splat(start) : foot);
  };
  const __m256d wx = nearest(a.x, e.x, b.x) - px;
  const __m256d wy = nearest(a.y, e.y, b.y) - py;
  const __m256d wz = nearest(a.z, e.z, b.z) - pz;
  const __m256d length = _mm256_sqrt_pd(wx * wx + wy * wy + wz * wz);
  double* minima[3] = {u, v, normal};
  for (int i = 0; i < (normalToo ? 3 : 2); ++i) {
    const Point3& axis = axes[i];
    const __m256d cx = Splat(axis.y) * wz - Splat(axis.z) * wy;
    const __m256d cy = Splat(axis.z) * wx - Splat(axis.x) * wz;
    const __m256d cz = Splat(axis.x) * wy - Splat(axis.y) * wx;
    const auto parallel = (cx == zero) & (cy == zero) & (cz == zero);
    const __m256d dot = Splat(axis.x) * wx + Splat(axis.y) * wy + Splat(axis.z) * wz;
    const __m256d along = _mm256_andnot_pd(Splat(-0.0), dot);
    const __m256d distance =
        parallel ? length : (along <= Splat(kRayAlongLine) ? Splat(kRayNoMeeting) : length * length / along);
    _mm256_storeu_pd(minima[i], _mm256_min_pd(distance, _mm256_loadu_pd(minima[i])));
  }
}

}  // namespace quor::solver

QUOR_END_INSTRUCTION_SET
