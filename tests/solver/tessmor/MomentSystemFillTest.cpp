// The parallel, column-by-column fill with its vector paths against the
// system written out entry by entry from the full scalar kernel,
// on the listings of the sample projects, and the Maxwell matrices both give.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "solver/CheckerStage.h"
#include "solver/SegmentStage.h"
#include "solver/StageFixture.h"
#include "solver/StageFrame.h"
#include "solver/numeric/BlockedLU.h"
#include "solver/numeric/DiagnosticsSink.h"
#include "solver/numeric/PatchPotentialField.h"
#include "solver/tessmor/ChargeSums.h"
#include "solver/tessmor/MomentSystem.h"
#include "solver/tessmor/TessmorListing.h"
#include "solver/tessmor/TessmorRun.h"
#include "solver/tessmor/VacuumPermittivity.h"

namespace quor::solver {

namespace numeric = quor::numeric;

namespace {

class IgnoredDiagnostics : public numeric::DiagnosticsSink {
 public:
  void Report(std::string_view) override {}
};

numeric::Vec3 ToVec3(const Point3& p) {
  return {p.x, p.y, p.z};
}

// The system by its definition, row by row, every entry from the full kernel.
struct ReferenceSystem {
  std::vector<float> matrix;               // column-major
  std::vector<std::vector<float>> fields;  // per conductor patch with a contrast
};

ReferenceSystem ReferenceFill(const TessmorListing& listing, double scale) {
  const std::size_t n = listing.patches.size();
  std::vector<numeric::PatchKernelData> sources;
  for (const ListingPatch& patch : listing.patches) {
    std::vector<numeric::Vec3> vertices;
    for (const Point3& v : patch.polygon.Vertices()) vertices.push_back(ToVec3(v));
    sources.emplace_back(vertices);
  }
  ReferenceSystem reference{.matrix = std::vector<float>(n * n)};
  for (std::size_t k = 0; k < n; ++k) {
    const ListingPatch& patch = listing.patches[k];
    const numeric::Vec3 direction = ToVec3(patch.polygon.UnitNormal());
    const bool conductor = k < static_cast<std::size_t>(listing.conductorPatchCount);
    const bool contrast = patch.epsA != patch.epsB;
    std::vector<float> field(n);
    for (std::size_t l = 0; l < n; ++l) {
      const numeric::PotentialAndField value =
          numeric::PatchPotentialField(sources[l], sources[k].centre, scale, direction);
      float& entry = reference.matrix[k + n * l];
      if (conductor) {
        entry = static_cast<float>(value.potential * kCoulombFactor);
        field[l] = static_cast<float>(l == k ? 1.0 / (2.0 * kEpsilon0) : value.field * kCoulombFactor);
      } else if (l == k) {
        entry = static_cast<float>((patch.epsA + patch.epsB) / (2.0 * kEpsilon0));
      } else if (contrast) {
        entry = static_cast<float>((patch.epsA - patch.epsB) * kCoulombFactor * value.field);
      }
    }
    if (conductor && contrast) reference.fields.push_back(std::move(field));
  }
  return reference;
}

SquareMatrix MaxwellMatrix(const MomentSystem& system, std::vector<float> matrix) {
  std::vector<float> charges = system.RightHandSides();
  std::vector<std::int32_t> pivots(static_cast<std::size_t>(system.Unknowns()));
  std::atomic<std::int32_t> progress = 0;
  const std::atomic<std::int32_t> run = 1;
  IgnoredDiagnostics diagnostics;
  EXPECT_EQ(numeric::SolveSystem(system.Unknowns(), system.ConductorCount(), matrix.data(), pivots.data(),
                                 charges.data(), progress, run, diagnostics),
            0);
  return SumCharges(system, charges);
}

class MomentSystemFill : public StageFixture {
 protected:
  MomentSystemFill() : StageFixture("moment-fill-test-") {}

  // The sample checked and segmented at `resolution` as the editor does.
  TessmorListing SampleListing(const char* name, double resolution) {
    UseBasePath(m_folder / "sample");
    std::filesystem::copy_file(std::filesystem::path(QUOR_SOURCE_DIR) / "examples" / name,
                               m_folder / "sample.qlx");
    job.RunFlag = 1;
    RunStage(&job, StageKind::Checker, CheckerStage);
    EXPECT_EQ(job.Error, 0);
    job.Resolution = resolution;
    RunStage(&job, StageKind::Segment, SegmentStage);
    EXPECT_EQ(job.Error, 0);
    std::ifstream in(m_folder / "sample.lst");
    return ReadTessmorListing(in, job.RunFlag);
  }

  void ExpectTheDefinedSystem(const TessmorListing& listing) {
    ExpectTheDefinedSystem(listing, job.MinFeatureDistance / job.Resolution);
  }

