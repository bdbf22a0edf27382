#include "ExampleProjects.h"

namespace quor {

namespace {

// Lengths are in internal units of 0.01 mm.
constexpr double kMm = 100.0;
constexpr double kFr4Er = 4.4;
constexpr double kFr4Height = 1.6 * kMm;
constexpr std::uint32_t kGround = 0;

void AddRectangle(CStructure& structure, double z, double left, double bottom, double right, double top,
                  std::uint32_t conductorIndex) {
  auto polygon = std::make_unique<CConductorPolygon>();
  polygon->AddNode({left, bottom, z});
  polygon->AddNode({right, bottom, z});
  polygon->AddNode({right, top, z});
  polygon->AddNode({left, top, z});
  polygon->SetClosed(true);
  polygon->conductorIndex = conductorIndex;
  structure.AddNewShapeAtZ(z, std::move(polygon));
}

// A new project as the editor starts it: the footprint and the bottom layer.
ExampleProject NewProject(std::string fileName, double length, double width) {
  ExampleProject project{std::move(fileName), DocumentSettings{}, std::make_unique<CStructure>()};
  project.structure->SetFootprint(length, width);
  project.structure->AddLayer(CDielectric(1.0, 0.0), std::nullopt, true, false);
  project.settings.Units = 0;  // mm
  project.settings.GridSpacing = 1 * kMm;
  return project;
}

// A 4 mm square plate 2 mm above an 8 mm square ground plane, in air.
ExampleProject Plate() {
  ExampleProject project = NewProject("plate.qlx", 10 * kMm, 10 * kMm);
  CStructure& structure = *project.structure;
  const double plateZ = 2 * kMm;
  structure.AddLayer(CDielectric(1.0, plateZ), "Air", true, false);
  AddRectangle(structure, 0.0, 1 * kMm, 1 * kMm, 9 * kMm, 9 * kMm, kGround);
  AddRectangle(structure, plateZ, 3 * kMm, 3 * kMm, 7 * kMm, 7 * kMm, 1);
  // The smallest feature is the 2 mm gap; a finer grid keeps the plate from
  // being cut into only a few patches.
  project.settings.Resolution = 4.0;
  return project;
}

// A 1 mm wide, 8 mm long line on 1.6 mm FR-4 over a ground plane.
ExampleProject Microstrip() {
  ExampleProject project = NewProject("microstrip.qlx", 10 * kMm, 8 * kMm);
  CStructure& structure = *project.structure;
  structure.AddLayer(CDielectric(kFr4Er, kFr4Height), "FR-4", true, false);
  AddRectangle(structure, 0.0, 1 * kMm, 1 * kMm, 9 * kMm, 7 * kMm, kGround);
  AddRectangle(structure, kFr4Height, 1 * kMm, 3.5 * kMm, 9 * kMm, 4.5 * kMm, 1);
  return project;
}

// Two 1 mm lines 1 mm apart on FR-4, and a grounded pad joined to the ground
// plane by a solid via.
ExampleProject CoupledLines() {
  ExampleProject project = NewProject("coupled_lines.qlx", 14 * kMm, 9 * kMm);
  CStructure& structure = *project.structure;
  CLayer& top = structure.AddLayer(CDielectric(kFr4Er, kFr4Height), "FR-4", true, false);
  CLayer& bottom = structure.FindLayerByZ(0.0);
  AddRectangle(structure, 0.0, 1 * kMm, 1 * kMm, 13 * kMm, 8 * kMm, kGround);
  AddRectangle(structure, kFr4Height, 1 * kMm, 2.5 * kMm, 9 * kMm, 3.5 * kMm, 1);
  AddRectangle(structure, kFr4Height, 1 * kMm, 4.5 * kMm, 9 * kMm, 5.5 * kMm, 2);
  AddRectangle(structure, kFr4Height, 10 * kMm, 3.5 * kMm, 12 * kMm, 5.5 * kMm, kGround);
  structure.AddVia(std::make_unique<CVia>(0.4 * kMm, 11 * kMm, 4.5 * kMm, &top, &bottom, true));
  return project;
}

}  // namespace

std::vector<ExampleProject> BuildExampleProjects() {
  std::vector<ExampleProject> projects;
  projects.push_back(Plate());
  projects.push_back(Microstrip());
  projects.push_back(CoupledLines());
  return projects;
}

}  // namespace quor
