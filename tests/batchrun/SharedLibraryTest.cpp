#include "batchrun/SharedLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quor {
namespace {

TEST(SharedLibrary, LoadsByAbsolutePathOnly) {
  const SharedLibrary library{std::filesystem::path(FAKE_TESSMOR)};
  ASSERT_TRUE(library.Loaded());
  EXPECT_NE(library.Symbol("Tessmor"), nullptr);
  EXPECT_EQ(library.Symbol("NoSuchExport"), nullptr);
  // A program that cannot find its own directory asks for a relative name.
  const std::filesystem::path relative = std::filesystem::relative(FAKE_TESSMOR);
  ASSERT_TRUE(relative.is_relative());
  EXPECT_FALSE(SharedLibrary(relative).Loaded());
  EXPECT_FALSE(SharedLibrary(relative.filename()).Loaded());
}

}  // namespace
}  // namespace quor
