#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "solver/CheckerStage.h"
#include "solver/StageFrame.h"
#include "solver/segment/SegmentPlateReader.h"
#include "solver/segment/SegmentRun.h"

namespace quor::solver {

namespace {

class SegmentExamplesTest : public SegmentRun {};

// The sample projects, checked and then segmented as the editor does, at
// their own settings and at a finer resolution.
TEST_F(SegmentExamplesTest, CheckedSampleProjectsGiveSoundListings) {
  const std::filesystem::path examples = std::filesystem::path(QUOR_SOURCE_DIR) / "examples";
  std::vector<std::filesystem::path> projects;
  for (const auto& entry : std::filesystem::directory_iterator(examples)) {
    if (entry.path().extension() == ".qlx") projects.push_back(entry.path());
  }
  ASSERT_FALSE(projects.empty()) << "no sample projects in " << examples;
  for (const std::filesystem::path& project : projects) {
    SCOPED_TRACE(project.filename().string());
    const std::filesystem::path base = m_folder / project.stem();
    std::filesystem::copy_file(project, base.string() + ".qlx");
    const std::string basePath = base.string();
    job.BasePath = basePath.c_str();
    RunStage(&job, StageKind::Checker, CheckerStage);
    ASSERT_EQ(job.Error, 0);
    std::ifstream plateFile(basePath + ".sg1");
    const SegmentPlateFile input = ReadPlateFile(plateFile);

    const double resolution = job.Resolution;
    for (const double scale : {1.0, 3.0}) {
      job.Resolution = resolution * scale;
      ASSERT_EQ(SegmentPath(base), 0);
      const Listing listing = ReadListing();
      ExpectSoundListing(listing, input.conductorCount, input.plates, job.NumberOfUnknowns);
      ExpectPlatesCovered(listing, input.conductorCount, input.plates,
                          job.MinFeatureDistance / job.Resolution);
    }
  }
}

}  // namespace

}  // namespace quor::solver
