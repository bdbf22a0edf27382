// Projects with coordinates far outside the usual scales: a node a billion
// units away and footprints and grid spacings near the ends of double. Their
// first paint once hung the editor; now it ends and shows what can be shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "DocumentTestDoubles.h"
#include "ViewTestProject.h"
#include "editor/model/CStructure.h"
#include "editor/ui/view/ViewCore.h"
#include "support/RasterRecordingDrawContext.h"

namespace quor::test {
namespace {

constexpr DeviceSize kClient{840, 640};

std::string HostileFile(const std::string& name) {
  return std::string(QUOR_SOURCE_DIR) + "/tests/data/hostile/" + name;
}

struct LoadedView {
  explicit LoadedView(const std::string& name) {
    document.LoadProjectFile(HostileFile(name));
    view.SetClientSize(kClient);
    view.OnInitialUpdate(document);
  }

  RasterRecordingDrawContext Paint() {
    RasterRecordingDrawContext dc(kClient.cx, kClient.cy);
    view.OnDraw(dc);
    return dc;
  }

  FakeServices services;
  FakeProjectDocument document{services};
  FakeViewHost host;
  MemoryProfile profile;
  ViewCore view{host, profile};
};

TEST(ViewCoreExtremeProjectTest, StripToAFarNodeIsFilledUpToTheWindowEdge) {
  LoadedView loaded("qlx_far_node_paint.qlx");
  const RasterRecordingDrawContext dc = loaded.Paint();
  // The strip runs from x = 100 to a node at x = 1e9 between y = 350 and 450:
  // at the window's right edge it is still there, filled in its layer's colour.
  const COLORREF layerColour = loaded.document.GetModel().FindLayerByZ(160.0).colour;
  const int y = loaded.view.WorldToScreen({0.0, 420.0}).y;
  EXPECT_EQ(dc.Canvas().PixelAt(kClient.cx - 1, y), layerColour);
  EXPECT_EQ(dc.Canvas().PixelAt(kClient.cx - 1, loaded.view.WorldToScreen({0.0, 300.0}).y),
            ViewCore::kBackgroundColour);
}

}  // namespace
}  // namespace quor::test
