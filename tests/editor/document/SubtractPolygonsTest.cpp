// Polygon subtraction through the library's Subtract: one polygon with a
// hole in one undo step, keeping the conductor; every refusal leaves the
// project as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ComputeTestDoubles.h"
#include "DocumentBuilders.h"
#include "editor/model/CStructure.h"

namespace quor::test {
namespace {

class SubtractPolygonsTest : public ::testing::Test {
 protected:
  explicit SubtractPolygonsTest(const std::string& library = QUOR_BIN_DIR "/libTessmor.so")
      : fixture(library) {}

  CConductorPolygon& Add(CConductorPolygon polygon, std::uint32_t conductor) {
    polygon.conductorIndex = conductor;
    return document->AddObjectCopyAt(0.0, polygon);
  }
  const CLayer::ShapeList& Shapes() const { return document->GetModel().FindLayerByZ(0.0).GetShapes(); }

  ComputeFixture fixture;
  std::unique_ptr<FakeProjectDocument> document = NewProject(fixture.services);
  std::vector<std::string>& shown = fixture.services.messages.shown;
};

TEST_F(SubtractPolygonsTest, ASquareInsideASquareBecomesOnePolygonWithAHoleInOneUndoStep) {
  CConductorPolygon& outer = Add(Square(0, 0, 100, 0.0), 3);
  CConductorPolygon& inner = Add(Square(40, 40, 20, 0.0), 3);
  const std::uint32_t outerId = outer.id;
  const std::uint32_t innerId = inner.id;
  const std::size_t undoSteps = document->UndoCount();
  fixture.services.hints.clear();
  // The step is filed before any of the hints goes out.
  std::vector<std::size_t> stepsAtHints;
  fixture.services.log.inspect = [&](const HintRecord&) { stepsAtHints.push_back(document->UndoCount()); };

  document->SubtractPolygons({&outer, &inner});
  EXPECT_EQ(stepsAtHints, std::vector<std::size_t>(6, undoSteps + 1));
  EXPECT_EQ(shown, std::vector<std::string>{});
  ASSERT_EQ(Shapes().size(), 1u);
  const CConductorPolygon& result = *Shapes().front();
  EXPECT_EQ(result.GetNodes().GetCount(), 4 + 4 + 2);
  EXPECT_TRUE(result.IsClosed());
  EXPECT_EQ(result.conductorIndex, 3u);
  EXPECT_GT(result.id, innerId);
  // Each hint goes to the views and then to the frame: 3 with the new polygon, 4 with each input.
  std::vector<HintRecord> viewHints;
  for (const HintRecord& hint : fixture.services.hints) {
    if (hint.to == HintRecord::To::Views) viewHints.push_back(hint);
  }
  ASSERT_EQ(viewHints.size(), 3u);
  EXPECT_EQ(fixture.services.hints.size(), 6u);
  EXPECT_EQ(viewHints[0].hint, UpdateHint::HintAddObjectAt);
  EXPECT_EQ(viewHints[1].hint, UpdateHint::HintRemoveObject);
  EXPECT_EQ(viewHints[1].sent.RemovedObject(), &outer);
  EXPECT_EQ(viewHints[2].hint, UpdateHint::HintRemoveObject);
  EXPECT_EQ(viewHints[2].sent.RemovedObject(), &inner);

  EXPECT_EQ(document->UndoCount(), undoSteps + 1);
  document->Undo();
  ASSERT_EQ(Shapes().size(), 2u);
  EXPECT_EQ(Shapes().front()->id, outerId);
  EXPECT_EQ(Shapes().back()->id, innerId);
}

TEST_F(SubtractPolygonsTest, RefusalsLeaveTheProjectAsItWas) {
  // A 200-corner outline and a square need more than 200 result nodes.
  CConductorPolygon round;
  for (int i = 0; i < 200; ++i) {
    const double angle = 2 * std::numbers::pi * i / 200;
    round.AddNode({1000 + 500 * std::cos(angle), 1000 + 500 * std::sin(angle), 0.0});
  }
  round.SetClosed(true);
  struct Case {
    CConductorPolygon outer, inner;
    std::uint32_t innerConductor;
    const char* text;
  };
  const Case cases[] = {
      {Square(0, 0, 100, 0.0), Square(40, 40, 20, 0.0), 2,
       "Outer and inner polygon have different conductor indices"},
      {Square(0, 0, 100, 0.0), Square(90, 40, 20, 0.0), 1, "Error: polygons intersect"},
      {Square(0, 0, 100, 0.0), Square(200, 40, 20, 0.0), 1,
       "Error: there is no intersection between polygons"},
      {round, Square(990, 990, 20, 0.0), 1, "Number of nodes is less than 1 or greater than 200"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    CConductorPolygon& outer = Add(c.outer, 1);
    CConductorPolygon& inner = Add(c.inner, c.innerConductor);
    const std::size_t undoSteps = document->UndoCount();
    shown.clear();
    document->SubtractPolygons({&outer, &inner});
    EXPECT_EQ(shown, std::vector<std::string>{c.text});
    EXPECT_EQ(Shapes().size(), 2u);
    EXPECT_EQ(document->UndoCount(), undoSteps);
    document->DeleteObjects({&outer, &inner});
  }
}

}  // namespace
}  // namespace quor::test
