// Runs the checker, as the library's export does, on a project file written
// into a fresh folder, and reads back the plate file it leaves.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "solver/StageFixture.h"
#include "solver/checker/QlxTestProject.h"
#include "tessmor/Polygon.h"

struct Sg1Plate {
  std::vector<Polygon> outline;
  std::int32_t conductorIndex = 0;
  double epsA = 0.0;
  double epsB = 0.0;
};

struct Sg1Contents {
  std::int32_t conductorCount = 0;
  std::vector<Sg1Plate> plates;
};

// Fails the test on text that is not a complete plate file.
Sg1Contents ParseSg1(const std::string& text);

class CheckerFixture : public StageFixture {
 protected:
  CheckerFixture() : StageFixture("quor-checker-") { UseBasePath(m_folder / "project"); }

  // What the detail fields hold before a run, so that a test sees which ones
  // the run wrote.
  static constexpr std::int32_t kUntouched = -7;

  // Writes the project, runs the checker on it and returns job.Error.
  std::int32_t Check(const TestProject& project);
  std::int32_t CheckBytes(const std::string& bytes);
  // Runs the checker on base path `base` + ".qlx".
  std::int32_t CheckPath(const std::filesystem::path& base);

  std::string PlateFileText() const;
  Sg1Contents PlateFile() const;
};
