#include "solver/tessmor/MomentSystem.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

#include "solver/numeric/PatchPotentialField.h"
#include "solver/tessmor/ParallelTasks.h"
#include "solver/tessmor/TessmorListing.h"
#include "solver/tessmor/VacuumPermittivity.h"

namespace quor::solver {

namespace numeric = quor::numeric;

namespace {

// Columns handed to a worker at a time: enough to make the scratch of a task
// cheap, few enough to keep all cores busy to the end.
constexpr std::int32_t kColumnsPerTask = 4;

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
    if (static_cast<std::int32_t>(k) < m_conductorPatches && terms.fieldRow < 0) {
      m_potentialRows.push_back(static_cast<std::int32_t>(k));
      m_potentialPoints.Add(m_sources[k].centre);
    } else if (static_cast<std::int32_t>(k) < m_conductorPatches || patch.epsA != patch.epsB) {
      m_fieldUsingRows.push_back(static_cast<std::int32_t>(k));
      m_fieldPoints.Add(m_sources[k].centre);
      m_fieldDirections.Add(m_normals[k]);
    } else {
      m_uncoupledRows.push_back(static_cast<std::int32_t>(k));
    }
    m_terms.push_back(terms);
  }
  // Left unset: the fill writes every entry, on the workers that own its
  // columns, instead of the caller's thread zeroing them all first.
  m_matrix = std::make_unique_for_overwrite<float[]>(n * n);
  m_fieldRowCount = fieldRows;
  m_fieldRows = std::make_unique_for_overwrite<float[]>(static_cast<std::size_t>(fieldRows) * n);
#ifndef NDEBUG
  // Debug builds start from NaN, so that an entry the fill misses shows.
  std::fill_n(m_matrix.get(), n * n, std::numeric_limits<float>::quiet_NaN());
  std::fill_n(m_fieldRows.get(), static_cast<std::size_t>(fieldRows) * n,
              std::numeric_limits<float>::quiet_NaN());
#endif
}

std::span<const float> MomentSystem::FieldRow(std::int32_t row) const {
  const auto n = static_cast<std::size_t>(m_unknowns);
  assert(row >= 0 && row < m_fieldRowCount && "a field row of the system");
  return {m_fieldRows.get() + static_cast<std::size_t>(row) * n, n};
}

bool MomentSystem::Fill(std::atomic<std::int32_t>& progress, const std::atomic<std::int32_t>& run) {
  std::atomic<std::int32_t> columnsDone = 0;
  const std::int64_t tasks = (m_unknowns + kColumnsPerTask - 1) / kColumnsPerTask;
  RunParallelTasks(tasks, [&](std::int64_t task) {
    const auto first = static_cast<std::int32_t>(task) * kColumnsPerTask;
    FillColumns(first, std::min(first + kColumnsPerTask, m_unknowns), run, columnsDone, progress);
  });
  return columnsDone.load() == m_unknowns;
}

void MomentSystem::FillColumns(std::int32_t first, std::int32_t last, const std::atomic<std::int32_t>& run,
                               std::atomic<std::int32_t>& columnsDone, std::atomic<std::int32_t>& progress) {
  std::vector<double> values(m_potentialRows.size());
  std::vector<double> potentials(m_fieldUsingRows.size());
  std::vector<double> fields(m_fieldUsingRows.size());
  for (std::int32_t l = first; l < last; ++l) {
    if (run.load() == 0) return;
    const bool finite = FillPotentialRows(l, values) && FillFieldRows(l, potentials, fields);
    if (!finite) m_nonFinite.store(true);
    // 64-bit: columns × 100 passes the 32-bit range long before the unknowns' limit matters.
    const std::int64_t done = columnsDone.fetch_add(1) + 1;
    RaiseProgress(progress, static_cast<std::int32_t>(done * 100 / m_unknowns));
  }
}

// Conductor row k holds the potential at patch k's centre due to unit
// density on each patch l; column l is the source patch l. A dielectric row
// without contrast holds only its diagonal.
bool MomentSystem::FillPotentialRows(std::int32_t l, std::vector<double>& values) {
  const auto n = static_cast<std::size_t>(m_unknowns);
  const auto column = static_cast<std::size_t>(l);
  float* entries = m_matrix.get() + n * column;
  numeric::EvaluatePotentials(m_sources[column], m_potentialPoints, m_scale, values);
  bool finite = true;
  for (std::size_t j = 0; j < m_potentialRows.size(); ++j) {
    const auto potential = static_cast<float>(values[j] * kCoulombFactor);
    entries[m_potentialRows[j]] = potential;
    finite = finite && std::isfinite(potential);
  }
  for (const std::int32_t k : m_uncoupledRows) {
    const auto row = static_cast<std::size_t>(k);
    const PatchTerms& terms = m_terms[row];
    const float value =
        row == column ? static_cast<float>((terms.epsA + terms.epsB) / (2.0 * kEpsilon0)) : 0.0f;
    entries[row] = value;
    finite = finite && std::isfinite(value);
  }
  return finite;
}

// A conductor row with a field row gets the potential in the matrix and the
// normal field at its centre in its field row; the kernel gives no normal
// field at a patch's own centre, so the jump of the field across the charged
// sheet takes its place. A dielectric row states that the normal
// displacement is continuous across interface patch k.
bool MomentSystem::FillFieldRows(std::int32_t l, std::vector<double>& potentials,
                                 std::vector<double>& fields) {
  const auto n = static_cast<std::size_t>(m_unknowns);
  const auto column = static_cast<std::size_t>(l);
  float* entries = m_matrix.get() + n * column;
  numeric::EvaluateFields(m_sources[column], m_fieldPoints, m_fieldDirections, m_scale, potentials, fields);
  bool finite = true;
  for (std::size_t j = 0; j < m_fieldUsingRows.size(); ++j) {
    const auto row = static_cast<std::size_t>(m_fieldUsingRows[j]);
    const PatchTerms& terms = m_terms[row];
    if (row < static_cast<std::size_t>(m_conductorPatches)) {
      const auto potential = static_cast<float>(potentials[j] * kCoulombFactor);
      const auto field = static_cast<float>(fields[j] * kCoulombFactor);
      entries[row] = potential;
      finite = finite && std::isfinite(potential) && std::isfinite(field);
      m_fieldRows[static_cast<std::size_t>(terms.fieldRow) * n + column] =
          row == column ? static_cast<float>(1.0 / (2.0 * kEpsilon0)) : field;
      continue;
    }
    float value = static_cast<float>((terms.epsA + terms.epsB) / (2.0 * kEpsilon0));
    if (row != column) {
      const double contrast = (terms.epsA - terms.epsB) * kCoulombFactor;
      value = static_cast<float>(contrast * fields[j]);
    }
    entries[row] = value;
    finite = finite && std::isfinite(value);
  }
  return finite;
}

std::vector<float> MomentSystem::RightHandSides() const {
  const auto n = static_cast<std::size_t>(m_unknowns);
  std::vector<float> x(n * static_cast<std::size_t>(m_conductorCount), 0.0f);
  for (std::size_t k = 0; k < static_cast<std::size_t>(m_conductorPatches); ++k) {
    x[k + n * static_cast<std::size_t>(m_terms[k].conductor)] = 1.0f;
  }
  return x;
}

}  // namespace quor::solver
