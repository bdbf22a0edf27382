// Dense single-precision LU solve in the shape of LAPACK's SGESV/SGETRF, with
// progress and cancellation between block columns. Matrices are column-major,
// pivot indices 1-based, and the result is INFO as LAPACK gives it:
//   0     success;
//   > 0   U(INFO, INFO) is exactly zero: the matrix is singular (no solve is done);
//   -1    the run flag was cleared during the factorization (or the first argument is negative);
//   < -1  argument -INFO is illegal; the message goes to the diagnostics sink.
#pragma once

#include <atomic>
#include <cstdint>

namespace quor::numeric {

class DiagnosticsSink;

// P·A = L·U with partial pivoting for the M × N matrix A (leading dimension
// lda); ipiv receives min(M, N) pivots. When the problem is larger than one
// block, `progress` is set after every block column and a cleared `run` stops
// the factorization after the block in hand; smaller problems are factored in
// one go and touch neither.
std::int32_t FactorLU(std::int32_t m, std::int32_t n, float* a, std::int32_t lda, std::int32_t* ipiv,
                      std::atomic<std::int32_t>& progress, const std::atomic<std::int32_t>& run,
                      DiagnosticsSink& diagnostics);

// Solves A·X = B for the N × N matrix A and N × NRHS right-hand sides B, which
// are overwritten by the solution; A is overwritten by its factors.
std::int32_t SolveLinearSystem(std::int32_t n, std::int32_t nrhs, float* a, std::int32_t lda,
                               std::int32_t* ipiv, float* b, std::int32_t ldb,
                               std::atomic<std::int32_t>& progress, const std::atomic<std::int32_t>& run,
                               DiagnosticsSink& diagnostics);

// The same with both leading dimensions equal to N (at least 1).
std::int32_t SolveSystem(std::int32_t n, std::int32_t nrhs, float* a, std::int32_t* ipiv, float* b,
                         std::atomic<std::int32_t>& progress, const std::atomic<std::int32_t>& run,
                         DiagnosticsSink& diagnostics);

}  // namespace quor::numeric
