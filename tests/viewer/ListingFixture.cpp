#include "viewer/ListingFixture.h"

#include <cstdio>
#include <sstream>

namespace quor::viewer::test {

namespace {

std::string Field(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%16g", value);
  return buffer;
}

FixturePlate Square(double x0, double y0, double side, double z) {
  return {{x0, y0, z}, {x0 + side, y0, z}, {x0 + side, y0 + side, z}, {x0, y0 + side, z}};
}

}  // namespace

std::string ListingText(const FixtureGroups& groups) {
  std::ostringstream out;
  out << groups.size() - 1 << '\n';
  for (const auto& group : groups) out << group.size() << '\n';
  for (const auto& group : groups) {
    for (const FixturePlate& plate : group) {
      out << plate.size() << '\n';
      for (const auto& node : plate) out << Field(node[0]) << Field(node[1]) << Field(node[2]) << '\n';
      out << Field(1.0) << Field(4.5) << '\n';
    }
  }
  return out.str();
}

FixtureGroups RaisedSquare() {
  return {{Square(0, 0, 100, 10)}, {Square(0, 0, 10, 0)}};
}

}  // namespace quor::viewer::test
