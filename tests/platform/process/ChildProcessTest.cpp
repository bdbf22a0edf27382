// Children started with an argument vector: the words arrive as given, the
// working directory is the one asked for, and a bounded wait and a terminate
// behave whether or not the child has ended.
#include "platform/process/ChildProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quor {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

TEST(ChildProcessTest, ArgumentsReachTheChildVerbatimInItsDirectory) {
  const fs::path directory = fs::path(testing::TempDir()) / "quor process test";
  fs::create_directories(directory);
  const std::string tricky = "a \"quoted\" word; $HOME `id` 'x'";
  auto child = ChildProcess::Start(
      "/bin/sh", {"-c", "printf '%s|%s|%s' \"$#\" \"$1\" \"$PWD\" > out", "sh", tricky}, directory.string());
  ASSERT_NE(child, nullptr);
  ASSERT_TRUE(child->WaitFor(milliseconds(5000)));
  std::ifstream out(directory / "out");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(out), std::istreambuf_iterator<char>()),
            "1|" + tricky + "|" + directory.string());
  fs::remove_all(directory);
}

TEST(ChildProcessTest, AWaitEndsAtItsLimitAndTerminateEndsTheChild) {
  auto child = ChildProcess::Start("/bin/sleep", {"30"}, "/");
  ASSERT_NE(child, nullptr);
  EXPECT_FALSE(child->WaitFor(milliseconds(50)));
  EXPECT_TRUE(child->IsRunning());
  child->Terminate();
  EXPECT_FALSE(child->IsRunning());
  child->Terminate();  // a second time does nothing
  EXPECT_TRUE(child->WaitFor(milliseconds(0)));
}

TEST(ChildProcessTest, WhatCannotBeStartedGivesNoChild) {
  EXPECT_EQ(ChildProcess::Start("/nonexistent/program", {}, "/"), nullptr);
  EXPECT_EQ(ChildProcess::Start("/bin/true", {}, "/nonexistent/directory"), nullptr);
  auto child = ChildProcess::Start("/bin/true", {}, "/");
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(child->WaitFor(milliseconds(5000)));
}

}  // namespace
}  // namespace quor
