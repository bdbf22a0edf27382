// The plates the checker builds from valid projects, the job fields it fills
// and the smallest feature distance it derives.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "solver/checker/CheckerFixture.h"

namespace {

using CheckerPlatesTest = CheckerFixture;

std::vector<Point3> VerticesOf(const Polygon& polygon) {
  return {polygon.Vertices().begin(), polygon.Vertices().end()};
}

void ExpectVertices(const Polygon& polygon, const std::vector<Point3>& expected) {
  const std::vector<Point3> actual = VerticesOf(polygon);
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_NEAR(actual[i].x, expected[i].x, 1e-3) << "vertex " << i;
    EXPECT_NEAR(actual[i].y, expected[i].y, 1e-3) << "vertex " << i;
    EXPECT_NEAR(actual[i].z, expected[i].z, 1e-3) << "vertex " << i;
  }
}

void ExpectNormal(const Polygon& polygon, const Point3& expected) {
  const Point3 normal = polygon.UnitNormal();
  EXPECT_NEAR(normal.x, expected.x, 1e-9);
  EXPECT_NEAR(normal.y, expected.y, 1e-9);
  EXPECT_NEAR(normal.z, expected.z, 1e-9);
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
  ExpectNormal(plates.plates[0].outline[0], {0, 1, 0});
  ExpectNormal(plates.plates[1].outline[0], {0, -1, 0});
  ExpectNormal(plates.plates[2].outline[0], {-1, 0, 0});
  ExpectNormal(plates.plates[3].outline[0], {1, 0, 0});
}

TEST_F(CheckerPlatesTest, FillsTheJobFromTheProjectHeader) {
  job.MinFeatureDistance = -1.0;
  ASSERT_EQ(Check(MicrostripProject()), 0);
  EXPECT_EQ(job.FrequencyStart, 1.0);
  EXPECT_EQ(job.FrequencyStop, 2.0);
  EXPECT_EQ(job.FrequencySteps, 10);
  EXPECT_EQ(job.FrequencyUnit, 1000000000);
  EXPECT_EQ(job.Resolution, 1.5);
  EXPECT_EQ(job.Refine, 0.5);
  EXPECT_DOUBLE_EQ(job.LengthUnitMetres, 1e-5);
  EXPECT_EQ(job.ConductorCount, 2);
  EXPECT_GT(job.MinFeatureDistance, 0.0);
  // A successful check names nothing.
  EXPECT_EQ(job.ErrorPolygonId, kUntouched);
  EXPECT_EQ(job.ErrorLayerIndex, kUntouched);
}

// Conductor 20 (21 conductors) and 30 nodes are the largest valid values.
TEST_F(CheckerPlatesTest, TheUpperLimitsAreValid) {
  TestProject project = TwoLayerProject();
  TestPolygon polygon{20, 2, 1, {}, {}};
  for (int i = 0; i < 30; ++i) {
    const double angle = 2.0 * std::numbers::pi * i / 30.0;
    polygon.nodes.push_back({400.0 + 100.0 * std::cos(angle), 350.0 + 100.0 * std::sin(angle), 0.0});
  }
  project.layers[0].polygons.push_back(polygon);
  ASSERT_EQ(Check(project), 0);
  EXPECT_EQ(job.ConductorCount, 21);
  const Sg1Contents plates = PlateFile();
  EXPECT_EQ(plates.conductorCount, 21);
  const auto conductor20 = std::find_if(plates.plates.begin(), plates.plates.end(),
                                        [](const Sg1Plate& p) { return p.conductorIndex == 20; });
  ASSERT_NE(conductor20, plates.plates.end());
  EXPECT_EQ(conductor20->outline[0].Count(), 30);
}

