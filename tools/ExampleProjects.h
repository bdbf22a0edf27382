// The sample projects of the examples folder, built with the model's own
// operations so that they are exactly what the editor would save.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"

namespace quor {

struct ExampleProject {
  std::string fileName;
  DocumentSettings settings;
  std::unique_ptr<CStructure> structure;
};

// A square plate over a ground plane; a microstrip line on FR-4; two coupled
// lines beside a grounded pad with a via to the ground plane.
std::vector<ExampleProject> BuildExampleProjects();

}  // namespace quor
