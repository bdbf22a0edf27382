// A fresh folder and a job whose base path lies in it: what every test that
// runs one stage as the library's export does starts from.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempDir.h"
#include "tessmor/ComputeJob.h"

class StageFixture : public ::testing::Test {
 protected:
  explicit StageFixture(const std::string& folderPrefix) : m_scratch(folderPrefix) {}

  // Points the job at this base path (a project path without its extension).
  void UseBasePath(const std::filesystem::path& base) {
    m_base = base;
    // The job holds only a pointer to the text.
    m_basePath = base.string();
    job.BasePath = m_basePath.c_str();
  }

  const quor::test::TempDir m_scratch;
  const std::filesystem::path m_folder = m_scratch.Path();
  std::filesystem::path m_base;
  ComputeJob job;

 private:
  std::string m_basePath;
};
