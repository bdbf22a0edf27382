#include "solver/segment/SegmentRun.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "solver/SegmentStage.h"
#include "solver/StageFrame.h"
#include "solver/TextNumbers.h"
#include "solver/checker/Sg1File.h"
#include "support/TestFiles.h"

using quor::solver::Plate;
using quor::solver::ReadInteger;
using quor::solver::ReadReal;

namespace {

constexpr std::size_t kVertexLineLength = 48;
constexpr std::size_t kPermittivityLineLength = 32;

bool InPlateOf(const ListedPatch& patch, const Plate& plate) {
  const Polygon& outer = plate.outline.front();
  const Point3 normal = outer.UnitNormal();
  const double tol = 1e-6 * std::sqrt(outer.Area());
  for (const Point3& p : patch.polygon.Vertices()) {
    if (std::fabs(Point3Dot(p - outer.Vertices().front(), normal)) > tol) return false;
  }
  return patch.epsA == plate.epsA && patch.epsB == plate.epsB;
}

// The vertex and permittivity lines are fixed-width fields.
void ExpectLineLengths(const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.find(' ') == std::string::npos) continue;  // a count
    EXPECT_TRUE(line.size() == kVertexLineLength || line.size() == kPermittivityLineLength) << line;
  }
}

double OutlinePerimeter(const Plate& plate) {
  double perimeter = 0.0;
  for (const Polygon& polygon : plate.outline) {
    const auto v = polygon.Vertices();
    for (std::size_t i = 0; i < v.size(); ++i) perimeter += (v[(i + 1) % v.size()] - v[i]).Length();
  }
  return perimeter;
}

}  // namespace

std::int32_t Listing::Total() const {
  std::int32_t total = 0;
  for (const auto& group : groups) total += static_cast<std::int32_t>(group.size());
  return total;
}

Polygon Outline(std::initializer_list<Point3> vertices) {
  return Polygon(std::vector<Point3>(vertices));
}

Polygon Rectangle(double left, double bottom, double right, double top, double z) {
  return Outline({{left, bottom, z}, {right, bottom, z}, {right, top, z}, {left, top, z}});
}

void SegmentRun::SetUp() {
  job.MinFeatureDistance = 100.0;
  job.Resolution = 1.0;
  job.Refine = 1.0;
  job.RunFlag = 1;
}

std::int32_t SegmentRun::Segment(std::int32_t conductorCount, const std::vector<Plate>& plates) {
  std::ofstream out(m_base.string() + ".sg1");
  quor::solver::WriteSg1File(out, conductorCount, plates);
  out.close();
  return SegmentPath(m_base);
}

std::int32_t SegmentRun::SegmentPath(const std::filesystem::path& base) {
  UseBasePath(base);
  job.DoneFlag = 0;
  job.Progress = 0;
  job.NumberOfUnknowns = -7;
  EXPECT_EQ(quor::solver::RunStage(&job, quor::solver::StageKind::Segment, quor::solver::SegmentStage), 0);
  EXPECT_EQ(job.DoneFlag.load(), 1);
  return job.Error;
}

Listing SegmentRun::ReadListing() const {
  const std::string text = quor::test::ReadFile(ListingPath());
  ExpectLineLengths(text);

  std::istringstream in(text);
  Listing listing;
  EXPECT_TRUE(ReadInteger(in, listing.conductorCount));
  std::vector<std::int32_t> counts(static_cast<std::size_t>(std::max(listing.conductorCount + 1, 0)));
  for (std::int32_t& count : counts) EXPECT_TRUE(ReadInteger(in, count));
  for (const std::int32_t count : counts) {
    auto& group = listing.groups.emplace_back();
    for (std::int32_t i = 0; i < count && in; ++i) {
      ListedPatch& patch = group.emplace_back();
      patch.polygon.Read(in);
      ReadReal(in, patch.epsA);
      ReadReal(in, patch.epsB);
    }
  }
  std::string rest;
  EXPECT_TRUE(in && !(in >> rest)) << "listing incomplete or longer than its counts say";
  return listing;
}

void ExpectSoundListing(const Listing& listing, std::int32_t conductorCount, const std::vector<Plate>& plates,
                        std::int32_t unknowns) {
  EXPECT_EQ(listing.conductorCount, conductorCount);
  ASSERT_EQ(listing.groups.size(), static_cast<std::size_t>(conductorCount) + 1);
  EXPECT_EQ(listing.Total(), unknowns);
  for (std::size_t group = 0; group < listing.groups.size(); ++group) {
    for (const ListedPatch& patch : listing.groups[group]) {
      EXPECT_GE(patch.polygon.Count(), 3);
      EXPECT_LE(patch.polygon.Count(), 6);
      EXPECT_GT(patch.polygon.Area(), 0.0);
      bool inPlate = false;
      for (const Plate& plate : plates) {
        inPlate =
            inPlate || (plate.conductorIndex == static_cast<std::int32_t>(group) && InPlateOf(patch, plate));
      }
      EXPECT_TRUE(inPlate) << "a patch of group " << group << " off its plates";
    }
  }
}

void ExpectPlatesCovered(const Listing& listing, std::int32_t conductorCount,
                         const std::vector<Plate>& plates, double step) {
  for (std::int32_t group = 0; group <= conductorCount; ++group) {
    double expected = 0.0;
    double perimeter = 0.0;
    for (const Plate& plate : plates) {
      const bool charged = plate.conductorIndex < conductorCount || plate.epsA != plate.epsB;
      if (plate.conductorIndex != group || !charged) continue;
      expected += OutlineArea(plate);
      perimeter += OutlinePerimeter(plate);
    }
    const double area = PatchArea(listing.groups[static_cast<std::size_t>(group)]);
    EXPECT_LE(area, expected * 1.0001) << "group " << group;
    EXPECT_GE(area, expected - 0.1 * step * perimeter) << "group " << group;
  }
}

double OutlineArea(const Plate& plate) {
  double area = plate.outline.front().Area();
  for (std::size_t i = 1; i < plate.outline.size(); ++i) area -= plate.outline[i].Area();
  return area;
}

double PatchArea(const std::vector<ListedPatch>& patches) {
  double area = 0.0;
  for (const ListedPatch& patch : patches) area += patch.polygon.Area();
  return area;
}
