#include "platform/paths/ProgramDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quor {
namespace {

TEST(ProgramDirectory, IsTheFolderOfTheRunningProgramNotTheWorkingDirectory) {
  // Test programs land in the tests folder beside the program directory.
  const std::filesystem::path expected = std::filesystem::canonical(QUOR_BIN_DIR).parent_path() / "tests";
  EXPECT_EQ(ProgramDirectory(), expected);
  EXPECT_NE(ProgramDirectory(), std::filesystem::current_path());
}

}  // namespace
}  // namespace quor