// Nested outlines alternate: a conductor with a hole where dielectric lies
// inside it, and that dielectric as a plate of its own.
TEST_F(CheckerPlatesTest, APolygonOfTheSameConductorInsideCutsAHole) {
  TestProject project = TwoLayerProject();
  project.layers[1].polygons.push_back(Rectangle(2, 0, 300.0, 300.0, 400.0, 400.0, 100.0));
  ASSERT_EQ(Check(project), 0);
  const Sg1Contents plates = PlateFile();
  ASSERT_EQ(plates.plates.size(), 8u);
  const Sg1Plate& conductor = plates.plates[6];
  EXPECT_EQ(conductor.conductorIndex, 0);
  ASSERT_EQ(conductor.outline.size(), 2u);
  ExpectNormal(conductor.outline[0], {0, 0, 1});
  ExpectNormal(conductor.outline[1], {0, 0, -1});
  const Sg1Plate& inside = plates.plates[7];
  EXPECT_EQ(inside.conductorIndex, 1);
  ASSERT_EQ(inside.outline.size(), 1u);
  ExpectVertices(inside.outline[0], {{300, 300, 100}, {400, 300, 100}, {400, 400, 100}, {300, 400, 100}});
}

TEST_F(CheckerPlatesTest, OutlinesAreStoredCounterClockwiseWithoutAClosingNode) {
  TestProject project = TwoLayerProject();
  const double t = Tolerance(project);
  // Clockwise, closed by a node within the tolerance of the first.
  project.layers[1].polygons[0].nodes = {
      {200, 200, 100}, {200, 500, 100}, {600, 500, 100}, {600, 200, 100}, {200 + 0.5 * t, 200, 100}};
  ASSERT_EQ(Check(project), 0);
  const Sg1Contents plates = PlateFile();
  ExpectVertices(plates.plates[6].outline[0],
                 {{200, 200, 100}, {600, 200, 100}, {600, 500, 100}, {200, 500, 100}});
}

// Within the tolerance a node counts as on the footprint's edge, also where
// the footprint takes part in the checks (a dielectric other than air).
TEST_F(CheckerPlatesTest, ANodeHalfAToleranceOutsideTheFootprintIsAccepted) {
  for (TestProject project : {TwoLayerProject(), MicrostripProject()}) {
    const double t = Tolerance(project);
    TestPolygon& ground = project.layers[project.layers[0].polygons.empty() ? 1 : 0].polygons[0];
    ground.nodes[0] = {-0.5 * t, -0.5 * t, ground.nodes[0].z};
    ground.nodes[3].x = -0.5 * t;
    ASSERT_EQ(Check(project), 0);
    const Sg1Contents plates = PlateFile();
    const auto grounds = std::count_if(plates.plates.begin(), plates.plates.end(),
                                       [](const Sg1Plate& p) { return p.conductorIndex == 0; });
    EXPECT_EQ(grounds, 1) << "the polygon keeps its plate";
  }
}

