#include "DocumentBuilders.h"

#include "editor/document/SettingsProfile.h"

namespace quor::test {

std::unique_ptr<FakeProjectDocument> NewProject(FakeServices& services) {
  services.profile.WriteProfileInt(kSettingsSection, "FootprintPromptOnStartup", 0);
  auto document = std::make_unique<FakeProjectDocument>(services);
  double length = 0.0;
  double width = 0.0;
  document->PrepareNewProject(length, width);
  document->InitNewProject(length, width);
  return document;
}

CConductorPolygon Square(double x, double y, double side, double z) {
  CConductorPolygon square;
  square.AddNode({x, y, z});
  square.AddNode({x + side, y, z});
  square.AddNode({x + side, y + side, z});
  square.AddNode({x, y + side, z});
  square.SetClosed(true);
  return square;
}

}  // namespace quor::test
