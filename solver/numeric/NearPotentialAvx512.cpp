// The vector patch kernel for processors with AVX-512, eight points a step,
// with the logarithm and arc tangent of the C library's vector math library.
#include <immintrin.h>

#include "solver/numeric/InstructionSetRegion.h"
#include "solver/numeric/NearPotentialVector.h"

QUOR_BEGIN_INSTRUCTION_SET("avx512f")

extern "C" __m512d _ZGVeN8v_log(__m512d);
extern "C" __m512d _ZGVeN8vv_atan2(__m512d, __m512d);

#include "solver/numeric/NearPotentialLanes.h"

namespace quor::numeric {

namespace {

struct Avx512Lanes {
  using V = __m512d;
  struct Pair {
    V potential;
    V field;
  };
  static constexpr std::size_t kWidth = 8;
  static V Load(const double* p) { return _mm512_loadu_pd(p); }
  static void Store(double* p, V v) { _mm512_storeu_pd(p, v); }
  static V Splat(double value) { return _mm512_set1_pd(value); }
  static V Abs(V v) { return _mm512_abs_pd(v); }
  // The masked form: the plain one reads an undefined source that GCC 12 warns about.
  static V Sqrt(V v) { return _mm512_mask_sqrt_pd(v, 0xFF, v); }
  static V Log(V v) { return _ZGVeN8v_log(v); }
  static V Atan2(V y, V x) { return _ZGVeN8vv_atan2(y, x); }
  template <class Mask>
  static V Select(Mask mask, V a, V b) {
    return mask ? a : b;
  }
  template <class Mask>
  static bool AnyTrue(Mask mask) {
    return _mm512_test_epi64_mask(reinterpret_cast<__m512i>(mask), reinterpret_cast<__m512i>(mask)) != 0;
  }
};

}  // namespace

LanesEntries Avx512Entries() {
  return EntriesOf<Avx512Lanes>();
}

}  // namespace quor::numeric

QUOR_END_INSTRUCTION_SET
