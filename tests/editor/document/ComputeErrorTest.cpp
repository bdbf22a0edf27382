// The message of a stage's error code: placeholders filled from the job's
// details of a failed check, the object named selected, and the model's own
// text when it cannot find what the details name.
#include <gtest/gtest.h>

#include <cstdio>

#include "ComputeTestDoubles.h"
#include "DocumentBuilders.h"
#include "editor/model/CStructure.h"

namespace quor::test {
namespace {

TEST(ComputeErrorTest, EachCodeNamesAndSelectsItsObject) {
  ComputeFixture fixture;
  auto document = NewProject(fixture.services);
  document->path = "/projects/board.qlx";
  CStructure& model = document->GetModel();
  CLayer& layer = model.AddLayer(CDielectric(4.0, 100.0), "Layer 2", true, false);
  CConductorPolygon& first = document->AddObjectCopyAt(100.0, Square(0, 0, 10, 100.0));
  CConductorPolygon& second = document->AddObjectCopyAt(100.0, Square(5, 5, 10, 100.0));
  CVia& via = document->AddObjectCopy(CVia(2.0, 50.0, 50.0, &layer, &model.FindLayerByZ(0.0), true));
  const std::string a = std::to_string(first.id);
  const std::string b = std::to_string(second.id);
  const std::string v = std::to_string(via.id);

  using Stage = ProjectDocument::Stage;
  struct Case {
    int code;
    std::int32_t polygonId, polygonId2, viaId, layerIndex;
    Stage stage;
    std::string text;
    CShape* selected;
  };
  const Case cases[] = {
      {16, int(first.id), int(second.id), 0, 1, Stage::Checker,
       "Polygon " + a + " in Layer 2 intersects with polygon " + b + " in Layer 2", &first},
      {20, int(first.id), int(second.id), 0, 1, Stage::Checker,
       "Outer polygon " + a + " and inner polygon " + b + " in Layer 2 have different conductor indices",
       &first},
      {15, int(second.id), 0, 0, 1, Stage::Checker, "Polygon " + b + " in Layer 2 intersects itself",
       &second},
      {9, 0, 0, 0, 1, Stage::Checker, "Substrate relative permittivity in Layer 2 is less or equal 0",
       nullptr},
      {8, 0, 0, 0, 0, Stage::Checker, "Number of polygons in Layer 0  is greater than 20 or less than 0",
       nullptr},
      {25, 0, 0, int(via.id), 0, Stage::Checker, "Two vias intersect", &via},
      {26, 0, 0, int(via.id), 0, Stage::Checker, "Via " + v + " shorts conductors on different potentials",
       &via},
      {37, 0, 0, 0, 0, Stage::Checker, "Unknown error", nullptr},
      {100, 0, 0, 0, 0, Stage::Tessmor, "Unknown error", nullptr},
      {40, 0, 0, 0, 0, Stage::Checker, "Cannot write output file: /projects/board.sg1", nullptr},
      // What the details name must exist; the model says what does not.
      {12, int(first.id), 0, 0, 5, Stage::Checker, "Layer does not exist", nullptr},
      {13, 999, 0, 0, 1, Stage::Checker, "Bad id", nullptr},
      {27, 0, 0, -1, 0, Stage::Checker, "Via does not exist", nullptr},
      // Only the check fills the details: after another stage they are stale,
      // and the file that stage read names the place.
      {11, int(first.id), 0, 0, 1, Stage::Segment,
       "Polygon in board.sg1 has index greater than 20 or less than 0", nullptr},
      {11, int(first.id), 0, 0, 1, Stage::Tessmor,
       "Polygon in board.lst has index greater than 20 or less than 0", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ComputeJob& job = document->GetJob();
    job.Error = c.code;
    job.ErrorPolygonId = c.polygonId;
    job.ErrorPolygonId2 = c.polygonId2;
    job.ErrorViaId = c.viaId;
    job.ErrorLayerIndex = c.layerIndex;
    std::snprintf(job.ErrorFileExtension, sizeof job.ErrorFileExtension, "%s", "sg1");
    fixture.view.selection.clear();
    fixture.view.repaints = 0;
    fixture.services.messages.shown.clear();
    document->ShowComputeError(fixture.view, c.stage);
    EXPECT_EQ(fixture.services.messages.shown, std::vector<std::string>{c.text});
    EXPECT_EQ(fixture.view.selection, c.selected ? std::vector<CShape*>{c.selected} : std::vector<CShape*>{});
    EXPECT_EQ(fixture.view.repaints, c.selected ? 1 : 0);
  }
}

}  // namespace
}  // namespace quor::test
