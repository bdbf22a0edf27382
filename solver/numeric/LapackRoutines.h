// The LAPACK and BLAS routines the blocked LU calls, declared as the system
// libraries export them: Fortran symbols, every argument by reference, and
// one hidden length argument per character argument at the end. Private to
// solver/numeric. C linkage keeps the symbols the libraries export; the
// namespace keeps the declarations out of the global one.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quor::numeric {

extern "C" {

void sgetf2_(const std::int32_t* m, const std::int32_t* n, float* a, const std::int32_t* lda,
             std::int32_t* ipiv, std::int32_t* info);

void slaswp_(const std::int32_t* n, float* a, const std::int32_t* lda, const std::int32_t* k1,
             const std::int32_t* k2, const std::int32_t* ipiv, const std::int32_t* incx);

void strsm_(const char* side, const char* uplo, const char* transa, const char* diag, const std::int32_t* m,
            const std::int32_t* n, const float* alpha, const float* a, const std::int32_t* lda, float* b,
            const std::int32_t* ldb, std::size_t sideLength, std::size_t uploLength, std::size_t transaLength,
            std::size_t diagLength);

void sgemm_(const char* transa, const char* transb, const std::int32_t* m, const std::int32_t* n,
            const std::int32_t* k, const float* alpha, const float* a, const std::int32_t* lda,
            const float* b, const std::int32_t* ldb, const float* beta, float* c, const std::int32_t* ldc,
            std::size_t transaLength, std::size_t transbLength);

void sgetrs_(const char* trans, const std::int32_t* n, const std::int32_t* nrhs, const float* a,
             const std::int32_t* lda, const std::int32_t* ipiv, float* b, const std::int32_t* ldb,
             std::int32_t* info, std::size_t transLength);

std::int32_t ilaenv_(const std::int32_t* ispec, const char* name, const char* opts, const std::int32_t* n1,
                     const std::int32_t* n2, const std::int32_t* n3, const std::int32_t* n4,
                     std::size_t nameLength, std::size_t optsLength);
}

}  // namespace quor::numeric
