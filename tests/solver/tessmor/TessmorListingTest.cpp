#include "solver/tessmor/TessmorListing.h"

#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <string>

#include "solver/QuorError.h"
#include "solver/tessmor/TessmorRun.h"

namespace quor::solver {

namespace {

const std::atomic<std::int32_t> kRunning = 1;

// The code a listing is refused with, or None.
ComputeError Refusal(const std::string& text) {
  std::istringstream in(text);
  try {
    ReadTessmorListing(in, kRunning);
  } catch (QUOR_error::error code) {
    return code;
  }
  return ComputeError::None;
}

const char* kTriangle = "3\n0 0 0\n1 0 0\n0 1 0\n1 1\n";

TEST(TessmorListing, KeepsTheGroupsOfTheListingInOrder) {
  std::vector<TestPatch> patches = TiledRectangle(0, 0, 0, 10, 10, 0, 2, 1);
  const std::vector<TestPatch> second = TiledRectangle(1, 0, 0, 10, 10, 5, 1, 1);
  patches.insert(patches.end(), second.begin(), second.end());
  patches.push_back({2, {{0, 0, 2}, {10, 0, 2}, {10, 10, 2}}, 4.4, 1.0});
  std::istringstream in(ListingText(2, patches));
  const TessmorListing listing = ReadTessmorListing(in, kRunning);
  EXPECT_EQ(listing.conductorCount, 2);
  EXPECT_EQ(listing.conductorPatchCount, 3);
  ASSERT_EQ(listing.patches.size(), 4u);
  EXPECT_EQ(listing.patches[1].conductor, 0);
  EXPECT_EQ(listing.patches[2].conductor, 1);
  EXPECT_EQ(listing.patches[3].conductor, 2) << "the dielectric group is the conductor count";
  EXPECT_EQ(listing.patches[3].polygon.Count(), 3);
  EXPECT_EQ(listing.patches[3].epsA, 4.4);
  EXPECT_EQ(listing.patches[3].epsB, 1.0);
}

// Every count is checked before it sizes or indexes anything.
TEST(TessmorListing, RefusesCountsOutOfRange) {
  EXPECT_EQ(Refusal("0\n0\n"), ComputeError::ConductorIndexOutOfRange);
  EXPECT_EQ(Refusal("-3\n"), ComputeError::ConductorIndexOutOfRange);
  EXPECT_EQ(Refusal("22\n"), ComputeError::ConductorIndexOutOfRange);
  // Conductor indices run to 20: 21 conductors is the most.
  std::string emptyGroups;
  for (int group = 0; group <= 21; ++group) emptyGroups += "0\n";
  EXPECT_EQ(Refusal("21\n" + emptyGroups), ComputeError::None);
  EXPECT_EQ(Refusal("1\n-1\n1\n"), ComputeError::ProjectFileNotOpened);
  EXPECT_EQ(Refusal("1\n1\n-1\n"), ComputeError::ProjectFileNotOpened);
}

// 6001 patches are refused from the counts alone, before any patch is read
// or any room is made for one; counts whose sum passes the 32-bit range too.
TEST(TessmorListing, RefusesMoreThan6000PatchesFromTheCounts) {
  EXPECT_EQ(Refusal("2\n3000\n3000\n1\n"), ComputeError::TooManyPatchesInListing);
  EXPECT_EQ(Refusal("1\n2147483647\n2147483647\n"), ComputeError::TooManyPatchesInListing);
  EXPECT_EQ(Refusal("1\n6000\n0\n"), ComputeError::ProjectFileNotOpened) << "6000 are taken, then missing";
}

TEST(TessmorListing, RefusesTextThatIsNotAListing) {
  EXPECT_EQ(Refusal(""), ComputeError::ProjectFileNotOpened);
  EXPECT_EQ(Refusal("one\n"), ComputeError::ProjectFileNotOpened);
  EXPECT_EQ(Refusal("1\n1\n0\n"), ComputeError::ProjectFileNotOpened) << "a patch is missing";
  EXPECT_EQ(Refusal("1\n1\n0\n2\n0 0 0\n1 0 0\n1 1\n"), ComputeError::ProjectFileNotOpened)
      << "two vertices make no patch";
  EXPECT_EQ(Refusal("1\n1\n0\n3\n0 0 0\n1 0 0\n0 x 0\n1 1\n"), ComputeError::ProjectFileNotOpened);
  EXPECT_EQ(Refusal("1\n1\n0\n3\n0 0 0\n1 0 0\n0 1 0\n1\n"), ComputeError::ProjectFileNotOpened)
      << "a permittivity is missing";
  EXPECT_EQ(Refusal(std::string("1\n1\n0\n") + kTriangle), ComputeError::None);
}

TEST(TessmorListing, StopsReadingWhenTheRunIsCancelled) {
  const std::atomic<std::int32_t> stopped = 0;
  std::istringstream in(std::string("1\n2\n0\n") + kTriangle + kTriangle);
  EXPECT_TRUE(ReadTessmorListing(in, stopped).patches.empty());
}

}  // namespace

}  // namespace quor::solver
