// Project files for the checker's tests, described field by field and turned
// into the bytes the editor would save, so that each test can spoil exactly
// the field it is about. Lengths are in internal units.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tessmor/Point3.h"

struct TestPolygon {
  std::uint32_t conductorIndex = 0;
  std::uint32_t id = 0;
  std::uint8_t closed = 1;
  std::vector<Point3> nodes;
  std::optional<std::int32_t> nodeCount;  // written instead of the number of nodes
};

struct TestLayer {
  double er = 1.0;
  double z = 0.0;
  std::string name = "Layer";
  std::vector<TestPolygon> polygons;
  std::optional<std::int32_t> polygonCount;  // written instead of the number of polygons
};

struct TestVia {
  std::uint32_t id = 0;
  double radius = 0.0;
  double x = 0.0;
  double y = 0.0;
  double top = 0.0;
  double bottom = 0.0;
  std::uint8_t solid = 1;
};

struct TestProject {
  std::array<char, 4> magic{'Q', 'U', 'O', 'R'};
  std::uint8_t major = 1;
  std::uint8_t minor = 0;
  std::uint16_t version = 6;
  double unitLength = 0.01;
  double frequencyStart = 1.0;
  double frequencyStop = 2.0;
  std::int32_t frequencySteps = 10;
  std::int32_t frequencyUnit = 1000000000;
  double resolution = 1.5;
  double refine = 0.5;
  std::int32_t units = 0;
  double gridSpacing = 100.0;
  std::int32_t viaSegments = 4;
  double length = 1000.0;
  double width = 800.0;
  std::array<std::uint8_t, 4> metallization{};  // top, left, bottom, right
  std::vector<TestLayer> layers;
  std::optional<std::int32_t> layerCount;  // written instead of the number of layers
  std::vector<TestVia> vias;
  std::optional<std::int32_t> viaCount;  // written instead of the number of vias
};

// The footprint's tolerance: 1e-6 of its diagonal.
double Tolerance(const TestProject& project);

// A closed rectangle, counter-clockwise seen from above.
TestPolygon Rectangle(std::uint32_t id, std::uint32_t conductorIndex, double left, double bottom,
                      double right, double top, double z);

// Two layers of air at z = 0 and z = 100 with one conductor polygon of index
// 0 (id 1) on the upper one.
TestProject TwoLayerProject();

// Ten layers (Er 1 to 10, 100 apart) with a ground polygon at the bottom and
// ten polygons of conductor 1 half way up; ten solid vias of sixteen segments
// from the ground to the top: 1440 via walls and 1507 plates.
TestProject FullTablesProject();

// One conductor: a side × side plate filling the footprint of the same size,
// on the lower of two layers of air.
TestProject SquarePlateProject(double side, double refine);

// 20 x 16 mm: a ground plane, three lines on FR-4, two pads above them, each
// joined to its line by a via.
TestProject BoardProject();

std::string QlxBytes(const TestProject& project);
void WriteQlx(const std::filesystem::path& path, const TestProject& project);
