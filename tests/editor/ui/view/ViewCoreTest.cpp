// The view core's mapping, zoom, snapping, grid, active layer, profile values
// and paint sequence, against the reference values of a 96-pixels-per-inch
// display.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ViewTestProject.h"
#include "editor/document/SettingsProfile.h"
#include "editor/model/CStructure.h"
#include "editor/model/Point3.h"
#include "editor/ui/view/MouseFlags.h"
#include "platform/draw/RecordingDrawContext.h"

namespace quor::test {
namespace {

using Kind = RecordingDrawContext::Kind;

class ViewCoreTest : public ::testing::Test, public ViewTestProject {
 protected:
  RecordingDrawContext Paint() {
    RecordingDrawContext dc;
    view->OnDraw(dc);
    return dc;
  }
};

TEST_F(ViewCoreTest, MapsAt96PixelsPerInchAndFitsTheFootprintIntoTheClientArea) {
  FakeViewHost host2;
  MemoryProfile profile2;
  EXPECT_NEAR(ViewCore(host2, profile2).PixelsPerUnit(), 0.0377953, 1e-7);

  // 840 x (620 + label height 20): 800 x 600 pixels inside the margins.
  EXPECT_FLOAT_EQ(view->GetFitScale(), 6.25f);
  EXPECT_EQ(view->WorldToScreen({0.0, 0.0}), (DevicePoint{20, 620}));
  EXPECT_EQ(view->WorldToScreen({2540.0, 2540.0}), (DevicePoint{620, 20}));
  EXPECT_EQ(view->WorldRectToScreen({2540.0, 0.0, 2540.0, 0.0}), (DeviceRect{20, 20, 620, 620}));
  const Point2 world = view->ScreenToWorld({320, 320});
  EXPECT_NEAR(world.x, 1270.0, 1e-9);
  EXPECT_NEAR(world.y, 1270.0, 1e-9);
  // Display units are mil: 1270 units are 500 mil.
  EXPECT_NEAR(view->GetDisplayCoordinates({320, 320}).x, 500.0, 1e-9);
  // The footprint with its margins is 640 x 640 pixels: page a tenth, line a hundredth.
  EXPECT_EQ(host.bars.total, (DeviceSize{640, 640}));
  EXPECT_EQ(host.bars.page, (DeviceSize{64, 64}));
  EXPECT_EQ(host.bars.line, (DeviceSize{6, 6}));
}

TEST_F(ViewCoreTest, ClientNarrowerThanTheMarginsKeepsAPositiveScaleAndShowsNoAxes) {
  view->SetClientSize({30, 10});
  view->ZoomAll();
  EXPECT_GT(view->GetFitScale(), 0.0f);
  EXPECT_LT(view->WorldToScreen({0.0, 0.0}).x, view->WorldToScreen({2540.0, 0.0}).x);
  const RecordingDrawContext dc = Paint();
  EXPECT_FALSE(std::any_of(dc.Calls().begin(), dc.Calls().end(),
                           [](const auto& call) { return call.pen.colour == ViewCore::kAxesColour; }));
}

TEST_F(ViewCoreTest, ZoomStepsAndWheelStayWithinTheLimits) {
  view->ZoomIn({0, 0});
  EXPECT_EQ(view->GetZoom(), 2.0f);
  view->SetZoom(1.0, {0, 0}, true);
  view->ZoomOut({0, 0});
  EXPECT_EQ(view->GetZoom(), 0.75f);
  view->SetZoom(100.0, {0, 0}, true);
  view->ZoomIn({0, 0});
  EXPECT_EQ(view->GetZoom(), 16.0f);
  view->SetZoom(0.01, {0, 0}, true);
  view->ZoomOut({0, 0});
  EXPECT_EQ(view->GetZoom(), 0.1f);

  view->SetZoom(1.0, {0, 0}, true);
  view->OnMouseWheel(0, 120, {100, 100});
  EXPECT_EQ(view->GetZoom(), 1.5f);
  view->SetZoom(1.0, {0, 0}, true);
  view->OnMouseWheel(0, -120, {100, 100});
  EXPECT_EQ(view->GetZoom(), 0.9f);
  view->OnMouseWheel(0, 120, {100, 100});
  EXPECT_EQ(view->GetZoom(), 1.0f);
}

TEST_F(ViewCoreTest, WheelZoomKeepsThePointUnderTheCursorAndModifiersScroll) {
  const Point2 world = view->ScreenToWorld({400, 300});
  view->SetZoom(2.0, {400, 300}, false);
  EXPECT_EQ(view->WorldToScreen(world), (DevicePoint{400, 300}));

  const DevicePoint before = host.bars.position;
  view->OnMouseWheel(MK_CONTROL, 120, {0, 0});
  EXPECT_EQ(host.bars.position, (DevicePoint{before.x - 3 * host.bars.line.cx, before.y}));
  view->OnMouseWheel(MK_SHIFT, -120, {0, 0});
  EXPECT_EQ(host.bars.position.y, before.y + 3 * host.bars.line.cy);
  view->PanBy(10000, 10000);
  EXPECT_EQ(host.bars.position, (DevicePoint{0, 0}));
}

TEST_F(ViewCoreTest, ZoomToRectFillsTheTighterDimensionAndIgnoresAnEmptyRectangle) {
  // 300 x 300 pixels; the client height of 640 less room for a bar, plus it back: 639 / 300.
  view->ZoomToRect({1270.0, 0.0, 0.0, 1270.0});
  EXPECT_FLOAT_EQ(view->GetZoom(), 639.0f / 300.0f);
  const float zoom = view->GetZoom();
  view->ZoomToRect({500.0, 500.0, 500.0, 500.0});
  EXPECT_EQ(view->GetZoom(), zoom);
}

TEST_F(ViewCoreTest, SnapsBothSignsTiesDownAndTurnsOffWithoutAPositiveSpacing) {
  SetGridSpacing(1000.0);
  EXPECT_EQ(view->SnapPoint({1500.0, -1500.0}), (Point2{1000.0, -2000.0}));
  EXPECT_EQ(view->SnapPoint({1501.0, 2000.0}), (Point2{2000.0, 2000.0}));
  EXPECT_EQ(view->SnapDelta(0.0, 0.0, {2350.0, 100.0, 100.0, 2350.0}), (Point3{-100.0, -100.0, 0.0}));
  EXPECT_EQ(view->SnapDelta(50.0, 0.0, {0.0, 0.0, 100.0, 1400.0}), (Point3{-150.0, 0.0, 0.0}));

  for (double spacing : {0.0, -5.0}) {
    SetGridSpacing(spacing);
    EXPECT_EQ(view->SnapPoint({1234.5, -3.0}), (Point2{1234.5, -3.0}));
    EXPECT_EQ(view->SnapDelta(7.0, 7.0, {20.0, 10.0, 10.0, 20.0}), Point3());
  }
  SetGridSpacing(1000.0);
  view->SetSnapToGrid(false);
  EXPECT_EQ(view->SnapPoint({1500.0, 1.0}), (Point2{1500.0, 1.0}));
}

TEST_F(ViewCoreTest, GridIsDrawnFromThreePixelsAndOnlyInsideTheFootprint) {
  const auto gridLines = [this] {
    const RecordingDrawContext dc = Paint();
    std::vector<std::vector<DevicePoint>> lines;
    for (const auto& call : dc.Calls()) {
      if (call.pen.style == PenStyle::Dot) lines.push_back(call.points);
    }
    return lines;
  };
  SetGridSpacing(8.5);  // 2 pixels
  EXPECT_TRUE(gridLines().empty());
  SetGridSpacing(12.7);  // 3 pixels
  EXPECT_FALSE(gridLines().empty());
  SetGridSpacing(1270.0);
  const std::vector<std::vector<DevicePoint>> expected{{{320, 620}, {320, 20}}, {{20, 320}, {620, 320}}};
  EXPECT_EQ(gridLines(), expected);
  view->SetShowGrid(false);
  EXPECT_TRUE(gridLines().empty());
}

TEST_F(ViewCoreTest, PaintsBackgroundFootprintLayersGridAxesSelectionThenOverlay) {
  SetGridSpacing(1270.0);
  view->AddToSelection(AddSquare(100.0, 100.0, 500.0, 0.0));
  const RecordingDrawContext dc = Paint();
  std::vector<std::string> order;
  for (const auto& call : dc.Calls()) {
    std::string part = "footprint";
    if (call.kind == Kind::FillRect) part = "background";
    if (call.kind == Kind::Polygon) part = "layers";
    if (call.pen.style == PenStyle::Dot) part = "grid";
    if (call.pen.colour == ViewCore::kAxesColour || call.kind == Kind::Text) part = "axes";
    if (call.kind == Kind::Rectangle && call.pen.style == PenStyle::Solid) part = "selection";
    if (call.kind == Kind::Ellipse) part = "overlay";
    if (order.empty() || order.back() != part) order.push_back(part);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"background", "footprint", "layers", "grid", "axes", "selection",
                                             "overlay"}));
  EXPECT_EQ(dc.Calls().front().brush.colour, ViewCore::kBackgroundColour);
}

