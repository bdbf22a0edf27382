#include "solver/checker/CheckerFixture.h"

#include <sstream>

#include "solver/CheckerStage.h"
#include "solver/StageFrame.h"
#include "solver/TextNumbers.h"
#include "support/TestFiles.h"

using quor::solver::CheckerStage;
using quor::solver::ReadInteger;
using quor::solver::ReadReal;
using quor::solver::RunStage;
using quor::solver::StageKind;

Sg1Contents ParseSg1(const std::string& text) {
  std::istringstream in(text);
  Sg1Contents contents;
  std::int32_t plateCount = 0;
  EXPECT_TRUE(ReadInteger(in, contents.conductorCount) && ReadInteger(in, plateCount)) << "plate file header";
  for (std::int32_t p = 0; p < plateCount && in; ++p) {
    Sg1Plate plate;
    std::int32_t polygons = 0;
    ReadInteger(in, polygons);
    for (std::int32_t k = 0; k < polygons && in; ++k) plate.outline.emplace_back().Read(in);
    ReadInteger(in, plate.conductorIndex);
    ReadReal(in, plate.epsA);
    ReadReal(in, plate.epsB);
    contents.plates.push_back(std::move(plate));
  }
  std::string rest;
  EXPECT_TRUE(in && !(in >> rest)) << "plate file incomplete or longer than its count says";
  return contents;
}

std::int32_t CheckerFixture::Check(const TestProject& project) {
  return CheckBytes(QlxBytes(project));
}

std::int32_t CheckerFixture::CheckBytes(const std::string& bytes) {
  quor::test::WriteFile(m_base.string() + ".qlx", bytes);
  return CheckPath(m_base);
}

std::int32_t CheckerFixture::CheckPath(const std::filesystem::path& base) {
  UseBasePath(base);
  job.RunFlag = 1;
  job.Error = kUntouched;
  job.ErrorPolygonId = kUntouched;
  job.ErrorPolygonId2 = kUntouched;
  job.ErrorViaId = kUntouched;
  job.ErrorViaId2 = kUntouched;
  job.ErrorLayerIndex = kUntouched;
  job.ErrorLayerIndex2 = kUntouched;
  EXPECT_EQ(RunStage(&job, StageKind::Checker, CheckerStage), 0);
  EXPECT_EQ(job.DoneFlag.load(), 0) << "the checker runs on its caller's thread and sets no done flag";
  return job.Error;
}

std::string CheckerFixture::PlateFileText() const {
  return quor::test::ReadFile(m_base.string() + ".sg1");
}

Sg1Contents CheckerFixture::PlateFile() const {
  return ParseSg1(PlateFileText());
}
