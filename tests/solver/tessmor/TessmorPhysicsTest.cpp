// End to end from a project file, as the editor runs it: Checker, Segment
// and Tessmor on projects built with the editor's own model, and on the
// sample projects; the results checked against physics.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <memory>
#include <numbers>

#include "editor/model/CConductorPolygon.h"
#include "editor/model/CDielectric.h"
#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/QlxProjectFile.h"
#include "solver/CheckerStage.h"
#include "solver/SegmentStage.h"
#include "solver/StageFrame.h"
#include "solver/tessmor/TessmorRun.h"
#include "tessmor/ComputeError.h"

using quor::solver::CheckerStage;
using quor::solver::RunStage;
using quor::solver::SegmentStage;
using quor::solver::StageKind;

namespace {

constexpr double kMm = 100.0;  // internal units of 0.01 mm
constexpr std::int32_t kMaxUnknowns = 6000;

void AddRectangle(quor::CStructure& structure, double z, double left, double bottom, double right, double top,
                  std::uint32_t conductor) {
  auto polygon = std::make_unique<quor::CConductorPolygon>();
  for (const auto& [x, y] : {std::pair{left, bottom}, {right, bottom}, {right, top}, {left, top}}) {
    polygon->AddNode({x, y, z});
  }
  polygon->SetClosed(true);
  polygon->conductorIndex = conductor;
  structure.AddNewShapeAtZ(z, std::move(polygon));
}

class TessmorPhysics : public TessmorRun {
 protected:
  void Save(quor::CStructure& structure, const quor::DocumentSettings& settings = {}) const {
    quor::SaveQlxProjectFile(Result("qlx"), settings, structure);
  }

  // Checks the project; then segments it at `resolution`, or at the
  // project's own with 0; returns the Segment error code.
  std::int32_t CheckAndSegment(double resolution = 0.0) {
    job.RunFlag = 1;
    RunStage(&job, StageKind::Checker, CheckerStage);
    EXPECT_EQ(job.Error, 0) << "Checker";
    if (resolution > 0.0) job.Resolution = resolution;
    RunStage(&job, StageKind::Segment, SegmentStage);
    return job.Error;
  }

  // Segments at the finest resolution that stays within the solver's limit.
  void SegmentFinestUnderTheLimit() {
    double fine = 1.0;
    while (CheckAndSegment(2.0 * fine) == 0 && job.NumberOfUnknowns <= kMaxUnknowns) fine *= 2.0;
    double coarse = fine;
    fine *= 2.0;
    for (int step = 0; step < 8; ++step) {
      const double middle = 0.5 * (coarse + fine);
      (CheckAndSegment(middle) == 0 && job.NumberOfUnknowns <= kMaxUnknowns ? coarse : fine) = middle;
    }
    ASSERT_EQ(CheckAndSegment(coarse), 0);
  }

  // The project of that name under the source tree's `folder` becomes this test's.
  void CopyProject(const char* folder, const char* name) const {
    std::filesystem::copy_file(std::filesystem::path(QUOR_SOURCE_DIR) / folder / name, Result("qlx"));
  }

