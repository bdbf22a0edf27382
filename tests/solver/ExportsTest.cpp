// The built libTessmor.so as its callers see it: loaded at run time, its
// entry points looked up by name.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <sstream>
#include <string>

#include "TestPolygons.h"
#include "platform/library/SharedLibrary.h"
#include "support/RunCommand.h"
#include "tessmor/Tessmor.h"

namespace {

const std::string kLibraryPath = std::string(QUOR_BIN_DIR) + "/" + kTessmorLibraryName;

template <class Function>
Function Lookup(const quor::SharedLibrary& library, const char* name) {
  return reinterpret_cast<Function>(library.Symbol(name));
}

TEST(ExportsTest, TheLibraryExportsExactlyItsFiveEntryPoints) {
  const quor::test::CommandResult symbols =
      quor::test::RunCommand(std::string(QUOR_NM) + " -D --defined-only '" + kLibraryPath + "'");
  ASSERT_EQ(symbols.status, 0);
  std::set<std::string> names;
  std::istringstream lines(symbols.output);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string address, type, name;
    fields >> address >> type >> name;
    names.insert(name);
  }
  EXPECT_EQ(names, (std::set<std::string>{"Checker", "Merge", "Segment", "Subtract", "Tessmor"}));
}

class LoadedLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_library.Loaded()) << kLibraryPath; }
  const quor::SharedLibrary m_library{kLibraryPath};
};

TEST_F(LoadedLibraryTest, SubtractThroughTheLoadedLibrary) {
  const auto subtract = Lookup<SubtractExport>(m_library, "Subtract");
  ASSERT_NE(subtract, nullptr);
  const Polygon outer = Square(0, 0, 10);
  const Polygon inner = Square(4, 4, 2);
  std::array<Point3, 210> out{};
  std::int32_t count = static_cast<std::int32_t>(out.size());
  EXPECT_EQ(subtract(&inner, &outer, out.data(), &count, 1e-4), static_cast<int>(SubtractResult::Done));
  EXPECT_EQ(count, 10);
  EXPECT_EQ(out[0].x, out[6].x);
  EXPECT_EQ(out[1].y, out[5].y);

  count = 9;
  EXPECT_EQ(subtract(&inner, &outer, out.data(), &count, 1e-4),
            static_cast<int>(SubtractResult::OutputTooSmall));
  EXPECT_EQ(count, 10);
}

// Whatever a stage makes of a project that is not there, it must not be success.
TEST_F(LoadedLibraryTest, StagesOnAMissingProjectReportAFailure) {
  for (const char* name : {"Checker", "Segment", "Tessmor"}) {
    const auto stage = Lookup<StageExport>(m_library, name);
    ASSERT_NE(stage, nullptr) << name;
    ComputeJob job;
    job.BasePath = "/nonexistent/quor/project";
    job.RunFlag = 1;
    job.Error = 0;
    EXPECT_EQ(stage(&job), 0) << name;
    EXPECT_NE(job.Error, 0) << name;
    EXPECT_EQ(job.DoneFlag.load(), std::string(name) == "Checker" ? 0 : 1) << name;
  }
}

}  // namespace
