// The scale, colour and view-state rules of the scene, without GL.
#include <gtest/gtest.h>

#include <cmath>

#include "viewer/PlateColours.h"
#include "viewer/SceneScaling.h"
#include "viewer/ViewState.h"
#include "viewer/ViewerCommand.h"

namespace quor::viewer {
namespace {

PlateStore Box(float dx, float dy, float dz) {
  return {{{ListingPlate{{1, 2, 3}, {1 + dx, 2, 3}, {1 + dx, 2 + dy, 3 + dz}}}, {}}};
}

void ExpectColour(const Colour& c, float r, float g, float b) {
  EXPECT_NEAR(c.red, r, 1e-6);
  EXPECT_NEAR(c.green, g, 1e-6);
  EXPECT_NEAR(c.blue, b, 1e-6);
}

TEST(SceneScalingTest, CentresAndScalesByTheDiagonalOfTheFootprint) {
  PlateStore store = Box(3, 4, 1);  // D = 5
  const SceneExtents e = ScaleIntoViewBox(store);
  EXPECT_NEAR(e.clipHeight, 1.02, 1e-6);
  EXPECT_NEAR(e.axisX, 4.0, 1e-6);
  EXPECT_NEAR(e.axisY, 5.0, 1e-6);
  EXPECT_NEAR(e.axisZ, 2.0, 1e-6);
  const ListingNode& first = store.groups[0][0][0];
  EXPECT_NEAR(first.x, -3.0, 1e-6);  // (1 - 2.5) * 10 / 5
  EXPECT_NEAR(first.y, -4.0, 1e-6);
  EXPECT_NEAR(first.z, -1.0, 1e-6);
}

TEST(SceneScalingTest, FlatAndEmptyModelsStayFinite) {
  PlateStore flat = Box(3, 4, 0);
  const SceneExtents f = ScaleIntoViewBox(flat);
  EXPECT_EQ(f.clipHeight, 0.0f);
  EXPECT_NEAR(f.axisZ, 1.0, 1e-6);
  EXPECT_EQ(flat.groups[0][0][0].z, 0.0f);

  // A listing whose plates hold no nodes: ranges count as 0, not as NaN.
  PlateStore empty{{{ListingPlate{}}, {}}};
  const SceneExtents e = ScaleIntoViewBox(empty);
  EXPECT_EQ(e.clipHeight, 0.0f);
  EXPECT_EQ(e.axisX, 1.0f);
  EXPECT_EQ(e.axisY, 1.0f);
  EXPECT_EQ(e.axisZ, 1.0f);
}

TEST(PlateColoursTest, FillsByGroupAndFacing) {
  const Point3 up{0, 0, 1};
  ExpectColour(FillColour(1, 2, up), 1, 0, 1);  // a single conductor is magenta
  ExpectColour(FillColour(2, 2, up), 0.25f, 0.8f, 0.5f);
  ExpectColour(FillColour(2, 2, {1, 0, 0}), 0.5f, 0.8f, 0.25f);
  // More conductors shade from blue to red (real division by G - 1).
  ExpectColour(FillColour(1, 3, up), 0.4f, 0.48f, 1.0f);
  ExpectColour(FillColour(2, 3, up), 0.8f, 0.24f, 0.5f);
  ExpectColour(OutlineColour(3, 3), 0.7f, 0.6f, 0.3f);
  ExpectColour(OutlineColour(1, 3), 0.5f, 0.5f, 0.7f);
}

TEST(PlateColoursTest, NormalFollowsTheTurningSense) {
  const Point3 clockwise[] = {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}};
  const Point3 n = PlateNormal(clockwise);
  EXPECT_NEAR(n.z, -1.0, 1e-12);
  const Point3 line[] = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
  EXPECT_EQ(PlateNormal(line).z, 1.0);
}

TEST(ViewStateTest, ZoomKeepsToItsLimits) {
  ViewState s(2.0);
  for (int i = 0; i < 10; ++i) s.ZoomOut();
  EXPECT_DOUBLE_EQ(s.Angle(), 30.0);
  for (int i = 0; i < 40; ++i) s.ZoomIn();
  EXPECT_DOUBLE_EQ(s.Angle(), 0.2);
}

TEST(ViewStateTest, ClipHeightSteps) {
  ViewState s(2.0);
  s.RaiseClip();
  EXPECT_DOUBLE_EQ(s.ClipHeight(), 2.0);  // from H, raising stays at H
  for (int i = 0; i < 200; ++i) s.LowerClip();
  EXPECT_DOUBLE_EQ(s.ClipHeight(), -2.0);
  // From 0 one step down and one up leave 0.00001 H.
  for (int i = 0; i < 50; ++i) s.RaiseClip();
  EXPECT_NEAR(s.ClipHeight(), 0.0, 1e-12);
  s.LowerClip();
  s.RaiseClip();
  EXPECT_NEAR(s.ClipHeight(), 0.00002, 1e-12);
}

TEST(ViewStateTest, ClippingCyclesAndResetKeepsTheDrawingMode) {
  ViewState s(1.0);
  int signs[4];
  for (int& sign : signs) {
    sign = s.ClipSign();
    s.CycleClipping();
  }
  EXPECT_EQ(signs[1], 1);
  EXPECT_EQ(signs[2], -1);
  EXPECT_EQ(signs[3], 0);

  s.ZoomOut();
  s.SetClipSign(-1);
  s.LowerClip();
  s.ShowOutlinesOnly();
  s.ToggleAxes();
  s.SetPendingPan({1.0, 0.0});
  s.TakePendingPan();
  s.Reset();
  EXPECT_DOUBLE_EQ(s.Angle(), 15.0);
  EXPECT_EQ(s.ClipSign(), 0);
  EXPECT_DOUBLE_EQ(s.ClipHeight(), 1.0);
  EXPECT_DOUBLE_EQ(s.AccumulatedPan().x, 0.0);
  EXPECT_TRUE(s.OutlinesShown());
  EXPECT_FALSE(s.FilledShown());
  EXPECT_FALSE(s.AxesShown());
}

TEST(ViewStateTest, PanStopsBeyondFiveButAlwaysComesBack) {
  ViewState s;
  for (int i = 0; i < 20; ++i) {
    s.SetPendingPan({1.0, -1.0});
    s.TakePendingPan();
  }
  // 6 steps reach 6, beyond 5; the seventh is refused.
  EXPECT_DOUBLE_EQ(s.AccumulatedPan().x, 6.0);
  EXPECT_DOUBLE_EQ(s.AccumulatedPan().y, -6.0);
  s.SetPendingPan({-0.5, 0.5});
  const PanShift back = s.TakePendingPan();
  EXPECT_DOUBLE_EQ(back.x, -0.5);
  EXPECT_DOUBLE_EQ(s.AccumulatedPan().y, -5.5);
}

TEST(ViewStateTest, DragPansBySineOfTheAngle) {
  ViewState s;
  s.DragPan(10, 20, 420);
  const double p = std::sin(15.0 * M_PI / 180.0);
  const PanShift shift = s.TakePendingPan();
  EXPECT_NEAR(shift.x, p, 1e-12);
  EXPECT_NEAR(shift.y, -2 * p, 1e-12);
  s.DragPan(10, 20, 0);  // a window without height pans nothing
  EXPECT_EQ(s.TakePendingPan().x, 0.0);
}

TEST(WheelCommandTest, OnlyWholeNotchesWithOneKeyAtMost) {
  const WheelKeys none;
  EXPECT_EQ(WheelCommand(120, none), ViewerCommand::ZoomIn);
  EXPECT_EQ(WheelCommand(-120, none), ViewerCommand::ZoomOut);
  EXPECT_EQ(WheelCommand(120, {.control = true}), ViewerCommand::RotateXPlus);
  EXPECT_EQ(WheelCommand(-120, {.control = true}), ViewerCommand::RotateXMinus);
  EXPECT_EQ(WheelCommand(120, {.shift = true}), ViewerCommand::RotateYPlus);
  EXPECT_EQ(WheelCommand(-120, {.shift = true}), ViewerCommand::RotateYMinus);
  EXPECT_EQ(WheelCommand(120, {.tab = true}), ViewerCommand::RotateZPlus);
  EXPECT_EQ(WheelCommand(-120, {.tab = true}), ViewerCommand::RotateZMinus);
  EXPECT_EQ(WheelCommand(120, {.control = true, .shift = true}), ViewerCommand::None);
  EXPECT_EQ(WheelCommand(120, {.mouseButton = true}), ViewerCommand::None);
  EXPECT_EQ(WheelCommand(240, none), ViewerCommand::None);
  EXPECT_EQ(WheelCommand(60, none), ViewerCommand::None);
}

}  // namespace
}  // namespace quor::viewer