  void ExpectTheDefinedSystem(const TessmorListing& listing, double scale) {
    MomentSystem system(listing, scale);
    std::atomic<std::int32_t> progress = 0;
    ASSERT_TRUE(system.Fill(progress, job.RunFlag));
    EXPECT_EQ(progress.load(), 100);
    ASSERT_TRUE(system.Finite());
    const ReferenceSystem reference = ReferenceFill(listing, scale);

    const std::vector<float> filled(system.Matrix().begin(), system.Matrix().end());
    ASSERT_EQ(filled.size(), reference.matrix.size());
    const std::size_t n = listing.patches.size();
    std::size_t differing = 0;
    for (std::size_t i = 0; i < filled.size(); ++i) {
      // The vector logarithm may move a potential by a few double ulps, and so its float by one.
      ASSERT_NEAR(filled[i], reference.matrix[i], 1.2e-7 * std::abs(reference.matrix[i]))
          << "row " << i % n << ", column " << i / n;
      if (filled[i] != reference.matrix[i]) ++differing;
    }
    EXPECT_LT(differing, filled.size() / 100);
    ASSERT_EQ(reference.fields.size(),
              system.Patches().size() -
                  std::count_if(system.Patches().begin(), system.Patches().end(),
                                [](const MomentSystem::PatchTerms& t) { return t.fieldRow < 0; }));
    for (std::size_t row = 0; row < reference.fields.size(); ++row) {
      const auto field = system.FieldRow(static_cast<std::int32_t>(row));
      const std::vector<float>& expected = reference.fields[row];
      float largest = 0.0f;
      for (const float value : expected) largest = std::max(largest, std::abs(value));
      // Where the edge terms cancel, a few ulps of the largest term remain.
      for (std::size_t l = 0; l < n; ++l) {
        ASSERT_NEAR(field[l], expected[l], 1.2e-7 * std::abs(expected[l]) + 1e-12 * largest)
            << "field row " << row << ", column " << l;
      }
    }

    const SquareMatrix b = MaxwellMatrix(system, filled);
    const SquareMatrix expected = MaxwellMatrix(system, reference.matrix);
    double largest = 0.0;
    for (std::int32_t i = 0; i < b.Size(); ++i) largest = std::max(largest, std::abs(expected(i, i)));
    ASSERT_GT(largest, 0.0);
    for (std::int32_t i = 0; i < b.Size(); ++i) {
      for (std::int32_t j = 0; j < b.Size(); ++j) {
        EXPECT_NEAR(b(i, j), expected(i, j), 1e-6 * largest) << "B(" << i << ", " << j << ")";
      }
    }
  }
};

// Microstrip: conductors over a dielectric, with field rows and interface rows.
TEST_F(MomentSystemFill, MicrostripSampleGivesTheDefinedSystemAndMaxwellMatrix) {
  const TessmorListing listing = SampleListing("microstrip.qlx", 2.0);
  ASSERT_GT(listing.patches.size(), 300u);
  ASSERT_LT(listing.conductorPatchCount, static_cast<std::int32_t>(listing.patches.size()));
  ExpectTheDefinedSystem(listing);
}

TEST_F(MomentSystemFill, CoupledLinesSampleGivesTheDefinedSystemAndMaxwellMatrix) {
  const TessmorListing listing = SampleListing("coupled_lines.qlx", 1.5);
  ASSERT_GT(listing.patches.size(), 300u);
  ExpectTheDefinedSystem(listing);
}

// Rows of every kind: conductor rows with and without a field row, and
// interface rows with and without a contrast, the last holding nothing but
// their diagonal.
TEST_F(MomentSystemFill, EveryKindOfRowOfAHandMadeListingGetsItsDefinedEntries) {
  std::vector<TestPatch> patches = TiledRectangle(0, 0, 0, 100, 100, 0, 4, 4);
  for (TestPatch& patch : TiledRectangle(1, 20, 20, 60, 60, 50, 3, 3)) {
    patch.epsA = 4.0;
    patches.push_back(patch);
  }
  for (TestPatch& patch : TiledRectangle(2, -10, -10, 120, 120, 25, 5, 5)) {
    patch.epsB = 4.0;
    patches.push_back(patch);
  }
  for (const TestPatch& patch : TiledRectangle(2, 0, 0, 50, 50, 75, 2, 2)) patches.push_back(patch);
  std::istringstream text(ListingText(2, patches));
  const std::atomic<std::int32_t> run = 1;
  const TessmorListing listing = ReadTessmorListing(text, run);
  ASSERT_EQ(listing.patches.size(), patches.size());
  job.RunFlag = 1;
  ExpectTheDefinedSystem(listing, 10.0);
}

}  // namespace

}  // namespace quor::solver
