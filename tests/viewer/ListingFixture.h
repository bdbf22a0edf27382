// Hand-made segmentation listings for the viewer's tests, written in the
// layout the library uses (16-character right-aligned fields).
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace quor::viewer::test {

using quor::test::TempDir;
using quor::test::WriteFile;

using FixturePlate = std::vector<std::array<double, 3>>;
// groups[0 .. Nc-1] conductors, groups.back() the dielectric interfaces.
using FixtureGroups = std::vector<std::vector<FixturePlate>>;

std::string ListingText(const FixtureGroups& groups);

// One conductor plate, the square (0,0)-(100,100) at z = 10, and one small
// dielectric plate (0,0)-(10,10) at z = 0 in a corner: scaled, the conductor
// covers the view centre just below the largest clip height.
FixtureGroups RaisedSquare();

}  // namespace quor::viewer::test
