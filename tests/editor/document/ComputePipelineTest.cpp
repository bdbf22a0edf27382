// Check, Segment and Run of a document on a sample project, with the real
// computation library of the build and a progress dialog that runs the stage
// on a worker and joins it. (AutoRun and Cancel: ComputeRoadWxTest.)
#include <gtest/gtest.h>

#include <filesystem>

#include "ComputeTestDoubles.h"
#include "DocumentBuilders.h"
#include "editor/document/ResultFiles.h"
#include "editor/model/CStructure.h"

namespace quor::test {
namespace {

constexpr const char* kSaveQuestion =
    "Document must be saved before running Checker or Segmentation. \nSave document?";

class ComputePipelineTest : public ::testing::Test {
 protected:
  bool Exists(const char* extension) const { return FileExists(base + extension); }

  ComputeFixture fixture;
  std::vector<std::string>& shown = fixture.services.messages.shown;
  std::unique_ptr<FakeProjectDocument> document = fixture.OpenSample("microstrip.qlx");
  std::string base = fixture.Scratch("microstrip");
};

TEST_F(ComputePipelineTest, ANewProjectIsCheckedOnlyOnceTheUserHasSavedIt) {
  auto fresh = NewProject(fixture.services);
  fixture.services.messages.answer = false;
  EXPECT_FALSE(fresh->Check(fixture.view, false, true));
  fixture.services.messages.answer = true;  // and then Cancel in the Save As dialog
  EXPECT_FALSE(fresh->Check(fixture.view, false, true));
  EXPECT_EQ(shown, (std::vector<std::string>{kSaveQuestion, kSaveQuestion}));
}

TEST_F(ComputePipelineTest, SegmentCountsTheUnknownsAndRunSaysOk) {
  ASSERT_TRUE(document->Segment(fixture.view, false));
  const int unknowns = document->GetJob().NumberOfUnknowns;
  EXPECT_GT(unknowns, 0);
  ASSERT_TRUE(document->Run(fixture.view, false));
  EXPECT_TRUE(document->IsSegmented() && document->IsComputed());
  EXPECT_FALSE(Exists(".sg1"));
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "Segmentation is finished. \nNumber of unknowns: " + std::to_string(unknowns), "OK"}));
}

// The message names the result file that the run could not put in place.
TEST_F(ComputePipelineTest, ARunThatCannotWriteItsResultsNamesTheFile) {
  ASSERT_TRUE(document->Segment(fixture.view, true));
  std::filesystem::create_directories(base + ".dat/in use");
  EXPECT_FALSE(document->Run(fixture.view, false));
  EXPECT_EQ(shown, std::vector<std::string>{"Cannot write output file: " + base + ".dat"});
  EXPECT_FALSE(document->IsComputed());
}

// A run that fails to replace one output leaves the earlier set and clears
// the flag; the next change of the geometry still takes that set away.
TEST_F(ComputePipelineTest, ResultsOfAnEarlierGeometryGoWithTheNextChangeWhateverTheFlags) {
  document->AutoRun(fixture.view);
  ASSERT_TRUE(document->IsComputed());
  std::filesystem::remove(base + ".ckt");
  std::filesystem::create_directories(base + ".ckt/in use");
  EXPECT_FALSE(document->Run(fixture.view, true));
  EXPECT_FALSE(document->IsComputed());
  ASSERT_TRUE(Exists(".dat"));
  document->AddObjectCopyAt(0.0, Square(10, 10, 20, 0.0));
  ASSERT_TRUE(document->SaveProject());
  for (const char* extension : {".lst", ".dat", ".y1p"}) EXPECT_FALSE(Exists(extension)) << extension;
  document->AfterOpen(document->path);
  EXPECT_FALSE(document->IsSegmented() || document->IsComputed());
}

