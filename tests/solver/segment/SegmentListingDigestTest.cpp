// The listings of the sample projects, of a large plate and of a board with
// vias and dielectrics stay byte for byte what they were
// when these digests were taken: any change to the meshing, however small,
// shows here.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "solver/CheckerStage.h"
#include "solver/SegmentStage.h"
#include "solver/StageFixture.h"
#include "solver/StageFrame.h"
#include "solver/checker/QlxTestProject.h"

using quor::solver::CheckerStage;
using quor::solver::RunStage;
using quor::solver::SegmentStage;
using quor::solver::StageKind;

namespace {

// 64-bit FNV-1a: a digest that is the same on every platform.
std::uint64_t Digest(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

class SegmentListingDigest : public StageFixture {
 protected:
  SegmentListingDigest() : StageFixture("quor-segment-digest-") {}

  // Checks the project at `qlx`, segments it at `resolution` (its own with
  // 0) and returns the listing's digest.
  std::uint64_t ListingDigest(const std::filesystem::path& qlx, double resolution = 0.0) {
    const std::filesystem::path base = qlx.parent_path() / qlx.stem();
    UseBasePath(base);
    job.RunFlag = 1;
    RunStage(&job, StageKind::Checker, CheckerStage);
    EXPECT_EQ(job.Error, 0);
    if (resolution > 0.0) job.Resolution = resolution;
    RunStage(&job, StageKind::Segment, SegmentStage);
    EXPECT_EQ(job.Error, 0);
    std::ifstream in(base.string() + ".lst", std::ios::binary);
    return Digest(std::string(std::istreambuf_iterator<char>(in), {}));
  }

  std::uint64_t SampleDigest(const char* name, double resolution = 0.0) {
    const std::filesystem::path qlx = m_folder / name;
    std::filesystem::copy_file(std::filesystem::path(QUOR_SOURCE_DIR) / "examples" / name, qlx);
    return ListingDigest(qlx, resolution);
  }

  std::uint64_t ProjectDigest(const TestProject& project, double resolution) {
    const std::filesystem::path qlx = m_folder / "project.qlx";
    WriteQlx(qlx, project);
    return ListingDigest(qlx, resolution);
  }
};

TEST_F(SegmentListingDigest, SampleProjectsAtTheirOwnAndAFinerResolution) {
  EXPECT_EQ(SampleDigest("coupled_lines.qlx"), 14222000209327040268u) << "coupled lines";
  std::filesystem::remove_all(m_folder / "coupled_lines.qlx");
  EXPECT_EQ(SampleDigest("coupled_lines.qlx", 6.2), 18329284539846628174u) << "coupled lines at 6.2";
  EXPECT_EQ(SampleDigest("microstrip.qlx"), 2637209656949831649u) << "microstrip";
  EXPECT_EQ(SampleDigest("plate.qlx"), 15511419967184696215u) << "plate";
}

TEST_F(SegmentListingDigest, ALargePlateMergedWithRefinementOne) {
  EXPECT_EQ(ProjectDigest(SquarePlateProject(1000.0, 1.0), 220.0), 13373001739137634257u);
  EXPECT_EQ(job.NumberOfUnknowns, 5912);
}

TEST_F(SegmentListingDigest, ABoardWithViasAndDielectrics) {
  EXPECT_EQ(ProjectDigest(BoardProject(), 1.04), 3548564183293221271u);
  EXPECT_GT(job.NumberOfUnknowns, 5000);
}

}  // namespace
