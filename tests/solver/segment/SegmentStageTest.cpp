#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "solver/segment/SegmentRun.h"

using quor::solver::Plate;

namespace {

constexpr std::int32_t kTooManyPatches = 23;
constexpr std::int32_t kConductorWithoutPatch = 41;

Plate Conductor(std::int32_t index, std::vector<Polygon> outline) {
  return Plate(outline, index, 1.0, 1.0);
}

Plate Dielectric(std::int32_t conductorCount, std::vector<Polygon> outline, double epsA, double epsB) {
  return Plate(outline, conductorCount, epsA, epsB);
}

class SegmentStageTest : public SegmentRun {};

// A square of side 1000 with a step of 180: 5 whole steps and 100 left over,
// so 7 x 7 cells whose outer ring holds 50 units of the square. The 25 inner
// cells are full, the 20 side cells (0.28 of a cell) and the 4 corner cells
// (0.08) are kept, the grid being small; no inner cell lies 2 steps from both
// opposite edges except the centre one, so nothing merges.
TEST_F(SegmentStageTest, AnIsolatedSquareGetsThePatchCountOfItsGrid) {
  const std::vector<Plate> plates{Conductor(0, {Rectangle(0.0, 0.0, 1000.0, 1000.0)})};
  job.MinFeatureDistance = 180.0;
  ASSERT_EQ(Segment(1, plates), 0);
  const Listing listing = ReadListing();
  ExpectSoundListing(listing, 1, plates, job.NumberOfUnknowns);
  EXPECT_EQ(job.NumberOfUnknowns, 49);
  EXPECT_NEAR(PatchArea(listing.groups[0]), 1e6, 1e-3);

  std::int32_t previous = job.NumberOfUnknowns;
  for (const double resolution : {2.0, 4.0, 8.0}) {
    job.Resolution = resolution;
    ASSERT_EQ(Segment(1, plates), 0);
    EXPECT_GT(job.NumberOfUnknowns, previous) << "resolution " << resolution;
    previous = job.NumberOfUnknowns;
  }
}

// However large the refinement, a block never outgrows the grid (the limits
// stay integers) and cells within a step of an edge stay single.
TEST_F(SegmentStageTest, AHugeRefinementMergesAsFarAsTheEdgesAllow) {
  const std::vector<Plate> plates{Conductor(0, {Rectangle(0.0, 0.0, 1000.0, 1000.0)})};
  job.MinFeatureDistance = 180.0;
  job.Resolution = 4.0;
  ASSERT_EQ(Segment(1, plates), 0);
  const std::int32_t refinedOnce = job.NumberOfUnknowns;
  job.Refine = 100.0;
  ASSERT_EQ(Segment(1, plates), 0);
  const Listing listing = ReadListing();
  ExpectSoundListing(listing, 1, plates, job.NumberOfUnknowns);
  ExpectPlatesCovered(listing, 1, plates, 45.0);
  EXPECT_LT(job.NumberOfUnknowns, refinedOnce);
  double largest = 0.0;
  for (const ListedPatch& patch : listing.groups[0]) largest = std::max(largest, patch.polygon.Area());
  // 24 x 24 cells of 45, the border ring partial: the one block of a power of
  // two side, aligned on its multiple, that holds full cells only is 8..15.
  EXPECT_NEAR(largest, 8 * 8 * 45.0 * 45.0, 1e-6);
}

// Cells merge along the normal only as far as other conductors' edges allow.
// A ground plate one step below ends right under the centres of the square's
// middle column (u is x, the grid starts 40 before the square): those cells
// see the ground's edge one step away along the normal only, and stay single.
// The square's own edges, in its plane, never limit it along the normal.
TEST_F(SegmentStageTest, OtherConductorsEdgesBelowKeepTheCellsAboveSingle) {
  job.MinFeatureDistance = 180.0;
  job.Resolution = 4.0;
  job.Refine = 2.0;
  const double step = job.MinFeatureDistance / job.Resolution;
  const double groundEdge = -40.0 + 11.5 * step;
  const Plate square = Conductor(1, {Rectangle(0.0, 0.0, 1000.0, 1000.0, step)});
  Plate squareAlone = square;
  squareAlone.conductorIndex = 0;
  ASSERT_EQ(Segment(1, {squareAlone}), 0);
  const std::size_t alone = ReadListing().groups[0].size();
  const std::vector<Plate> overGround{Conductor(0, {Rectangle(-500.0, -500.0, groundEdge, 1500.0)}), square};
  ASSERT_EQ(Segment(2, overGround), 0);
  const Listing listing = ReadListing();
  ExpectSoundListing(listing, 2, overGround, job.NumberOfUnknowns);
  EXPECT_GT(listing.groups[1].size(), alone);
  int above = 0;
  for (const ListedPatch& patch : listing.groups[1]) {
    const auto [left, right] =
        std::minmax_element(patch.polygon.Vertices().begin(), patch.polygon.Vertices().end(),
                            [](const Point3& a, const Point3& b) { return a.x < b.x; });
    if (!(left->x < groundEdge && groundEdge < right->x)) continue;
    ++above;
    EXPECT_NEAR(right->x - left->x, step, 1e-9) << "a patch over the ground's edge at y " << left->y;
    EXPECT_LE(patch.polygon.Area(), step * step + 1e-6) << "a patch over the ground's edge at y " << left->y;
  }
  EXPECT_GE(above, 24) << "the middle column's cells";
}

TEST_F(SegmentStageTest, CraftedPlatesGiveSoundListingsThatCoverThePlates) {
  const Polygon lShape = Outline(
      {{200, 200, 500}, {800, 200, 500}, {800, 400, 500}, {450, 400, 500}, {450, 900, 500}, {200, 900, 500}});
  Polygon lHole = lShape;
  lHole.Reversed();
  const std::vector<Plate> plates{
      Conductor(0, {Rectangle(0.0, 0.0, 1000.0, 1000.0), Rectangle(300.0, 450.0, 550.0, 700.0).Reversed()}),
      Conductor(1, {Outline({{0, 1200, 0}, {1000, 1200, 0}, {1000, 1200, 300}, {0, 1200, 300}})}),
      Conductor(1, {lShape}),
      Conductor(2, {Outline({{0, 0, 600}, {800, 100, 700}, {200, 700, 650}})}),
      Dielectric(3, {Rectangle(-200.0, -200.0, 1400.0, 1300.0, 500.0), lHole}, 4.0, 1.0),
      Dielectric(3, {Rectangle(-200.0, -200.0, 1400.0, 1300.0, 900.0)}, 2.0, 2.0),
  };
  job.MinFeatureDistance = 80.0;
  job.Resolution = 1.5;
  job.Refine = 2.0;
  ASSERT_EQ(Segment(3, plates), 0);
  const Listing listing = ReadListing();
  ExpectSoundListing(listing, 3, plates, job.NumberOfUnknowns);

  ExpectPlatesCovered(listing, 3, plates, job.MinFeatureDistance / job.Resolution);
}

// Plates in file order: the conductor takes the first half of the bar, the
// interface between equal dielectrics no share at all; a whole run still
// ends the bar at 100.
TEST_F(SegmentStageTest, EqualPermittivitiesGiveNoPatchAndNoProgressStep) {
  const std::vector<Plate> plates{
      Conductor(0, {Rectangle(0.0, 0.0, 1000.0, 1000.0)}),
      Dielectric(1, {Rectangle(-500.0, -500.0, 1500.0, 1500.0, 100.0)}, 3.0, 3.0)};
  ASSERT_EQ(Segment(1, plates), 0);
  const Listing listing = ReadListing();
  EXPECT_GT(listing.groups[0].size(), 0u);
  EXPECT_EQ(listing.groups[1].size(), 0u);
  EXPECT_EQ(job.Progress.load(), 100);
}

// A conductor without a patch would take no charge and come out as a
// capacitance of zero: the run names it instead of writing a listing.
TEST_F(SegmentStageTest, AConductorWithoutPatchesIsNamedAndGetsNoListing) {
  const Plate ground = Conductor(0, {Rectangle(0.0, 0.0, 1000.0, 1000.0)});
  const Plate top = Conductor(2, {Rectangle(0.0, 0.0, 1000.0, 1000.0, 100.0)});
  EXPECT_EQ(Segment(3, {ground, top}), kConductorWithoutPatch) << "no plate of conductor 1";
  EXPECT_EQ(job.ErrorConductorIndex, 1);
  job.Resolution = 1e-300;
  EXPECT_EQ(Segment(3, {ground, top}), kConductorWithoutPatch) << "a grid step far beyond the plates";
  EXPECT_EQ(job.ErrorConductorIndex, 0);
  EXPECT_FALSE(std::filesystem::exists(ListingPath()));
}

TEST_F(SegmentStageTest, AListingThatCannotBeCreatedIsNamed) {
  const std::vector<Plate> plates{Conductor(0, {Rectangle(0.0, 0.0, 1000.0, 1000.0)})};
  std::filesystem::create_directory(ListingPath());
  EXPECT_EQ(Segment(1, plates), 40);
  EXPECT_STREQ(job.ErrorFileExtension, "lst");
}

TEST_F(SegmentStageTest, ParametersAndCountsAreCheckedAtTheirLimits) {
  const std::vector<Plate> ground{Conductor(0, {Rectangle(0.0, 0.0, 1000.0, 1000.0)})};
  struct Case {
    double resolution;
    double refine;
    double minFeatureDistance;
    std::int32_t error;
  };
  for (const Case c : {Case{0.0, 1.0, 100.0, 18}, Case{-1.0, 1.0, 100.0, 18}, Case{1e-6, 1.0, 100.0, 0},
                       Case{1.0, 0.0, 100.0, 19}, Case{1.0, 1e-6, 100.0, 0}, Case{1.0, 1.0, -1.0, 18}}) {
    job.Resolution = c.resolution;
    job.Refine = c.refine;
    job.MinFeatureDistance = c.minFeatureDistance;
    EXPECT_EQ(Segment(1, ground), c.error) << c.resolution << " " << c.refine << " " << c.minFeatureDistance;
  }
  job.Resolution = job.Refine = 1.0;
  job.MinFeatureDistance = 100.0;
  EXPECT_EQ(Segment(0, ground), 11);
  EXPECT_EQ(Segment(22, ground), 11);
  std::vector<Plate> everyConductor;
  for (std::int32_t c = 0; c <= 20; ++c)
    everyConductor.push_back(Conductor(c, {Rectangle(0.0, 0.0, 1000.0, 1000.0, 50.0 * c)}));
  EXPECT_EQ(Segment(21, everyConductor), 0) << "conductors 0 to 20";
  EXPECT_EQ(Segment(1, {Conductor(2, {Rectangle(0.0, 0.0, 1000.0, 1000.0)})}), 11)
      << "index beyond the dielectric";
  EXPECT_EQ(job.NumberOfUnknowns, 0);

  std::ofstream(m_base.string() + ".sg1") << "1\n2\n1\n4\n0 0 0\n";
  EXPECT_EQ(SegmentPath(m_base), 1) << "a plate file cut short";
  EXPECT_EQ(SegmentPath(m_folder / "missing"), 1);
}

TEST_F(SegmentStageTest, APlateWhoseFrameOverflowsIsAnUnusablePlateFile) {
  // A vertical square of side 1e200: its edge lengths and normal overflow double.
  std::filesystem::copy_file(
      std::filesystem::path(QUOR_SOURCE_DIR) / "tests/data/hostile/sg1_huge_vertical_plate.sg1",
      m_base.string() + ".sg1");
  EXPECT_EQ(SegmentPath(m_base), 1);
  EXPECT_EQ(job.NumberOfUnknowns, 0);
}

// 745 x 775 with a step of 10: 74 x 77 full cells, a ring of quarter cells
// kept and four corner scraps dropped, nothing merged: 76 x 79 - 4 = 6000.
TEST_F(SegmentStageTest, NoGroupGrowsBeyond6000WhereverItsPatchesComeFrom) {
  const Plate full = Conductor(0, {Rectangle(0.0, 0.0, 745.0, 775.0)});
  const Plate triangle = Conductor(0, {Outline({{0, 0, 50}, {30, 0, 50}, {0, 30, 50}})});
  job.MinFeatureDistance = 10.0;
  job.Refine = 1e-6;
  ASSERT_EQ(Segment(1, {full}), 0);
  EXPECT_EQ(job.NumberOfUnknowns, 6000);

  // The last patch comes from a clipped cell, then from the merge.
  EXPECT_EQ(Segment(1, {full, triangle}), kTooManyPatches);
  EXPECT_EQ(Segment(1, {triangle, full}), kTooManyPatches);
  EXPECT_FALSE(std::filesystem::exists(ListingPath()));
  Plate other = triangle;
  other.conductorIndex = 1;
  EXPECT_EQ(Segment(2, {full, other}), 0) << "the limit is per group";
}

TEST_F(SegmentStageTest, AStoppedRunLeavesNoListing) {
  const std::vector<Plate> plates{Conductor(0, {Rectangle(0.0, 0.0, 1000.0, 1000.0)})};
  std::ofstream(ListingPath()) << "an older listing\n";
  job.RunFlag = 0;
  EXPECT_EQ(SegmentPath(m_base), 1) << "no plate file yet";
  EXPECT_FALSE(std::filesystem::exists(ListingPath()));

  std::ofstream(m_base.string() + ".sg1") << "1\n1\n1\n4\n0 0 0\n1000 0 0\n1000 1000 0\n0 1000 0\n0\n1 1\n";
  EXPECT_EQ(SegmentPath(m_base), 0);
  EXPECT_EQ(job.NumberOfUnknowns, 0);
  EXPECT_FALSE(std::filesystem::exists(ListingPath()));

  // Stopped while the first plate is meshed, a thousand rows before its end.
  job.MinFeatureDistance = 1.0;
  job.RunFlag = 1;
  std::thread canceller([&] {
    while (job.Progress.load() == 0) std::this_thread::yield();
    job.RunFlag = 0;
  });
  EXPECT_EQ(Segment(1, plates), 0);
  canceller.join();
  EXPECT_EQ(job.NumberOfUnknowns, 0);
  EXPECT_FALSE(std::filesystem::exists(ListingPath()));
}

}  // namespace
