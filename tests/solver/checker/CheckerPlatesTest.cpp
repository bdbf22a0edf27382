// The plates the checker builds from valid projects, the job fields it fills
// and the smallest feature distance it derives.
#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "solver/checker/CheckerFixture.h"

namespace quor::solver {
namespace {

using CheckerPlatesTest = CheckerFixture;

// Each plate as its conductor index and the vertex counts of its outline.
std::vector<std::string> Shapes(const Sg1Contents& contents) {
  std::vector<std::string> shapes;
  for (const Sg1Plate& plate : contents.plates) {
    std::string shape = std::to_string(plate.conductorIndex) + ":";
    for (const Polygon& polygon : plate.outline) shape += std::to_string(polygon.Count()) + " ";
    shapes.push_back(shape.substr(0, shape.size() - 1));
  }
  return shapes;
}

// The plate file keeps six significant digits.
void ExpectPoint(const Point3& actual, const Point3& expected, double tolerance = 1e-3) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST_F(CheckerPlatesTest, TwoLayersWithOneGroundPolygonGiveSevenPlatesInOrder) {
  ASSERT_EQ(Check(TwoLayerProject()), 0);
  // Four side walls between z = 0 and 100 (y = B', y = y0, x = x0, x = A'),
  // the bare footprint at z = 0, the footprint at z = 100 with the polygon
  // as its hole, the polygon.
  EXPECT_EQ(PlateFileText(),
            "1\n7\n"
            "1\n4\n"
            "            1000         800.001               0\n"
            "          -0.001         800.001               0\n"
            "          -0.001         800.001             100\n"
            "            1000         800.001             100\n"
            "1\n               1               1\n"
            "1\n4\n"
            "          -0.001    -0.000800001               0\n"
            "            1000    -0.000800001               0\n"
            "            1000    -0.000800001             100\n"
            "          -0.001    -0.000800001             100\n"
            "1\n               1               1\n"
            "1\n4\n"
            "          -0.001         800.001               0\n"
            "          -0.001    -0.000800001               0\n"
            "          -0.001    -0.000800001             100\n"
            "          -0.001         800.001             100\n"
            "1\n               1               1\n"
            "1\n4\n"
            "            1000    -0.000800001               0\n"
            "            1000         800.001               0\n"
            "            1000         800.001             100\n"
            "            1000    -0.000800001             100\n"
            "1\n               1               1\n"
            "1\n4\n"
            "               0               0               0\n"
            "            1000               0               0\n"
            "            1000             800               0\n"
            "               0             800               0\n"
            "1\n               1               1\n"
            "2\n4\n"
            "               0               0             100\n"
            "            1000               0             100\n"
            "            1000             800             100\n"
            "               0             800             100\n"
            "4\n"
            "             200             200             100\n"
            "             200             500             100\n"
            "             600             500             100\n"
            "             600             200             100\n"
            "1\n               1               1\n"
            "1\n4\n"
            "             200             200             100\n"
            "             600             200             100\n"
            "             600             500             100\n"
            "             200             500             100\n"
            "0\n               1               1\n");
  // Side walls face out of the box.
  const Sg1Contents plates = PlateFile();
  ExpectPoint(plates.plates[0].outline[0].UnitNormal(), {0, 1, 0});
  ExpectPoint(plates.plates[1].outline[0].UnitNormal(), {0, -1, 0});
  ExpectPoint(plates.plates[2].outline[0].UnitNormal(), {-1, 0, 0});
  ExpectPoint(plates.plates[3].outline[0].UnitNormal(), {1, 0, 0});
  EXPECT_EQ(job.FrequencyStart, 1.0);
  EXPECT_EQ(job.FrequencyStop, 2.0);
  EXPECT_EQ(job.FrequencySteps, 10);
  EXPECT_EQ(job.FrequencyUnit, 1000000000);
  EXPECT_EQ(job.Resolution, 1.5);
  EXPECT_EQ(job.Refine, 0.5);
  EXPECT_DOUBLE_EQ(job.LengthUnitMetres, 1e-5);
  EXPECT_EQ(job.ConductorCount, 1);
}

// Nested outlines alternate: a conductor with a hole where dielectric lies
// inside it, and that dielectric as a plate of its own. Conductor 20 (21
// conductors) and 30 nodes are the largest valid values.
TEST_F(CheckerPlatesTest, NestedPolygonsAndTheLargestValidValues) {
  TestProject project = TwoLayerProject();
  project.layers[1].polygons.push_back(Rectangle(2, 0, 300.0, 300.0, 400.0, 400.0, 100.0));
  TestPolygon circle{20, 3, 1, {}, {}};
  for (int i = 0; i < 30; ++i) {
    const double angle = 2.0 * std::numbers::pi * i / 30.0;
    circle.nodes.push_back({400.0 + 100.0 * std::cos(angle), 350.0 + 100.0 * std::sin(angle), 0.0});
  }
  project.layers[0].polygons.push_back(circle);
  ASSERT_EQ(Check(project), 0);
  EXPECT_EQ(job.ConductorCount, 21);
  const Sg1Contents plates = PlateFile();
  EXPECT_EQ(plates.conductorCount, 21);
  EXPECT_EQ(Shapes(plates), (std::vector<std::string>{"21:4", "21:4", "21:4", "21:4", "21:4 30", "20:30",
                                                      "21:4 4", "0:4 4", "21:4"}));
  EXPECT_EQ(plates.plates[7].outline[1].UnitNormal().z, -1.0) << "a hole runs clockwise";
}

TEST_F(CheckerPlatesTest, OutlinesAreStoredCounterClockwiseWithoutAClosingNode) {
  TestProject project = TwoLayerProject();
  const double t = Tolerance(project);
  // Clockwise, closed by a node within the tolerance of the first.
  project.layers[1].polygons[0].nodes = {
      {200, 200, 100}, {200, 500, 100}, {600, 500, 100}, {600, 200, 100}, {200 + 0.5 * t, 200, 100}};
  ASSERT_EQ(Check(project), 0);
  const Sg1Contents plates = PlateFile();
  const auto stored = plates.plates[6].outline[0].Vertices();
  ASSERT_EQ(stored.size(), 4u);
  ExpectPoint(stored[1], {600, 200, 100});
  ExpectPoint(stored[3], {200, 500, 100});
}

// Within the tolerance a node counts as on the footprint's edge, also where
// the footprint takes part in the checks (a dielectric other than air).
TEST_F(CheckerPlatesTest, ANodeHalfAToleranceOutsideTheFootprintIsAccepted) {
  for (const double er : {1.0, 4.0}) {
    TestProject project = TwoLayerProject();
    project.layers[1].er = er;
    const double t = Tolerance(project);
    project.layers[1].polygons[0].nodes[0] = {-0.5 * t, 200.0, 100.0};
    project.layers[1].polygons[0].nodes[3] = {-0.5 * t, 500.0, 100.0};
    ASSERT_EQ(Check(project), 0);
    EXPECT_EQ(Shapes(PlateFile()).back(), "0:4") << "the polygon keeps its plate";
  }
}

TEST_F(CheckerPlatesTest, AMetallisedSideIsGround) {
  TestProject project = TwoLayerProject();
  project.layers[1].polygons[0].conductorIndex = 1;
  project.metallization = {0, 0, 1, 0};  // the bottom side, y = 0
  ASSERT_EQ(Check(project), 0);
  EXPECT_EQ(Shapes(PlateFile()),
            (std::vector<std::string>{"2:4", "0:4", "2:4", "2:4", "2:4", "2:4 4", "1:4"}));
}

TEST_F(CheckerPlatesTest, MinFeatureDistanceFollowsTheSmallestFeature) {
  // A 50 wide polygon 100 above the ground surface: d = 50.
  TestProject lone = TwoLayerProject();
  lone.layers[1].polygons[0] = Rectangle(1, 0, 200.0, 200.0, 600.0, 250.0, 100.0);
  ASSERT_EQ(Check(lone), 0);
  EXPECT_NEAR(job.MinFeatureDistance, 0.18 * 50.0, 1e-9) << "one polygon in air";

  TestProject dielectric = lone;
  dielectric.layers[1].er = 4.0;
  ASSERT_EQ(Check(dielectric), 0);
  EXPECT_NEAR(job.MinFeatureDistance, 0.9 * 50.0, 1e-9) << "one polygon on a dielectric";

  TestProject metallised = lone;
  metallised.metallization = {1, 0, 0, 0};
  ASSERT_EQ(Check(metallised), 0);
  EXPECT_NEAR(job.MinFeatureDistance, 0.9 * 50.0, 1e-9) << "one polygon in a metal box";

  TestProject gap = lone;
  gap.layers[1].polygons.push_back(Rectangle(2, 1, 200.0, 280.0, 600.0, 400.0, 100.0));
  ASSERT_EQ(Check(gap), 0);
  EXPECT_NEAR(job.MinFeatureDistance, 0.9 * 30.0, 1e-9) << "two polygons 30 apart";

  TestProject stacked = lone;
  stacked.layers[1].z = 20.0;
  stacked.layers[1].polygons[0] = Rectangle(1, 0, 200.0, 200.0, 600.0, 500.0, 20.0);
  stacked.layers[0].polygons.push_back(Rectangle(2, 1, 200.0, 200.0, 600.0, 500.0, 0.0));
  ASSERT_EQ(Check(stacked), 0);
  EXPECT_NEAR(job.MinFeatureDistance, 0.9 * 20.0, 1e-9) << "two polygons 20 apart in height";
}

// A V-shaped notch whose tip comes within 0.03 of the outline's bottom edge:
// between 10 and 100 tolerances (F = 1e-6 of the longest edge, at most 1000),
// too close to be a feature, too far to touch. The smallest feature is then
// the notch's opening, seen from one upper corner to the other side.
TEST_F(CheckerPlatesTest, EdgesOfOneOutlineNearlyTouchingAreNoFeature) {
  constexpr double kTip = 0.03;
  TestProject notched = TwoLayerProject();
  TestPolygon& outline = notched.layers[1].polygons[0];
  outline.nodes = {{200, 200, 100},        {600, 200, 100}, {600, 500, 100}, {420, 500, 100},
                   {400, 200 + kTip, 100}, {380, 500, 100}, {200, 500, 100}};
  ASSERT_EQ(Check(notched), 0);
  const double opening = 40.0 * (300.0 - kTip) / std::hypot(20.0, 300.0 - kTip);
  EXPECT_NEAR(job.MinFeatureDistance, 0.18 * opening, 1e-9) << "one polygon in air";
}

// A ground plane at z = 0 and a pad at z = 100 (Er 3) joined by a via of
// radius 20, given top and bottom in the wrong order.
TEST_F(CheckerPlatesTest, ViasGiveWallsHolesAndCaps) {
  TestProject project = TwoLayerProject();
  project.layers[1].er = 3.0;
  project.layers[0].polygons.push_back(Rectangle(2, 0, 200.0, 200.0, 600.0, 500.0, 0.0));
  project.vias.push_back({5, 20.0, 400.0, 350.0, 0.0, 100.0, 1});
  ASSERT_EQ(Check(project), 0);
  Sg1Contents plates = PlateFile();
  // Four walls first; a solid via joins the conductors without holes.
  EXPECT_EQ(Shapes(plates), (std::vector<std::string>{"0:4", "0:4", "0:4", "0:4", "1:4", "1:4", "1:4", "1:4",
                                                      "1:4 4", "0:4", "1:4 4", "0:4"}));
  const double r = (1.0 / std::cos(std::numbers::pi / 4) + 1.0) * 20.0 / 2.0;
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(plates.plates[i].epsA, 3.0);
    EXPECT_EQ(plates.plates[i].epsB, 1.0);
    const double angle = (i + 1.0) * std::numbers::pi / 2.0;
    ExpectPoint(plates.plates[i].outline[0].UnitNormal(), {std::cos(angle), std::sin(angle), 0.0});
    const double toAxis = std::cos(std::numbers::pi / 4) * r;
    ExpectPoint(plates.plates[i].outline[0].Vertices()[0],
                {400.0 + std::cos(angle) * toAxis + std::sin(angle) * toAxis,
                 350.0 + std::sin(angle) * toAxis - std::cos(angle) * toAxis, 0.0});
  }

