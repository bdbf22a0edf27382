#include "solver/tessmor/MomentSystem.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "solver/numeric/PatchPotentialField.h"
#include "solver/tessmor/ParallelTasks.h"
#include "solver/tessmor/TessmorListing.h"
#include "solver/tessmor/VacuumPermittivity.h"

namespace numeric = quor::numeric;

namespace {

// Rows handed to a worker at a time: sixteen floats share a cache line of a
// column, so neighbouring workers rarely write the same line.
constexpr std::int32_t kRowsPerTask = 16;

numeric::Vec3 ToVec3(const Point3& p) {
  return {p.x, p.y, p.z};
}

numeric::PatchKernelData KernelData(const Polygon& polygon) {
  std::vector<numeric::Vec3> vertices;
  vertices.reserve(static_cast<std::size_t>(polygon.Count()));
  for (const Point3& v : polygon.Vertices()) vertices.push_back(ToVec3(v));
  return numeric::PatchKernelData(vertices);
}

// Raises `progress` to `value` unless another worker already set more.
void RaiseProgress(std::atomic<std::int32_t>& progress, std::int32_t value) {
  std::int32_t current = progress.load();
  while (current < value && !progress.compare_exchange_weak(current, value)) {
  }
}

}  // namespace

MomentSystem::MomentSystem(const TessmorListing& listing, double scale)
    : m_unknowns(static_cast<std::int32_t>(listing.patches.size())),
      m_conductorCount(listing.conductorCount),
      m_conductorPatches(listing.conductorPatchCount),
      m_scale(scale) {
  assert(m_conductorPatches >= 0 && m_conductorPatches <= m_unknowns && "a whole listing");
  const auto n = static_cast<std::size_t>(m_unknowns);
  m_sources.reserve(n);
  m_normals.reserve(n);
  m_terms.reserve(n);
  std::int32_t fieldRows = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const ListingPatch& patch = listing.patches[k];
    m_sources.push_back(KernelData(patch.polygon));
    m_normals.push_back(ToVec3(patch.polygon.UnitNormal()));
    PatchTerms terms{
        .conductor = patch.conductor, .area = patch.polygon.Area(), .epsA = patch.epsA, .epsB = patch.epsB};
    // The field enters a conductor's charge only through (epsA - epsB).
    if (static_cast<std::int32_t>(k) < m_conductorPatches && patch.epsA != patch.epsB) {
      terms.fieldRow = fieldRows++;
    }
    m_terms.push_back(terms);
  }
  m_matrix.resize(n * n);
  m_fieldRows.resize(static_cast<std::size_t>(fieldRows) * n);
}

std::span<const float> MomentSystem::FieldRow(std::int32_t row) const {
  const auto n = static_cast<std::size_t>(m_unknowns);
  assert(row >= 0 && static_cast<std::size_t>(row) * n < m_fieldRows.size() && "a field row of the system");
  return std::span<const float>(m_fieldRows).subspan(static_cast<std::size_t>(row) * n, n);
}

bool MomentSystem::Fill(std::atomic<std::int32_t>& progress, const std::atomic<std::int32_t>& run) {
  std::atomic<std::int32_t> rowsDone = 0;
  const std::int64_t tasks = (m_unknowns + kRowsPerTask - 1) / kRowsPerTask;
  RunParallelTasks(tasks, [&](std::int64_t task) {
    const auto first = static_cast<std::int32_t>(task) * kRowsPerTask;
    FillRows(first, std::min(first + kRowsPerTask, m_unknowns), run, rowsDone, progress);
  });
  return rowsDone.load() == m_unknowns;
}

void MomentSystem::FillRows(std::int32_t first, std::int32_t last, const std::atomic<std::int32_t>& run,
                            std::atomic<std::int32_t>& rowsDone, std::atomic<std::int32_t>& progress) {
  for (std::int32_t k = first; k < last; ++k) {
    if (run.load() == 0) return;
    const bool finite = k < m_conductorPatches ? FillConductorRow(k) : FillDielectricRow(k);
    if (!finite) m_nonFinite.store(true);
    // 64-bit: rows × 100 passes the 32-bit range long before the unknowns' limit matters.
    const std::int64_t done = rowsDone.fetch_add(1) + 1;
    RaiseProgress(progress, static_cast<std::int32_t>(done * 100 / m_unknowns));
  }
}

// Row k holds the potential at patch k's centre due to unit density on each
// patch; its field row, where there is one, the normal field there.
bool MomentSystem::FillConductorRow(std::int32_t k) {
  const auto n = static_cast<std::size_t>(m_unknowns);
  const auto row = static_cast<std::size_t>(k);
  const numeric::Vec3& point = m_sources[row].centre;
  const numeric::Vec3& direction = m_normals[row];
  const std::int32_t fieldRow = m_terms[row].fieldRow;
  float* field = fieldRow < 0 ? nullptr : m_fieldRows.data() + static_cast<std::size_t>(fieldRow) * n;
  bool finite = true;
  for (std::size_t l = 0; l < n; ++l) {
    const numeric::PotentialAndField value = PatchPotentialField(m_sources[l], point, m_scale, direction);
    const auto potential = static_cast<float>(value.potential * kCoulombFactor);
    m_matrix[row + n * l] = potential;
    finite = finite && std::isfinite(potential);
    if (field == nullptr) continue;
    field[l] = static_cast<float>(value.field * kCoulombFactor);
    finite = finite && std::isfinite(field[l]);
  }
  // The kernel gives no normal field at a patch's own centre: the jump of
  // the field across the charged sheet is added here.
  if (field != nullptr) field[row] = static_cast<float>(1.0 / (2.0 * kEpsilon0));
  return finite;
}

// Row k: the normal displacement is continuous across interface patch k.
bool MomentSystem::FillDielectricRow(std::int32_t k) {
  const auto n = static_cast<std::size_t>(m_unknowns);
  const auto row = static_cast<std::size_t>(k);
  const PatchTerms& terms = m_terms[row];
  const numeric::Vec3& point = m_sources[row].centre;
  const numeric::Vec3& direction = m_normals[row];
  const double contrast = (terms.epsA - terms.epsB) * kCoulombFactor;
  bool finite = true;
  for (std::size_t l = 0; l < n; ++l) {
    float value = 0.0f;
    // Without contrast the field is not needed.
    if (l != row && contrast != 0.0) {
      value =
          static_cast<float>(contrast * PatchPotentialField(m_sources[l], point, m_scale, direction).field);
    }
    m_matrix[row + n * l] = value;
    finite = finite && std::isfinite(value);
  }
  const auto self = static_cast<float>((terms.epsA + terms.epsB) / (2.0 * kEpsilon0));
  m_matrix[row + n * row] = self;
  return finite && std::isfinite(self);
}

std::vector<float> MomentSystem::RightHandSides() const {
  const auto n = static_cast<std::size_t>(m_unknowns);
  std::vector<float> x(n * static_cast<std::size_t>(m_conductorCount), 0.0f);
  for (std::size_t k = 0; k < static_cast<std::size_t>(m_conductorPatches); ++k) {
    x[k + n * static_cast<std::size_t>(m_terms[k].conductor)] = 1.0f;
  }
  return x;
}
