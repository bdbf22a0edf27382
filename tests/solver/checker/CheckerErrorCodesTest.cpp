// One crafted project file per code the checker raises: each gives exactly
// that code, fills the detail fields its code names and leaves the others.
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "solver/checker/CheckFailure.h"
#include "solver/checker/CheckerFixture.h"

namespace quor::solver {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Case {
  std::string name;
  std::function<void(TestProject&)> spoil;
  std::int32_t code;
  CheckDetails details;
};

// The two-layer project with a ground polygon (id 2) under the upper one
// (id 1), so that a via can join them.
TestProject ViaProject() {
  TestProject project = TwoLayerProject();
  project.layers[0].polygons.push_back(Rectangle(2, 0, 200.0, 200.0, 600.0, 500.0, 0.0));
  project.vias.push_back({5, 20.0, 400.0, 350.0, 100.0, 0.0, 1});
  return project;
}

TestPolygon& Polygon1(TestProject& project) {
  return project.layers[1].polygons[0];
}

class CheckerErrorCodesTest : public CheckerFixture {
 protected:
  void ExpectCases(const TestProject& base, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      TestProject project = base;
      c.spoil(project);
      EXPECT_EQ(Check(project), c.code);
      const auto expect = [](std::int32_t field, std::optional<std::int32_t> wanted, const char* what) {
        EXPECT_EQ(field, wanted.value_or(kUntouched)) << what;
      };
      expect(job.ErrorPolygonId, c.details.polygonId, "ErrorPolygonId");
      expect(job.ErrorPolygonId2, c.details.polygonId2, "ErrorPolygonId2");
      expect(job.ErrorViaId, c.details.viaId, "ErrorViaId");
      expect(job.ErrorViaId2, c.details.viaId2, "ErrorViaId2");
      expect(job.ErrorLayerIndex, c.details.layerIndex, "ErrorLayerIndex");
      expect(job.ErrorLayerIndex2, c.details.layerIndex2, "ErrorLayerIndex2");
    }
  }
};

TEST_F(CheckerErrorCodesTest, HeaderValuesInTheOrderTheyAreChecked) {
  ExpectCases(TwoLayerProject(),
              {
                  {"magic of another file",
                   [](TestProject& p) {
                     p.magic = {'Q', 'U', 'O', 'X'};
                   },
                   2,
                   {}},
                  {"magic in lower case",
                   [](TestProject& p) {
                     p.magic = {'q', 'u', 'o', 'r'};
                   },
                   2,
                   {}},
                  {"magic cut short by a zero",
                   [](TestProject& p) {
                     p.magic = {'Q', 'U', 'O', '\0'};
                   },
                   2,
                   {}},
                  {"major version 0", [](TestProject& p) { p.major = 0; }, 3, {}},
                  {"minor version 1", [](TestProject& p) { p.minor = 1; }, 3, {}},
                  {"version 7", [](TestProject& p) { p.version = 7; }, 3, {}},
                  {"negative start frequency", [](TestProject& p) { p.frequencyStart = -1.0; }, 29, {}},
                  {"start frequency not a number", [](TestProject& p) { p.frequencyStart = kNaN; }, 29, {}},
                  {"negative stop frequency", [](TestProject& p) { p.frequencyStop = -1.0; }, 30, {}},
                  {"negative step count", [](TestProject& p) { p.frequencySteps = -1; }, 31, {}},
                  {"frequency unit 0", [](TestProject& p) { p.frequencyUnit = 0; }, 32, {}},
                  {"resolution 0", [](TestProject& p) { p.resolution = 0.0; }, 18, {}},
                  {"negative refinement", [](TestProject& p) { p.refine = -1.0; }, 19, {}},
                  {"two via segments", [](TestProject& p) { p.viaSegments = 2; }, 33, {}},
                  {"seventeen via segments", [](TestProject& p) { p.viaSegments = 17; }, 33, {}},
                  {"unit length 0", [](TestProject& p) { p.unitLength = 0.0; }, 4, {}},
                  {"footprint length 0", [](TestProject& p) { p.length = 0.0; }, 5, {}},
                  {"negative footprint width", [](TestProject& p) { p.width = -1.0; }, 6, {}},
                  {"footprint width within the tolerance", [](TestProject& p) { p.width = 1e-7 * p.length; }, 6, {}},
                  {"eleven layers", [](TestProject& p) { p.layerCount = 11; }, 7, {}},
                  {"negative layer count", [](TestProject& p) { p.layerCount = -2; }, 7, {}},
                  // Two faults at once: the one checked first is reported.
                  {"unit length 0 after a bad stop frequency",
                   [](TestProject& p) {
                     p.unitLength = 0.0;
                     p.frequencyStop = -1.0;
                   },
                   30,
                   {}},
                  {"footprint length 0 after resolution 0",
                   [](TestProject& p) {
                     p.length = 0.0;
                     p.resolution = 0.0;
                   },
                   18,
                   {}},
              });
}

