// Small builders for document tests: a new project as the New command makes
// it (without the footprint prompt) and a square conductor polygon.
#pragma once

#include <memory>

#include "DocumentTestDoubles.h"
#include "editor/model/CConductorPolygon.h"

namespace quor::test {

// A document of a new 2540 x 2540 project with its one layer at z = 0.
std::unique_ptr<FakeProjectDocument> NewProject(FakeServices& services);

// A closed square at height z with its lower left corner at (x, y).
CConductorPolygon Square(double x, double y, double side, double z);

}  // namespace quor::test
