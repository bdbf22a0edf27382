// The vector patch kernel for processors with AVX2, with the logarithm and
// arc tangent of the C library's vector math library.
#include <immintrin.h>

#include "solver/numeric/InstructionSetRegion.h"
#include "solver/numeric/NearPotentialVector.h"

QUOR_BEGIN_INSTRUCTION_SET("avx2")

extern "C" __m256d _ZGVdN4v_log(__m256d);
extern "C" __m256d _ZGVdN4vv_atan2(__m256d, __m256d);

#include "solver/numeric/NearPotentialLanes.h"

namespace quor::numeric {

namespace {

struct Avx2Lanes {
  using V = __m256d;
  struct Pair {
    V potential;
    V field;
  };
  static constexpr std::size_t kWidth = 4;
  static V Load(const double* p) { return _mm256_loadu_pd(p); }
  static void Store(double* p, V v) { _mm256_storeu_pd(p, v); }
  static V Splat(double value) { return _mm256_set1_pd(value); }
  static V Abs(V v) { return _mm256_andnot_pd(_mm256_set1_pd(-0.0), v); }
  static V Sqrt(V v) { return _mm256_sqrt_pd(v); }
  static V Log(V v) { return _ZGVdN4v_log(v); }
  static V Atan2(V y, V x) { return _ZGVdN4vv_atan2(y, x); }
  template <class Mask>
  static V Select(Mask mask, V a, V b) {
    return mask ? a : b;
  }
  template <class Mask>
  static bool AnyTrue(Mask mask) {
    return _mm256_movemask_pd(reinterpret_cast<__m256d>(mask)) != 0;
  }
};

}  // namespace

LanesEntries Avx2Entries() {
  return EntriesOf<Avx2Lanes>();
}

}  // namespace quor::numeric

QUOR_END_INSTRUCTION_SET
