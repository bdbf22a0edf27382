// Right-looking blocked LU over the system LAPACK/BLAS: the panel by SGETF2,
// the rest by SLASWP, STRSM and SGEMM, so that nearly all work is level 3.
#include "solver/numeric/BlockedLU.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>

#include "solver/numeric/DiagnosticsSink.h"
#include "solver/numeric/LapackRoutines.h"

namespace quor::numeric {

namespace {

// Element (row, column) of a column-major matrix, both counted from 1.
float* At(float* a, std::int32_t lda, std::int32_t row, std::int32_t column) {
  return a + (static_cast<std::ptrdiff_t>(row) - 1) +
         (static_cast<std::ptrdiff_t>(column) - 1) * static_cast<std::ptrdiff_t>(lda);
}

// The text LAPACK's XERBLA prints; the routine name is trimmed as it does.
void ReportIllegalArgument(DiagnosticsSink& diagnostics, const char* routine, std::int32_t argument) {
  char message[96];
  std::snprintf(message, sizeof message, " ** On entry to %s parameter number %2d had an illegal value",
                routine, static_cast<int>(argument));
  diagnostics.Report(message);
}

// The share of the factorization done once block column `first` is finished:
// the remaining work falls with a high power of the remaining order.
std::int32_t BlockProgress(std::int32_t first, std::int32_t n) {
  const double rest = 1.0 - static_cast<double>(first) / static_cast<double>(n);
  return static_cast<std::int32_t>(100.0 * (1.0 - rest * rest * rest * rest));
}

// From this order on the blocks are four times what ILAENV suggests: with the
// panels factored recursively, the wider SGEMM updates and the fewer row
// interchange passes of the large systems save more than the extra panel
// work costs, and there are still enough blocks for smooth progress and a
// prompt stop.
constexpr std::int32_t kWideBlockOrder = 2048;
constexpr std::int32_t kWideBlockFactor = 4;

std::int32_t BlockSize(std::int32_t m, std::int32_t n) {
  const std::int32_t ispec = 1;
  const std::int32_t unused = -1;
  const std::int32_t suggested = ilaenv_(&ispec, "SGETRF", " ", &m, &n, &unused, &unused, 6, 1);
  return std::min(m, n) >= kWideBlockOrder && suggested >= 2 ? kWideBlockFactor * suggested : suggested;
}

// Panels at most this wide go to SGETF2 whole: narrow enough that its
// column-by-column rank-one updates stay cheap next to the level-3 work.
constexpr std::int32_t kNarrowPanel = 16;

// LU with partial pivoting of the rows × columns panel `a` (rows ≥ columns),
// pivots relative to the panel's first row; returns SGETF2's INFO for the
// whole panel. A wide panel is split in two halves: the left half is factored,
// its interchanges, STRSM and SGEMM bring the right half up to date, and the
// right half's lower part is factored the same way. In exact arithmetic this
// gives SGETF2's factors and pivots, but the bulk of the updates become
// SGEMM calls, which run on all cores while SGETF2 runs on one.
std::int32_t FactorPanel(std::int32_t rows, std::int32_t columns, float* a, std::int32_t lda,
                         std::int32_t* ipiv) {
  std::int32_t info = 0;
  if (columns <= kNarrowPanel) {
    sgetf2_(&rows, &columns, a, &lda, ipiv, &info);
    return info;
  }
  const std::int32_t left = columns / 2;
  const std::int32_t right = columns - left;
  info = FactorPanel(rows, left, a, lda, ipiv);

  const std::int32_t one = 1;
  const float plusOne = 1.0f;
  const float minusOne = -1.0f;
  float* topRight = At(a, lda, 1, left + 1);
  slaswp_(&right, topRight, &lda, &one, &left, ipiv, &one);
  strsm_("Left", "Lower", "No transpose", "Unit", &left, &right, &plusOne, a, &lda, topRight, &lda, 1, 1, 1,
         1);
  const std::int32_t below = rows - left;
  float* lowerRight = At(a, lda, left + 1, left + 1);
  sgemm_("No transpose", "No transpose", &below, &right, &left, &minusOne, At(a, lda, left + 1, 1), &lda,
         topRight, &lda, &plusOne, lowerRight, &lda, 1, 1);

  const std::int32_t rightInfo = FactorPanel(below, right, lowerRight, lda, ipiv + left);
  if (info == 0 && rightInfo > 0) info = rightInfo + left;
  for (std::int32_t i = left; i < columns; ++i) ipiv[i] += left;
  const std::int32_t firstRight = left + 1;
  slaswp_(&left, a, &lda, &firstRight, &columns, ipiv, &one);
  return info;
}

// Factors the panel of columns j..j+jb-1 and applies it to the columns on its
// right; returns the panel's own INFO. The panel's row interchanges reach the
// columns on its left later, through ApplyLaterInterchanges.
std::int32_t FactorBlockColumn(std::int32_t m, std::int32_t n, float* a, std::int32_t lda, std::int32_t* ipiv,
                               std::int32_t j, std::int32_t jb) {
  const std::int32_t panelInfo = FactorPanel(m - j + 1, jb, At(a, lda, j, j), lda, ipiv + (j - 1));

  const std::int32_t lastPivot = std::min(m, j + jb - 1);
  for (std::int32_t i = j; i <= lastPivot; ++i) ipiv[i - 1] += j - 1;

  if (j + jb > n) return panelInfo;

  const std::int32_t one = 1;
  const std::int32_t blockEnd = j + jb - 1;
  const std::int32_t right = n - j - jb + 1;
  slaswp_(&right, At(a, lda, 1, j + jb), &lda, &j, &blockEnd, ipiv, &one);
  const float plusOne = 1.0f;
  const float minusOne = -1.0f;
  strsm_("Left", "Lower", "No transpose", "Unit", &jb, &right, &plusOne, At(a, lda, j, j), &lda,
         At(a, lda, j, j + jb), &lda, 1, 1, 1, 1);
  if (j + jb > m) return panelInfo;

  const std::int32_t below = m - j - jb + 1;
  sgemm_("No transpose", "No transpose", &below, &right, &jb, &minusOne, At(a, lda, j + jb, j), &lda,
         At(a, lda, j, j + jb), &lda, &plusOne, At(a, lda, j + jb, j + jb), &lda, 1, 1);
  return panelInfo;
}

// The columns of a factored block are never read again, so the row
// interchanges of the blocks after it can wait: applied here in one pass per
// block, they touch each column once instead of once per later block, which
// saves most of the memory traffic of the interchanges. `lastPivot` is the
// last row whose pivot has been chosen.
void ApplyLaterInterchanges(float* a, std::int32_t lda, const std::int32_t* ipiv, std::int32_t nb,
                            std::int32_t lastPivot) {
  const std::int32_t one = 1;
  for (std::int32_t j = 1; j + nb <= lastPivot; j += nb) {
    const std::int32_t firstLater = j + nb;
    slaswp_(&nb, At(a, lda, 1, j), &lda, &firstLater, &lastPivot, ipiv, &one);
  }
}

}  // namespace

std::int32_t FactorLU(std::int32_t m, std::int32_t n, float* a, std::int32_t lda, std::int32_t* ipiv,
                      std::atomic<std::int32_t>& progress, const std::atomic<std::int32_t>& run,
                      DiagnosticsSink& diagnostics) {
  std::int32_t info = 0;
  if (m < 0) {
    info = -1;
  } else if (n < 0) {
    info = -2;
  } else if (lda < std::max(1, m)) {
    info = -4;
  }
  if (info != 0) {
    ReportIllegalArgument(diagnostics, "SGETRF", -info);
    return info;
  }
  if (m == 0 || n == 0) return 0;

  const std::int32_t order = std::min(m, n);
  const std::int32_t nb = BlockSize(m, n);
  if (nb < 2 || nb >= order) {
    sgetf2_(&m, &n, a, &lda, ipiv, &info);
    return info;
  }

  for (std::int32_t j = 1; j <= order; j += nb) {
    const std::int32_t jb = std::min(order - j + 1, nb);
    const std::int32_t panelInfo = FactorBlockColumn(m, n, a, lda, ipiv, j, jb);
    if (info == 0 && panelInfo > 0) info = panelInfo + j - 1;
    progress.store(BlockProgress(j, n));
    if (run.load() == 0) {
      ApplyLaterInterchanges(a, lda, ipiv, nb, j + jb - 1);
      return -1;
    }
  }
  ApplyLaterInterchanges(a, lda, ipiv, nb, order);
  return info;
}

std::int32_t SolveLinearSystem(std::int32_t n, std::int32_t nrhs, float* a, std::int32_t lda,
                               std::int32_t* ipiv, float* b, std::int32_t ldb,
                               std::atomic<std::int32_t>& progress, const std::atomic<std::int32_t>& run,
                               DiagnosticsSink& diagnostics) {
  std::int32_t info = 0;
  if (n < 0) {
    info = -1;
  } else if (nrhs < 0) {
    info = -2;
  } else if (lda < std::max(1, n)) {
    info = -4;
  } else if (ldb < std::max(1, n)) {
    info = -7;
  }
  if (info != 0) {
    ReportIllegalArgument(diagnostics, "SGESV", -info);
    return info;
  }

  info = FactorLU(n, n, a, lda, ipiv, progress, run, diagnostics);
  if (info != 0) return info;
  sgetrs_("No transpose", &n, &nrhs, a, &lda, ipiv, b, &ldb, &info, 1);
  return info;
}

std::int32_t SolveSystem(std::int32_t n, std::int32_t nrhs, float* a, std::int32_t* ipiv, float* b,
                         std::atomic<std::int32_t>& progress, const std::atomic<std::int32_t>& run,
                         DiagnosticsSink& diagnostics) {
  // An empty system still needs the leading dimension LAPACK accepts.
  const std::int32_t leading = std::max(1, n);
  return SolveLinearSystem(n, nrhs, a, leading, ipiv, b, leading, progress, run, diagnostics);
}

}  // namespace quor::numeric
