// The editor's whole road on the X screen, as a user walks it: File > New,
// a ground plane and a strip above it drawn with the Rectangle tool, the
// strip made conductor 1 with the key I, then Check, Segment and Run, and the
// capacitance read from the results; saved, closed and opened again, the
// drawing is the one that was drawn.
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/uiaction.h>

#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "ToolsGuiFixture.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/document/CSolverLibrary.h"
#include "editor/document/ComputeServices.h"
#include "editor/document/WxComputeWindows.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/CLayer.h"
#include "editor/model/CStructure.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/dialogs/ConductorIndexValue.h"
#include "editor/ui/dialogs/LayerPropertiesValues.h"
#include "editor/ui/view/ViewCore.h"
#include "support/WxTestPump.h"

namespace quor::test {
namespace {

namespace fs = std::filesystem;

// The rows of the capacitance matrix in a result file.
std::vector<std::vector<double>> CapacitanceMatrix(const fs::path& datFile) {
  std::ifstream in(datFile);
  std::string line;
  while (std::getline(in, line) && line.rfind("C matrix [F]", 0) != 0) {
  }
  std::vector<std::vector<double>> rows;
  while (std::getline(in, line)) {
    std::istringstream row(line);
    std::vector<double> values;
    for (double value = 0.0; row >> value;) values.push_back(value);
    if (!values.empty()) rows.push_back(values);
    if (values.empty() && !rows.empty()) break;
  }
  return rows;
}

// What a drawing is, layer by layer: heights, permittivities and each
// polygon's index, closure and nodes.
std::string Describe(const CStructure& model) {
  std::ostringstream out;
  for (const auto& layer : model.GetLayers()) {
    out << "layer z=" << layer->GetZ() << " er=" << layer->GetEr() << "\n";
    for (const auto& polygon : layer->GetShapes()) {
      out << " polygon index=" << polygon->conductorIndex << " closed=" << polygon->IsClosed();
      for (const Point3& node : polygon->GetNodes())
        out << " (" << node.x << "," << node.y << "," << node.z << ")";
      out << "\n";
    }
  }
  return out.str();
}

class DrawAndComputeTest : public ToolsGuiFixture {
 protected:
  void SetUp() override {
    ToolsGuiFixture::SetUp();
    services->compute = &compute;
  }

  CSolverLibrary library{QUOR_BIN_DIR "/libTessmor.so"};
  WxComputeWindows windows;
  ComputeServices compute{library, windows, QUOR_BIN_DIR "/", directory / "viewer.lck"};
};

TEST_F(DrawAndComputeTest, AStripAboveAGroundPlaneDrawnByHandGivesItsCapacitanceAndComesBackFromItsFile) {
  ASSERT_TRUE(library.IsLoaded());
  // The ground plane on the bottom layer, conductor 0.
  Command(cmd::kToolRectangle);
  Drag(Pixel(254, 254), Pixel(2286, 2286));
  ASSERT_EQ(ActiveLayer().GetShapeCount(), 1);

  // A substrate 10 mil thick with a relative permittivity of 4.5.
  script.Then([](wxDialog& dialog) {
    Type(dialog, layer_dialog::kHeightEdit, "10");
    Type(dialog, layer_dialog::kErEdit, "4.5");
    PressOk(dialog);
  });
  Command(cmd::kProjectNewLayer);
  ASSERT_EQ(Model().GetLayerCount(), 2);
  const double h = Model().GetLayers().back()->GetZ();
  ASSERT_NEAR(h, 25.4, 1e-9);
  ASSERT_EQ(Core().GetActiveZ(), h);

  // The strip, 200 by 400 mil, on the substrate; I gives it conductor 1.
  Command(cmd::kToolRectangle);
  Drag(Pixel(1016, 762), Pixel(1524, 1778));
  ASSERT_EQ(ActiveLayer().GetShapeCount(), 1);
  script.Then([](wxDialog& dialog) {
    Type(dialog, conductor_index_dialog::kIndexEdit, "1");
    PressOk(dialog);
  });
  // The key goes down in the view; the dialog it opens takes the key up.
  ASSERT_TRUE(Input([](wxUIActionSimulator& s) { s.Char('i'); }, 1));
  PumpUntil([&] { return ActiveLayer().GetShapes().front()->conductorIndex == 1u; });
  ASSERT_EQ(ActiveLayer().GetShapes().front()->conductorIndex, 1u);
  const std::string drawn = Describe(Model());

  // Saved under a name of its own, then the compute road.
  const fs::path path = directory / "strip.qlx";
  Document().SetFilename(path.string(), true);
  Document().SetDocumentSaved(true);
  Command(wxID_SAVE);
  ASSERT_FALSE(Document().IsModified());
  ASSERT_TRUE(fs::exists(path));
  Command(cmd::kComputeCheck);
  ASSERT_EQ(messages.shown, std::vector<std::string>{"OK"});
  // The progress dialogs close themselves when their stage is done.
  script.Then([](wxDialog&) {});
  Command(cmd::kComputeSegment);
  ASSERT_TRUE(fs::exists(directory / "strip.lst"));
  script.Then([](wxDialog&) {});
  Command(cmd::kComputeRun);
  ASSERT_TRUE(fs::exists(directory / "strip.dat"));
  ASSERT_GE(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].rfind("Segmentation is finished.", 0), 0u) << messages.shown[1];

  // The plate capacitor's value, with fringing on top of it.
  constexpr double kEpsilon0 = 8.8541878128e-12;
  const double area = (508 * 1016) * 1e-10;  // square metres
  const double plates = kEpsilon0 * 4.5 * area / (h * 1e-5);
  // Between the strip (1) and the ground (0).
  const std::vector<std::vector<double>> matrix = CapacitanceMatrix(directory / "strip.dat");
  ASSERT_EQ(matrix.size(), 2u);
  ASSERT_EQ(matrix[0].size(), 2u);
  const double c = matrix[0][1];
  EXPECT_GT(c, plates);
  EXPECT_LT(c, 1.3 * plates);
  EXPECT_NEAR(matrix[1][0], c, 0.01 * c);

  // Closed and opened again: the same drawing.
  ASSERT_TRUE(manager->CloseDocument(&Document(), true));
  PumpEvents();
  auto* reopened = dynamic_cast<CCrtanjeDoc*>(manager->CreateDocument(path.string(), wxDOC_SILENT));
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(Describe(reopened->GetModel()), drawn);
}

}  // namespace
}  // namespace quor::test
