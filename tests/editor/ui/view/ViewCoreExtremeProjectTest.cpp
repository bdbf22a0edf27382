// Projects with coordinates far outside the usual scales: a node a billion
// units away and footprints and grid spacings near the ends of double. Their
// first paint once hung the editor; now it ends and shows what can be shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <stdexcept>
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

bool DrawsWithPen(const RecordingDrawContext& dc, PenStyle style) {
  return std::any_of(dc.Calls().begin(), dc.Calls().end(),
                     [&](const auto& call) { return call.pen.style == style; });
}

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

TEST(ViewCoreExtremeProjectTest, TinyFootprintKeepsAFiniteScaleAndDrawsNoAxes) {
  LoadedView loaded("qlx_tiny_footprint_axes_overflow.qlx");
  const RasterRecordingDrawContext dc = loaded.Paint();
  EXPECT_TRUE(std::isfinite(loaded.view.GetFitScale()));
  EXPECT_LE(loaded.view.GetFitScale(), ViewCore::kMaxFitScale);
  EXPECT_TRUE(std::isfinite(loaded.view.PixelsPerUnit()));
  // A footprint of less than a pixel has no room for the axes.
  EXPECT_FALSE(std::any_of(dc.Calls().begin(), dc.Calls().end(),
                           [](const auto& call) { return call.pen.colour == ViewCore::kAxesColour; }));
}

TEST(ViewCoreExtremeProjectTest, GridFinerThanAPixelIsNotDrawn) {
  LoadedView loaded("qlx_tiny_footprint_grid_hang.qlx");
  EXPECT_FALSE(DrawsWithPen(loaded.Paint(), PenStyle::Dot));
}

TEST(ViewCoreExtremeProjectTest, GridLinesDoubleCannotTellApartAreNotDrawn) {
  // A footprint 5e175 high with lines 5e67 apart: near its top edge one line
  // index cannot be told from the next, so counting them would never end.
  LoadedView loaded("qlx_grid_beyond_double_resolution.qlx");
  const RasterRecordingDrawContext dc = loaded.Paint();
  const auto lines = std::count_if(dc.Calls().begin(), dc.Calls().end(),
                                   [](const auto& call) { return call.pen.style == PenStyle::Dot; });
  EXPECT_LE(lines, kClient.cx + kClient.cy);
}

// Stops the paint once it has drawn more lines than the window has pixels
// across and down: a grid loop that would never end fails instead of hanging.
class BoundedDrawContext : public RecordingDrawContext {
 public:
  void Polyline(std::span<const DevicePoint> points) override {
    if (Calls().size() > static_cast<std::size_t>(kClient.cx + kClient.cy))
      throw std::length_error("the paint does not end");
    RecordingDrawContext::Polyline(points);
  }
};

TEST(ViewCoreExtremeProjectTest, GridRowsAcrossTheLastExactIndexAreNotDrawn) {
  // Lines 1e32 apart on a footprint (2^53 + 40) lines high: the rows in the
  // window run from below line 2^53, where indices are still exact, to above.
  LoadedView loaded("qlx_grid_straddles_2p53.qlx");
  const double spacing = 1e32;
  const double lastExactIndex = 9007199254740992.0;
  ASSERT_LT(loaded.view.ScreenYToWorld(kClient.cy) / spacing, lastExactIndex);
  ASSERT_GT(loaded.view.ScreenYToWorld(0) / spacing, lastExactIndex);
  BoundedDrawContext dc;
  EXPECT_NO_THROW(loaded.view.OnDraw(dc));
}

TEST(ViewCoreExtremeProjectTest, ZoomedInGridDrawsOnlyTheLinesInTheWindow) {
  ViewTestProject project;
  project.SetGridSpacing(12.7);  // 3 pixels at zoom 1
  RecordingDrawContext first;
  project.view->OnDraw(first);  // the first paint fits the footprint
  project.view->SetZoom(ViewCore::kMaxZoom, {320, 320}, true);
  RecordingDrawContext dc;
  project.view->OnDraw(dc);
  int lines = 0;
  for (const auto& call : dc.Calls()) {
    if (call.pen.style != PenStyle::Dot) continue;
    ++lines;
    const bool vertical = call.points.front().x == call.points.back().x;
    for (const DevicePoint& p : call.points) {
      const int across = vertical ? p.x : p.y;
      EXPECT_TRUE(across >= 0 && across <= (vertical ? kClient.cx : kClient.cy)) << across;
    }
  }
  // 48 pixels apart: about 840 / 48 + 640 / 48 lines, not the 400 of the whole footprint.
  EXPECT_GT(lines, 25);
  EXPECT_LT(lines, 35);
}

}  // namespace
}  // namespace quor::test