TEST_F(CheckerErrorCodesTest, LayerValuesNameTheLayer) {
  ExpectCases(
      TwoLayerProject(),
      {
          {"permittivity 0", [](TestProject& p) { p.layers[1].er = 0.0; }, 9, {.layerIndex = 1}},
          {"negative height", [](TestProject& p) { p.layers[1].z = -5.0; }, 10, {.layerIndex = 1}},
          {"21 polygons", [](TestProject& p) { p.layers[1].polygonCount = 21; }, 8, {.layerIndex = 1}},
          {"negative polygon count",
           [](TestProject& p) { p.layers[0].polygonCount = -1; },
           8,
           {.layerIndex = 0}},
      });
}

TEST_F(CheckerErrorCodesTest, PolygonValuesNameThePolygonAndItsLayer) {
  const double t = Tolerance(TwoLayerProject());
  const CheckDetails polygon1{.polygonId = 1, .layerIndex = 1};
  const auto outline = [](std::vector<Point3> nodes) {
    return [nodes](TestProject& p) { Polygon1(p).nodes = nodes; };
  };
  ExpectCases(
      TwoLayerProject(),
      {
          {"two nodes", outline({{200, 200, 100}, {600, 200, 100}}), 12, polygon1},
          {"31 nodes", [](TestProject& p) { Polygon1(p).nodeCount = 31; }, 12, polygon1},
          {"open polyline", [](TestProject& p) { Polygon1(p).closed = 0; }, 12, polygon1},
          {"three nodes, the last repeating the first",
           outline({{200, 200, 100}, {600, 200, 100}, {200, 200, 100}}), 12, polygon1},
          {"four nodes on two points",
           outline({{200, 200, 100}, {600, 200, 100}, {200, 200, 100}, {600, 200, 100}}), 12, polygon1},
          {"node beyond the right side by twice the tolerance",
           [t](TestProject& p) { Polygon1(p).nodes[1].x = 1000.0 + 2.0 * t; }, 13, polygon1},
          {"node below the footprint", [](TestProject& p) { Polygon1(p).nodes[0].y = -1.0; }, 13, polygon1},
          {"node not a number", [](TestProject& p) { Polygon1(p).nodes[2].x = kNaN; }, 13, polygon1},
          {"conductor index 21", [](TestProject& p) { Polygon1(p).conductorIndex = 21; }, 11, polygon1},
          {"repeated node",
           outline({{200, 200, 100}, {600, 200, 100}, {600, 200, 100}, {600, 500, 100}, {200, 500, 100}}), 14,
           polygon1},
          {"bow tie", outline({{200, 200, 100}, {600, 200, 100}, {200, 500, 100}, {600, 500, 100}}), 15,
           polygon1},
          {"nodes on one line", outline({{200, 200, 100}, {400, 200, 100}, {600, 200, 100}}), 15, polygon1},
          {"pentagram",
           [](TestProject& p) {
             std::vector<Point3> star;
             for (int i = 0; i < 5; ++i) {
               const double angle = 2.0 * std::numbers::pi * 2.0 * i / 5.0;
               star.push_back({500.0 + 200.0 * std::cos(angle), 400.0 + 200.0 * std::sin(angle), 100.0});
             }
             Polygon1(p).nodes = star;
           },
           39, polygon1},
      });
}

TEST_F(CheckerErrorCodesTest, PolygonPairsNameBothPolygons) {
  const auto add = [](TestPolygon polygon) {
    return [polygon](TestProject& p) { p.layers[1].polygons.push_back(polygon); };
  };
  const CheckDetails pair{.polygonId = 1, .polygonId2 = 2, .layerIndex = 1};
  ExpectCases(
      TwoLayerProject(),
      {
          {"overlapping polygons", add(Rectangle(2, 1, 500, 400, 800, 700, 100)), 16, pair},
          {"overlapping polygons of one conductor", add(Rectangle(2, 0, 500, 400, 800, 700, 100)), 16, pair},
          {"polygons of two conductors sharing an edge", add(Rectangle(2, 1, 600, 200, 800, 500, 100)), 16,
           pair},
          {"polygon of another conductor inside", add(Rectangle(2, 1, 300, 300, 400, 400, 100)), 20, pair},
          {"no ground", [](TestProject& p) { Polygon1(p).conductorIndex = 1; }, 21, {}},
          {"no polygon at all", [](TestProject& p) { p.layers[1].polygons.clear(); }, 21, {}},
      });
}

