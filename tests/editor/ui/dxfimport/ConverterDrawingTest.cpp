// The import on a drawing that our own converter wrote from a model text
// file: it draws polygon outlines as LINE entities, which the import does not
// take, and each via as two CIRCLE entities on the layer "via", which it does.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"
#include "editor/ui/dxfimport/DxfDrawingReader.h"
#include "editor/ui/dxfimport/DxfFootprint.h"
#include "platform/error/TextError.h"

namespace quor {
namespace {

namespace fs = std::filesystem;

class ConverterDrawingTest : public testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("quor-conv-import-" + std::to_string(getpid()));
    fs::create_directories(m_dir);
    for (const char* name : {"quor.dxt", "layer.dxt", "line.dxt", "circle.dxt", "poly2d.dxt", "poly3d.dxt"}) {
      fs::copy_file(fs::path(QUOR_BIN_DIR) / name, m_dir / name, fs::copy_options::overwrite_existing);
    }
  }
  void TearDown() override { fs::remove_all(m_dir); }

  fs::path m_dir;
};

TEST_F(ConverterDrawingTest, TakesTheViasAndFindsNoPolygonLayers) {
  CStructure structure;
  structure.SetFootprint(10000, 5000);
  CLayer& gnd = structure.AddLayer(CDielectric(1.0, 0.0), "gnd", true, false);
  CLayer& top = structure.AddLayer(CDielectric(4.5, 160.0), "top", true, false);
  auto square = std::make_unique<CConductorPolygon>();
  for (const auto& [x, y] : {std::pair{100.0, 100.0}, {900.0, 100.0}, {900.0, 900.0}, {100.0, 900.0}}) {
    square->AddNode({x, y, 160.0});
  }
  square->SetClosed(true);
  structure.AddNewShapeAtZ(160.0, std::move(square));
  structure.AddVia(std::make_unique<CVia>(50.0, 3000.0, 2500.0, &top, &gnd, true));
  DocumentSettings settings;
  settings.Units = 0;  // mm
  {
    std::ofstream out(m_dir / "quor.tmp");
    structure.WriteText(out, settings);
  }
  const std::string command =
      "cd '" + m_dir.string() + "' && '" + (fs::path(QUOR_BIN_DIR) / "quor_dxf_conv").string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::ifstream status(m_dir / "quor_dxf_conv.err");
  std::string first;
  std::getline(status, first);
  ASSERT_NE(first.find("Completed"), std::string::npos) << first;

  std::ifstream in(m_dir / "dxf.tmp", std::ios::binary);
  DxfDrawing drawing = ReadDxfDrawing(in);
  EXPECT_TRUE(drawing.layers.empty());
  EXPECT_FALSE(drawing.frameSeen);
  // One circle for each end of the via, in the display unit (mm).
  ASSERT_EQ(drawing.vias.size(), 2u);
  for (const DxfVia& via : drawing.vias) {
    EXPECT_NEAR(via.x, 30.0, 1e-6);
    EXPECT_NEAR(via.y, 25.0, 1e-6);
    EXPECT_NEAR(via.radius, 0.5, 1e-6);
  }
  EXPECT_THROW(PlaceInFootprint(drawing), TextError);
}

}  // namespace
}  // namespace quor