  // A hollow via cuts a hole into each conductor, filled by a dielectric plate.
  project.vias[0].solid = 0;
  ASSERT_EQ(Check(project), 0);
  EXPECT_EQ(Shapes(PlateFile()),
            (std::vector<std::string>{"0:4", "0:4", "0:4", "0:4", "1:4", "1:4", "1:4", "1:4", "1:4 4",
                                      "0:4 4", "1:4", "1:4 4", "0:4 4", "1:4"}));

  // A solid via ending in dielectric is closed by a cap; it passes the
  // surface between without a hole.
  project.vias[0] = {5, 20.0, 400.0, 350.0, 200.0, 0.0, 1};
  project.layers[1].polygons.clear();
  project.layers.push_back({2.0, 200.0, "Top", {}, {}});
  ASSERT_EQ(Check(project), 0);
  plates = PlateFile();
  const std::vector<std::string> shapes = Shapes(plates);
  ASSERT_EQ(shapes.size(), 21u);
  EXPECT_EQ(std::vector<std::string>(shapes.begin() + 16, shapes.end()),
            (std::vector<std::string>{"1:4 4", "0:4", "1:4", "1:4 4", "0:4"}));
  EXPECT_EQ(plates.plates[4].epsA, 2.0) << "the upper walls run through the top layer";
  EXPECT_EQ(plates.plates[20].outline[0].Vertices()[0].z, 200.0);
}

// More walls than 1000 and more plates than 1500, all written.
TEST_F(CheckerPlatesTest, ALargeStructureFitsEveryTable) {
  ASSERT_EQ(Check(FullTablesProject()), 0);
  // 1440 walls, 36 sides; the ground surface 2, the eight layers between
  // 1 each and 10 more on layer 5, the top surface with ten caps 11.
  EXPECT_EQ(PlateFile().plates.size(), 1440u + 36u + 2u + 8u + 10u + 11u);
}

// The sample projects, written by the editor's own model code.
TEST_F(CheckerPlatesTest, TheExampleProjectsPass) {
  const std::filesystem::path examples = std::filesystem::path(QUOR_SOURCE_DIR) / "examples";
  std::vector<std::filesystem::path> projects;
  if (std::filesystem::is_directory(examples)) {
    for (const auto& entry : std::filesystem::directory_iterator(examples)) {
      if (entry.path().extension() == ".qlx") projects.push_back(entry.path());
    }
  }
  if (projects.empty()) GTEST_SKIP() << "no sample projects in " << examples;
  for (const std::filesystem::path& path : projects) {
    SCOPED_TRACE(path.filename().string());
    const std::filesystem::path copy = m_folder / path.filename();
    std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(CheckPath(copy.parent_path() / copy.stem()), 0);
    const Sg1Contents plates = PlateFile();
    EXPECT_EQ(plates.conductorCount, job.ConductorCount);
    EXPECT_FALSE(plates.plates.empty());
    EXPECT_GT(job.MinFeatureDistance, 0.0);
  }
}

}  // namespace
}  // namespace quor::solver