// A resolution that leaves a conductor without patches ends AutoRun at the
// segmentation with the message that names it: zeros are never results.
TEST_F(ComputePipelineTest, AConductorWithoutPatchesIsReportedAndNothingIsComputed) {
  auto hostile = fixture.OpenSample("qlx_resolution_1e-300.qlx", "tests/data/hostile");
  hostile->AutoRun(fixture.view);
  EXPECT_EQ(shown, std::vector<std::string>{
                       "Conductor 0 has no unknowns: increase resolution or check its polygons"});
  EXPECT_FALSE(hostile->IsSegmented() || hostile->IsComputed());
  EXPECT_EQ(fixture.windows.progressCaptions, std::vector<std::string>{"Segmentation"});
  EXPECT_FALSE(FileExists(fixture.Scratch("qlx_resolution_1e-300.dat")));
}

TEST_F(ComputePipelineTest, AFailedCheckInsideSegmentSelectsThePolygonAndStartsNoStage) {
  double length = 0.0;
  double width = 0.0;
  document->GetFootprintSize(length, width);
  const CLayer& top = *document->GetModel().GetLayers().back();
  CConductorPolygon& outside = document->AddObjectCopyAt(top.GetZ(), Square(length - 1, 1, 2, top.GetZ()));
  EXPECT_FALSE(document->Segment(fixture.view, true));
  EXPECT_EQ(shown, std::vector<std::string>{"Polygon " + std::to_string(outside.id) + " in " + top.GetName() +
                                            " is not completely in the footprint"});
  EXPECT_EQ(fixture.view.selection, std::vector<CShape*>{&outside});
  EXPECT_TRUE(fixture.windows.progressCaptions.empty());
  EXPECT_FALSE(Exists(".sg1"));
}

// Undo of a cancelled New Polygon brings back a polygon without nodes: it is
// saved, and Check names it with the message of its code and selects it.
TEST_F(ComputePipelineTest, CheckNamesAPolygonWithoutNodesThatUndoBroughtBack) {
  const double z = document->GetModel().GetLayers().back()->GetZ();
  document->RemoveObjectAt(z, document->AddObjectCopyAt(z, CConductorPolygon()));
  document->Undo();
  const CLayer& top = document->GetModel().FindLayerByZ(z);
  CShape& empty = *top.GetShapes().back();
  EXPECT_FALSE(document->Check(fixture.view, false, true));
  EXPECT_EQ(shown, std::vector<std::string>{"Polygon " + std::to_string(empty.id) + " in " + top.GetName() +
                                            " has more than 50 or less than 3 nodes"});
  EXPECT_EQ(fixture.view.selection, std::vector<CShape*>{&empty});
}

// A library without an export fails only the commands that need it, each
// naming the export.
TEST(ComputeMissingExportTest, EachMissingExportIsNamed) {
  ComputeFixture empty(QUOR_STAND_IN_EMPTY_LIBRARY);
  auto project = empty.OpenSample("microstrip.qlx");
  EXPECT_FALSE(project->Check(empty.view, false, false));
  EXPECT_EQ(empty.services.messages.shown,
            std::vector<std::string>{"Could not find function \"Checker\" in libTessmor.so"});

  ComputeFixture checkOnly(QUOR_STAND_IN_CHECKER_LIBRARY);
  project = checkOnly.OpenSample("microstrip.qlx");
  EXPECT_FALSE(project->Segment(checkOnly.view, false));
  EXPECT_FALSE(project->Run(checkOnly.view, false));
  EXPECT_EQ(checkOnly.services.messages.shown,
            (std::vector<std::string>{"Could not find function \"Segment\" in libTessmor.so.",
                                      "Could not find function \"Tessmor\" in libTessmor.so."}));
  EXPECT_TRUE(checkOnly.windows.progressCaptions.empty());

  // Polygons of different conductors are refused before the library is asked.
  checkOnly.services.messages.shown.clear();
  CConductorPolygon& outer = project->AddObjectCopyAt(0.0, Square(0, 0, 100, 0.0));
  CConductorPolygon& inner = project->AddObjectCopyAt(0.0, Square(40, 40, 20, 0.0));
  project->SubtractPolygons({&outer, &inner});
  inner.conductorIndex = 2;
  project->SubtractPolygons({&outer, &inner});
  EXPECT_EQ(checkOnly.services.messages.shown,
            (std::vector<std::string>{"Could not find function \"Subtract\" in libTessmor.so",
                                      "Outer and inner polygon have different conductor indices"}));
}

}  // namespace
}  // namespace quor::test