  // Checks, segments and solves the sample project of that name.
  Matrix SolveSample(const char* name) {
    CopyProject("examples", name);
    EXPECT_EQ(CheckAndSegment(), 0);
    EXPECT_EQ(Run(), 0);
    return ReadMaxwellMatrix();
  }
};

// The capacitance of a square plate of side a alone in space is
// 0.3667874·4πε0·a; the mesh converges to it from below.
TEST_F(TessmorPhysics, AnIsolatedSquarePlateHasTheKnownCapacitance) {
  const double side = 10 * kMm;
  quor::CStructure structure;
  structure.SetFootprint(3 * side, 3 * side);
  structure.AddLayer(quor::CDielectric(1.0, 0.0), std::nullopt, true, false);
  AddRectangle(structure, 0.0, side, side, 2 * side, 2 * side, 0);
  // Little merging, so that finer resolutions give more patches.
  Save(structure, {.Refine = 0.3});
  SegmentFinestUnderTheLimit();
  EXPECT_GT(job.NumberOfUnknowns, kMaxUnknowns / 2);
  ASSERT_EQ(Run(), 0);

  const Matrix b = ReadMaxwellMatrix();
  ASSERT_EQ(b.size(), 1u);
  const double exact = 0.3667874 * 4.0 * std::numbers::pi * 8.8541878e-12 * side * 1e-5;
  EXPECT_NEAR(b[0][0] / exact, 1.0, 0.015) << job.NumberOfUnknowns << " unknowns";
}

// Two lines over a ground plane on a dielectric: the same structure at twice
// every length is the same mesh at twice the size, with twice the charges.
TEST_F(TessmorPhysics, DoublingEveryLengthDoublesTheMaxwellMatrix) {
  Matrix sizes[2];
  for (const int scale : {1, 2}) {
    const double s = scale * kMm;
    quor::CStructure structure;
    structure.SetFootprint(12 * s, 8 * s);
    structure.AddLayer(quor::CDielectric(1.0, 0.0), std::nullopt, true, false);
    structure.AddLayer(quor::CDielectric(4.4, 1.6 * s), "FR-4", true, false);
    AddRectangle(structure, 0.0, 1 * s, 1 * s, 11 * s, 7 * s, 0);
    AddRectangle(structure, 1.6 * s, 2 * s, 2.5 * s, 10 * s, 3.5 * s, 1);
    AddRectangle(structure, 1.6 * s, 2 * s, 4.5 * s, 10 * s, 5.5 * s, 2);
    Save(structure);
    ASSERT_EQ(CheckAndSegment(2.0), 0);
    ASSERT_EQ(Run(), 0);
    sizes[scale - 1] = ReadMaxwellMatrix();
  }
  ASSERT_EQ(sizes[0].size(), 3u);
  ASSERT_EQ(sizes[1].size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    for (std::size_t j = 0; j < 3; ++j) {
      EXPECT_NEAR(sizes[1][i][j] / sizes[0][i][j], 2.0, 2e-4) << "B[" << i << "][" << j << "]";
    }
  }
  ExpectMaxwellMatrix(sizes[0], 1e-2);
}

// Each conductor's charge is negative on every other conductor: B has a
// positive diagonal and negative entries elsewhere, and is symmetric but for
// the point matching of the charges.
TEST_F(TessmorPhysics, TheSampleProjectsGiveSymmetricMaxwellMatrices) {
  for (const char* sample : {"plate.qlx", "microstrip.qlx"}) {
    SCOPED_TRACE(sample);
    const Matrix b = SolveSample(sample);
    EXPECT_EQ(b.size(), 2u);
    ExpectMaxwellMatrix(b, 1e-3);
    std::filesystem::remove(Result("qlx"));
  }
  // Three conductors and a via on a coarse mesh: the point matching leaves a
  // few parts in a thousand.
  const Matrix coupled = SolveSample("coupled_lines.qlx");
  EXPECT_EQ(coupled.size(), 3u);
  ExpectMaxwellMatrix(coupled, 1e-2);
}

// A project whose sweep has 2^31 points passes the check and the
// segmentation; its run writes the sweep point by point until cancelled.
TEST_F(TessmorPhysics, TheLongestSweepRunsUntilCancelled) {
  CopyProject("tests/data/hostile", "qlx_frequency_steps_intmax.qlx");
  ASSERT_EQ(CheckAndSegment(), 0);
  ASSERT_EQ(job.FrequencySteps, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RunCancelledWhen([this] { return job.Progress.load() == 100; }),
            static_cast<std::int32_t>(ComputeError::SolveFailed));
  EXPECT_FALSE(std::filesystem::exists(Result("dat")));
}

}  // namespace
