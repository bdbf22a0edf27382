// Runs the capacitance solve, as the library's export does, on a listing
// written into a fresh folder, and reads back what it left there.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "solver/StageFixture.h"
#include "tessmor/Point3.h"

struct TestPatch {
  std::int32_t group = 0;  // the conductor, or the conductor count for an interface patch
  std::vector<Point3> vertices;
  double epsA = 1.0;
  double epsB = 1.0;
};

// The rectangle [x0, x0 + width] × [y0, y0 + height] in the plane z, cut into
// columns × rows equal rectangles, each counter-clockwise seen from +z.
std::vector<TestPatch> TiledRectangle(std::int32_t group, double x0, double y0, double width, double height,
                                      double z, int columns, int rows);

// The listing text of these patches, grouped by their group.
std::string ListingText(std::int32_t conductorCount, const std::vector<TestPatch>& patches);

// The Maxwell matrix of a .dat file, in farads, row by row.
using Matrix = std::vector<std::vector<double>>;

class TessmorRun : public StageFixture {
 protected:
  TessmorRun() : StageFixture("tessmor-test-") {}
  void SetUp() override;

  void WriteListing(const std::string& text) const;
  // Runs the stage through the export frame; returns job.Error.
  std::int32_t Run();
  // Runs it on a worker thread, as the editor does, and clears the run flag
  // as soon as `cancelNow` holds; returns job.Error.
  std::int32_t RunCancelledWhen(const std::function<bool()>& cancelNow);
  // Runs it in a child process that is killed once `renames` file renames
  // are done; returns the child's wait status.
  int RunKilledAfterRenames(int renames);
  // Until the next call, renames of any path ending in `suffix` fail (none
  // when it is null).
  static void FailRenamesFrom(const char* suffix);

  std::filesystem::path Result(const std::string& extension) const;
  std::optional<std::string> ReadResult(const std::string& extension) const;
  // The names of the files in the folder, sorted.
  std::vector<std::string> FolderContents() const;
  // The "B matrix [F]" block of the .dat file.
  Matrix ReadMaxwellMatrix() const;
};

// B is symmetric to `tolerance` relative to the larger of each pair, its
// diagonal positive and its other entries negative.
void ExpectMaxwellMatrix(const Matrix& b, double tolerance);
