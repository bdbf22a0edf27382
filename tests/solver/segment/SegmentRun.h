// Runs the segmentation, as the library's export does, on a plate file
// written into a fresh folder, reads back the listing, and checks what every
// listing must satisfy.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "solver/Plate.h"
#include "solver/StageFixture.h"

struct ListedPatch {
  Polygon polygon;
  double epsA = 0.0;
  double epsB = 0.0;
};

struct Listing {
  std::int32_t conductorCount = 0;
  std::vector<std::vector<ListedPatch>> groups;  // the dielectric group last
  std::int32_t Total() const;
};

Polygon Outline(std::initializer_list<Point3> vertices);
// A horizontal axis-parallel rectangle, counter-clockwise seen from +z.
Polygon Rectangle(double left, double bottom, double right, double top, double z = 0.0);

class SegmentRun : public StageFixture {
 protected:
  SegmentRun() : StageFixture("quor-segment-") { UseBasePath(m_folder / "project"); }
  void SetUp() override;

  // Writes the plate file and runs the segmentation on it; returns job.Error.
  std::int32_t Segment(std::int32_t conductorCount, const std::vector<quor::solver::Plate>& plates);
  // Runs it on the plate file already at base path base.
  std::int32_t SegmentPath(const std::filesystem::path& base);

  std::filesystem::path ListingPath() const { return m_base.string() + ".lst"; }
  // Fails the test on a listing that does not follow the format.
  Listing ReadListing() const;
};

// Every patch has 3 to 6 vertices and lies in the plane of some plate of its
// group with that plate's permittivities; the counts add up to the unknowns.
void ExpectSoundListing(const Listing& listing, std::int32_t conductorCount,
                        const std::vector<quor::solver::Plate>& plates, std::int32_t unknowns);

// The patches of each group cover its plates (interfaces between equal
// dielectrics carry none) but for the scraps below a tenth of a cell that
// the boundary cells drop; full cells count whole above 0.99 of a cell.
void ExpectPlatesCovered(const Listing& listing, std::int32_t conductorCount,
                         const std::vector<quor::solver::Plate>& plates, double step);

double OutlineArea(const quor::solver::Plate& plate);  // the outer boundary less the holes
double PatchArea(const std::vector<ListedPatch>& patches);