TEST_F(ViewCoreTest, PaintFailureIsReportedOnce) {
  view->ReportPaintFailure("Function CreateCompatibleBitmap failed");
  view->ReportPaintFailure("Function CreateCompatibleBitmap failed");
  view->ReportPaintFailure("Function BitBlt failed");
  EXPECT_EQ(host.messages, std::vector<std::string>{"Function CreateCompatibleBitmap failed"});
}

TEST_F(ViewCoreTest, DeletingTheActiveLayerActivatesTheLayerBelow) {
  Model().AddLayer(CDielectric(2.0, 100.0), std::nullopt, true, false);
  Model().AddLayer(CDielectric(2.0, 200.0), std::nullopt, true, false);
  view->SetActiveLayer(200.0);
  document->DeleteLayer(100.0);
  EXPECT_EQ(view->GetActiveZ(), 200.0);
  host.broadcast.clear();
  document->DeleteLayer(200.0);
  EXPECT_EQ(view->GetActiveZ(), 0.0);
  EXPECT_EQ(host.broadcast, std::vector<UpdateHint>{UpdateHint::HintActiveLayer});
}

TEST_F(ViewCoreTest, UndoingNewLayerMovesTheActiveLayerToOneThatExists) {
  Model().AddLayer(CDielectric(2.0, 100.0), std::nullopt, true, false);
  services.dialogs.layer = [](LayerDialogValues& values) {
    values.height = 300.0;
    values.unitIndex = 3;  // mil: 762 units
    return true;
  };
  document->NewLayer(*view);
  EXPECT_EQ(view->GetActiveZ(), 762.0);
  document->Undo();
  EXPECT_EQ(view->GetActiveZ(), 100.0);
}

TEST_F(ViewCoreTest, ProfileValuesAreReadAtConstructionAndWrittenAtDestruction) {
  EXPECT_EQ(view->GetRenderMode(), 0);
  EXPECT_TRUE(view->IsSnapToGrid());
  EXPECT_TRUE(view->IsShowGrid());
  EXPECT_EQ(view->GetGridColor(), 0xC8C8C8u);
  view->SetRenderMode(1);
  view->SetShowGrid(false);
  view.reset();
  EXPECT_EQ(profile.GetProfileInt(kSettingsSection, "RenderMode", -1), 1);
  EXPECT_EQ(profile.GetProfileInt(kSettingsSection, "ShowGrid", -1), 0);
  EXPECT_EQ(profile.GetProfileInt(kSettingsSection, "SnapToGrid", -1), 1);
  profile.WriteProfileInt(kSettingsSection, "SnapToGrid", 7);
  EXPECT_TRUE(ViewCore(host, profile).IsSnapToGrid());
}

}  // namespace
}  // namespace quor::test