TEST_F(CheckerErrorCodesTest, ViaFaultsNameTheVia) {
  ExpectCases(ViaProject(),
              {
                  {"eleven vias", [](TestProject& p) { p.viaCount = 11; }, 34, {}},
                  {"negative via count", [](TestProject& p) { p.viaCount = -1; }, 34, {}},
                  {"radius 0", [](TestProject& p) { p.vias[0].radius = 0.0; }, 36, {.viaId = 5}},
                  {"top at no layer", [](TestProject& p) { p.vias[0].top = 150.0; }, 35, {.viaId = 5}},
                  {"top and bottom at one height",
                   [](TestProject& p) { p.vias[0].bottom = 100.0; },
                   35,
                   {.viaId = 5}},
                  {"two vias overlapping",
                   [](TestProject& p) {
                     p.vias.push_back({6, 20.0, 420.0, 350.0, 100.0, 0.0, 1});
                   },
                   25,
                   {.viaId = 5, .viaId2 = 6}},
                  {"via across a polygon's edge",
                   [](TestProject& p) { p.vias[0].x = 600.0; },
                   28,
                   {.polygonId = 2, .viaId = 5}},
                  {"via in no conductor",
                   [](TestProject& p) {
                     p.vias[0].x = 800.0;
                     p.vias[0].y = 700.0;
                   },
                   27,
                   {.viaId = 5}},
                  {"via joining two conductors",
                   [](TestProject& p) { p.layers[0].polygons[0].conductorIndex = 1; },
                   26,
                   {.viaId = 5, .layerIndex = 0, .layerIndex2 = 1}},
                  {"hollow via holes in a full layer",
                   [](TestProject& p) {
                     auto& polygons = p.layers[1].polygons;
                     polygons.clear();
                     for (std::uint32_t i = 0; i < 20; ++i) {
                       const double left = 20.0 + 45.0 * i;
                       polygons.push_back(Rectangle(10 + i, 0, left, 300.0, left + 40.0, 400.0, 100.0));
                     }
                     p.vias[0] = {5, 10.0, 40.0, 350.0, 100.0, 0.0, 0};
                     p.layers[0].polygons[0] = Rectangle(2, 0, 20.0, 300.0, 60.0, 400.0, 0.0);
                   },
                   8,
                   {.layerIndex = 1}},
              });
}

// The plate file is emptied before any check and left on disk, closed,
// after a failed one; a missing ground is found after it was written in full.
TEST_F(CheckerErrorCodesTest, WhatAFailedCheckLeavesOnDisk) {
  EXPECT_EQ(CheckPath(m_folder / "missing"), 1);
  EXPECT_FALSE(std::filesystem::exists(m_folder / "missing.sg1"));

  TestProject project = TwoLayerProject();
  ASSERT_EQ(Check(project), 0);
  project.version = 7;
  EXPECT_EQ(Check(project), 3);
  EXPECT_EQ(PlateFileText(), "");

  project = TwoLayerProject();
  Polygon1(project).conductorIndex = 1;
  EXPECT_EQ(Check(project), 21);
  const Sg1Contents plates = PlateFile();
  EXPECT_EQ(plates.conductorCount, 2);
  EXPECT_EQ(plates.plates.size(), 7u);
}

// A plate file that cannot be created is an output failure, not an input one.
TEST_F(CheckerErrorCodesTest, APlateFileThatCannotBeCreatedIsNamed) {
  const TestProject project = TwoLayerProject();
  ASSERT_EQ(Check(project), 0);
  std::filesystem::remove(m_base.string() + ".sg1");
  std::filesystem::create_directory(m_base.string() + ".sg1");
  EXPECT_EQ(Check(project), 40);
  EXPECT_STREQ(job.ErrorFileExtension, "sg1");
}

// Every field up to the via records is needed: a file cut anywhere before
// the three id counters that end it is no project file, and is not read
// beyond its end.
TEST_F(CheckerErrorCodesTest, ATruncatedFileIsRefusedWhereverItEnds) {
  TestProject project = TwoLayerProject();
  project.layers[0].polygons.push_back(Rectangle(2, 0, 200.0, 200.0, 600.0, 500.0, 0.0));
  project.vias.push_back({5, 20.0, 400.0, 350.0, 100.0, 0.0, 1});
  const std::string bytes = QlxBytes(project);
  constexpr std::size_t kIdCounters = 12;
  for (std::size_t size = 0; size + kIdCounters < bytes.size(); ++size) {
    SCOPED_TRACE(size);
    EXPECT_EQ(CheckBytes(bytes.substr(0, size)), 2);
  }
  EXPECT_EQ(CheckBytes(bytes.substr(0, bytes.size() - kIdCounters)), 0);
}

}  // namespace
}  // namespace quor::solver
