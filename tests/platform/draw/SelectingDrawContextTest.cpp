// The selections a drawing context keeps between calls, as the recording
// context (and, through the same base, the screen's back buffer) keeps them.
#include <gtest/gtest.h>

#include "platform/draw/RecordingDrawContext.h"

namespace quor {
namespace {

const Pen kRedDash{PenStyle::Dash, 2, Rgb(255, 0, 0)};
const Brush kHollow{BrushStyle::Hollow, Rgb(0, 0, 255)};
const Font kBold{12, true};

TEST(SelectingDrawContextTest, EachSelectionReturnsThePreviousOneAndMarksLaterFigures) {
  RecordingDrawContext dc;
  EXPECT_EQ(dc.SelectPen(kRedDash), Pen{});
  EXPECT_EQ(dc.SelectBrush(kHollow), Brush{});
  EXPECT_EQ(dc.SetRasterOp(RasterOp::XorPen), RasterOp::CopyPen);
  EXPECT_EQ(dc.SelectFont(kBold), Font{});
  EXPECT_EQ(dc.SetTextColor(Rgb(1, 2, 3)), COLORREF{0});
  dc.Rectangle({1, 2, 3, 4});

  ASSERT_EQ(dc.Calls().size(), 1u);
  const RecordingDrawContext::Call& call = dc.Calls().front();
  EXPECT_EQ(call.pen, kRedDash);
  EXPECT_EQ(call.brush, kHollow);
  EXPECT_EQ(call.op, RasterOp::XorPen);
  EXPECT_EQ(call.font, kBold);
  EXPECT_EQ(call.textColour, Rgb(1, 2, 3));
  // Selecting again hands back what the figure was drawn with.
  EXPECT_EQ(dc.SelectPen(Pen{}), kRedDash);
  EXPECT_EQ(dc.SelectBrush(Brush{}), kHollow);
}

TEST(SelectingDrawContextTest, ResetStateGivesTheSelectionsOfAFreshContext) {
  RecordingDrawContext dc;
  dc.SelectPen(kRedDash);
  dc.SelectBrush(kHollow);
  dc.SetRasterOp(RasterOp::XorPen);
  dc.SelectFont(kBold);
  dc.SetTextColor(Rgb(9, 9, 9));
  dc.ResetState();

  const RecordingDrawContext fresh;
  EXPECT_EQ(dc.CurrentPen(), fresh.CurrentPen());
  EXPECT_EQ(dc.CurrentBrush(), fresh.CurrentBrush());
  EXPECT_EQ(dc.CurrentRasterOp(), fresh.CurrentRasterOp());
  EXPECT_EQ(dc.CurrentFont(), fresh.CurrentFont());
  EXPECT_EQ(dc.CurrentTextColour(), fresh.CurrentTextColour());
  EXPECT_EQ(dc.CurrentRasterOp(), RasterOp::CopyPen);
}

}  // namespace
}  // namespace quor