TEST_F(CheckerPlatesTest, MetallisedSidesAreGroundPlates) {
  TestProject project = TwoLayerProject();
  project.layers[1].polygons[0].conductorIndex = 1;
  project.metallization = {0, 0, 1, 0};  // the bottom side, y = 0
  ASSERT_EQ(Check(project), 0);
  const Sg1Contents plates = PlateFile();
  ASSERT_EQ(plates.plates.size(), 7u);
  for (std::size_t side = 0; side < 4; ++side) {
    EXPECT_EQ(plates.plates[side].conductorIndex, side == 1 ? 0 : 2) << "side " << side;
  }
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

// A ground plane at z = 0 and a pad at z = 100 joined by a via of radius 20.
TestProject ViaProject(std::uint8_t solid) {
  TestProject project = TwoLayerProject();
  project.layers[1].er = 3.0;
  project.layers[0].polygons.push_back(Rectangle(2, 0, 200.0, 200.0, 600.0, 500.0, 0.0));
  project.vias.push_back({5, 20.0, 400.0, 350.0, 100.0, 0.0, solid});
  return project;
}

TEST_F(CheckerPlatesTest, ViaWallsComeFirstAndFaceAwayFromTheAxis) {
  TestProject project = ViaProject(1);
  std::swap(project.vias[0].top, project.vias[0].bottom);  // given in the wrong order
  ASSERT_EQ(Check(project), 0);
  const Sg1Contents plates = PlateFile();
  // Four walls, four sides, two plates on each surface: a solid via joins the
  // conductors without a hole.
  ASSERT_EQ(plates.plates.size(), 12u);
  const double r = (1.0 / std::cos(std::numbers::pi / 4) + 1.0) * 20.0 / 2.0;
  for (std::size_t i = 0; i < 4; ++i) {
    const Sg1Plate& wall = plates.plates[i];
    EXPECT_EQ(wall.conductorIndex, 0);
    EXPECT_EQ(wall.epsA, 3.0);
    EXPECT_EQ(wall.epsB, 1.0);
    const double angle = (i + 1.0) * std::numbers::pi / 2.0;
    ExpectNormal(wall.outline[0], {std::cos(angle), std::sin(angle), 0.0});
    const Point3 corner = wall.outline[0].Vertices()[0];
    EXPECT_NEAR(std::hypot(corner.x - 400.0, corner.y - 350.0), r, 1e-3);
    EXPECT_EQ(corner.z, 0.0);
  }
  for (std::size_t i = 8; i < 12; ++i) EXPECT_EQ(plates.plates[i].outline.size(), i % 2 == 0 ? 2u : 1u);
}

TEST_F(CheckerPlatesTest, AHollowViaCutsHolesInTheConductorsItJoins) {
  ASSERT_EQ(Check(ViaProject(0)), 0);
  const Sg1Contents plates = PlateFile();
  // Per surface: the footprint with the conductor as hole, the conductor with
  // the via as hole, the via's inside.
  ASSERT_EQ(plates.plates.size(), 14u);
  for (const std::size_t conductor : {9u, 12u}) {
    EXPECT_EQ(plates.plates[conductor].conductorIndex, 0);
    ASSERT_EQ(plates.plates[conductor].outline.size(), 2u);
    EXPECT_EQ(plates.plates[conductor].outline[1].Count(), 4);
    EXPECT_EQ(plates.plates[conductor + 1].conductorIndex, 1);
  }
}

TEST_F(CheckerPlatesTest, ASolidViaEndingInDielectricGetsACap) {
  TestProject project = ViaProject(1);
  project.layers[1].polygons.clear();
  project.layers.push_back({2.0, 200.0, "Top", {}, {}});
  project.vias[0].top = 200.0;
  ASSERT_EQ(Check(project), 0);
  const Sg1Contents plates = PlateFile();
  // Eight walls, eight sides, then per surface: z = 0 footprint and ground;
  // z = 100 footprint (the via passes it without a hole); z = 200 footprint
  // with the cap as hole, and the cap.
  ASSERT_EQ(plates.plates.size(), 21u);
  EXPECT_EQ(plates.plates[4].epsA, 2.0) << "the upper walls run through the top layer";
  const Sg1Plate& top = plates.plates[19];
  EXPECT_EQ(top.outline.size(), 2u);
  EXPECT_EQ(top.epsA, 1.0);
  EXPECT_EQ(top.epsB, 2.0);
  const Sg1Plate& cap = plates.plates[20];
  EXPECT_EQ(cap.conductorIndex, 0);
  ASSERT_EQ(cap.outline.size(), 1u);
  EXPECT_EQ(cap.outline[0].Count(), 4);
  EXPECT_EQ(cap.outline[0].Vertices()[0].z, 200.0);
}

// More walls than 1000 and more plates than 1500, all written.
TEST_F(CheckerPlatesTest, ALargeStructureFitsEveryTable) {
  ASSERT_EQ(Check(FullTablesProject()), 0);
  const Sg1Contents plates = PlateFile();
  // 1440 walls, 36 sides; the ground surface 2, the eight layers between
  // 1 each and 10 more on layer 5, the top surface with ten caps 11.
  EXPECT_EQ(plates.plates.size(), 1440u + 36u + 2u + 8u + 10u + 11u);
  EXPECT_EQ(plates.conductorCount, 2);
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
