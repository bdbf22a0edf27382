// The dense single-precision moment-method system of a listing: one unknown
// surface charge density per patch, one condition per patch (a given
// potential on a conductor patch, continuity of the normal displacement on a
// dielectric interface patch), and the normal field at the conductor patches
// that border two different dielectrics, which the charge sums need.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "solver/numeric/PatchKernelData.h"
#include "solver/numeric/PointColumns.h"
#include "solver/numeric/PotentialBatch.h"
#include "solver/numeric/Vec3.h"

namespace quor::solver {

struct TessmorListing;

class MomentSystem {
 public:
  // Allocates the whole system (std::bad_alloc when it does not fit); its
  // entries are set by Fill.
  // `scale` is the mesh length that sets the kernel's tolerances.
  MomentSystem(const TessmorListing& listing, double scale);

  // Fills the matrix and the field rows on all cores, column by column;
  // `progress` rises monotonically to the share of columns done, and `run` is
  // read before every column. Returns false when `run` stopped the fill.
  bool Fill(std::atomic<std::int32_t>& progress, const std::atomic<std::int32_t>& run);
  // False when the fill produced a NaN or an infinity anywhere.
  bool Finite() const { return !m_nonFinite.load(); }

  std::int32_t Unknowns() const { return m_unknowns; }
  std::int32_t ConductorCount() const { return m_conductorCount; }
  // N × N, column-major: entry (k, l) at k + N·l.
  std::span<float> Matrix() {
    return {m_matrix.get(), static_cast<std::size_t>(m_unknowns) * static_cast<std::size_t>(m_unknowns)};
  }
  // N × Nc, column-major: column j is 1 on the patches of conductor j.
  std::vector<float> RightHandSides() const;

  // Per patch, in listing order.
  struct PatchTerms {
    std::int32_t conductor = 0;  // the conductor count for a dielectric interface patch
    double area = 0.0;
    double epsA = 1.0;
    double epsB = 1.0;
    std::int32_t fieldRow = -1;  // row of FieldRows(), or -1 where the field is not needed
  };
  std::span<const PatchTerms> Patches() const { return m_terms; }
  std::int32_t ConductorPatchCount() const { return m_conductorPatches; }
  // One row of N normal field values per conductor patch between two
  // different dielectrics, self term included.
  std::span<const float> FieldRow(std::int32_t row) const;

 private:
  void FillColumns(std::int32_t first, std::int32_t last, const std::atomic<std::int32_t>& run,
                   std::atomic<std::int32_t>& columnsDone, std::atomic<std::int32_t>& progress);
  bool FillPotentialRows(std::int32_t l, std::vector<double>& values);
  bool FillFieldRows(std::int32_t l, std::vector<double>& potentials, std::vector<double>& fields);

  std::int32_t m_unknowns = 0;
  std::int32_t m_conductorCount = 0;
  std::int32_t m_conductorPatches = 0;
  double m_scale = 0.0;
  std::vector<quor::numeric::PatchKernelData> m_sources;
  std::vector<quor::numeric::Vec3> m_normals;  // the direction of each row's field
  std::vector<PatchTerms> m_terms;
  // The conductor rows that need only the potential, with their centres.
  std::vector<std::int32_t> m_potentialRows;
  quor::numeric::PointColumns m_potentialPoints;
  // The rows that need the field: conductor rows with a field row and
  // dielectric rows with a contrast.
  std::vector<std::int32_t> m_fieldUsingRows;
  quor::numeric::PointColumns m_fieldPoints;
  quor::numeric::PointColumns m_fieldDirections;
  // The dielectric rows without contrast: their diagonal alone.
  std::vector<std::int32_t> m_uncoupledRows;
  std::unique_ptr<float[]> m_matrix;
  std::int32_t m_fieldRowCount = 0;
  std::unique_ptr<float[]> m_fieldRows;
  std::atomic<bool> m_nonFinite = false;
};

}  // namespace quor::solver
