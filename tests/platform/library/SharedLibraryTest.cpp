#include "platform/library/SharedLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quor {
namespace {

TEST(SharedLibrary, LoadsByAbsolutePathOnly) {
  const SharedLibrary library{std::filesystem::path(LOADABLE_MODULE)};
  ASSERT_TRUE(library.Loaded());
  const auto answer = reinterpret_cast<int (*)()>(library.Symbol("QuorLoadableAnswer"));
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
  EXPECT_EQ(library.Symbol("NoSuchExport"), nullptr);
  // A program that cannot find its own directory asks for a relative name.
  const std::filesystem::path relative = std::filesystem::relative(LOADABLE_MODULE);
  ASSERT_TRUE(relative.is_relative());
  EXPECT_FALSE(SharedLibrary(relative).Loaded());
  EXPECT_FALSE(SharedLibrary(relative.filename()).Loaded());
  EXPECT_EQ(SharedLibrary(relative).Symbol("QuorLoadableAnswer"), nullptr);
}

}  // namespace
}  // namespace quor
