#include "solver/tessmor/TessmorRun.h"

#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <iterator>
#include <sstream>
#include <string_view>
#include <thread>

#include "solver/StageFrame.h"
#include "solver/TessmorStage.h"
#include "support/TestFiles.h"

using quor::solver::RunStage;
using quor::solver::StageKind;
using quor::solver::TessmorStage;

namespace {

int killAfterRenames = 0;
const char* failRenamesFrom = nullptr;

}  // namespace

// Every rename of the test program passes through here, the library's too.
extern "C" int rename(const char* from, const char* to) noexcept {
  using Rename = int (*)(const char*, const char*);
  static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
  if (failRenamesFrom != nullptr && std::string_view(from).ends_with(failRenamesFrom)) {
    errno = EACCES;
    return -1;
  }
  const int result = real(from, to);
  if (killAfterRenames > 0 && --killAfterRenames == 0) raise(SIGKILL);
  return result;
}

std::vector<TestPatch> TiledRectangle(std::int32_t group, double x0, double y0, double width, double height,
                                      double z, int columns, int rows) {
  std::vector<TestPatch> patches;
  const double dx = width / columns;
  const double dy = height / rows;
  for (int i = 0; i < columns; ++i) {
    for (int j = 0; j < rows; ++j) {
      const double x = x0 + i * dx;
      const double y = y0 + j * dy;
      patches.push_back({group, {{x, y, z}, {x + dx, y, z}, {x + dx, y + dy, z}, {x, y + dy, z}}});
    }
  }
  return patches;
}

std::string ListingText(std::int32_t conductorCount, const std::vector<TestPatch>& patches) {
  std::ostringstream out;
  out.precision(17);
  out << conductorCount << '\n';
  for (std::int32_t group = 0; group <= conductorCount; ++group) {
    out << std::count_if(patches.begin(), patches.end(), [&](const TestPatch& p) { return p.group == group; })
        << '\n';
  }
  for (std::int32_t group = 0; group <= conductorCount; ++group) {
    for (const TestPatch& patch : patches) {
      if (patch.group != group) continue;
      out << patch.vertices.size() << '\n';
      for (const Point3& v : patch.vertices) out << v.x << ' ' << v.y << ' ' << v.z << '\n';
      out << patch.epsA << ' ' << patch.epsB << '\n';
    }
  }
  return out.str();
}

void TessmorRun::SetUp() {
  UseBasePath(m_folder / "board");
  job.FrequencyStart = 1.0;
  job.FrequencyStop = 1.0;
  job.FrequencyUnit = 1000000000;
  job.Resolution = 1.0;
  job.MinFeatureDistance = -1.0;
  job.LengthUnitMetres = 1e-5;
}

void TessmorRun::WriteListing(const std::string& text) const {
  quor::test::WriteFile(m_base.string() + ".lst", text);
}

std::int32_t TessmorRun::Run() {
  job.RunFlag = 1;
  job.DoneFlag = 0;
  job.Error = -1;
  EXPECT_EQ(RunStage(&job, StageKind::Tessmor, TessmorStage), 0);
  EXPECT_EQ(job.DoneFlag.load(), 1);
  return job.Error;
}

std::int32_t TessmorRun::RunCancelledWhen(const std::function<bool()>& cancelNow) {
  job.RunFlag = 1;
  job.DoneFlag = 0;
  job.Error = -1;
  std::thread worker([this] { RunStage(&job, StageKind::Tessmor, TessmorStage); });
  while (job.DoneFlag.load(std::memory_order_acquire) == 0) {
    if (cancelNow()) job.RunFlag = 0;
    std::this_thread::yield();
  }
  worker.join();
  return job.Error;
}

int TessmorRun::RunKilledAfterRenames(int renames) {
  const pid_t child = fork();
  if (child == 0) {
    killAfterRenames = renames;
    _exit(Run() == 0 ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

void TessmorRun::FailRenamesFrom(const char* suffix) {
  failRenamesFrom = suffix;
}

std::filesystem::path TessmorRun::Result(const std::string& extension) const {
  return m_base.string() + "." + extension;
}

std::optional<std::string> TessmorRun::ReadResult(const std::string& extension) const {
  return quor::test::ReadFileIfExists(Result(extension));
}

std::vector<std::string> TessmorRun::FolderContents() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(m_base.parent_path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

Matrix TessmorRun::ReadMaxwellMatrix() const {
  const std::optional<std::string> dat = ReadResult("dat");
  Matrix b;
  if (!dat) {
    ADD_FAILURE() << "no .dat file";
    return b;
  }
  std::istringstream lines(*dat);
  std::string line;
  while (std::getline(lines, line) && line != "B matrix [F]") {
  }
  std::getline(lines, line);  // the empty line under the title
  while (std::getline(lines, line) && !line.empty()) {
    std::istringstream numbers(line);
    b.emplace_back(std::istream_iterator<double>(numbers), std::istream_iterator<double>());
  }
  return b;
}

void ExpectMaxwellMatrix(const Matrix& b, double tolerance) {
  for (std::size_t i = 0; i < b.size(); ++i) {
    ASSERT_EQ(b[i].size(), b.size());
    EXPECT_GT(b[i][i], 0.0) << "B[" << i << "][" << i << "]";
    for (std::size_t j = 0; j < b.size(); ++j) {
      if (i == j) continue;
      EXPECT_LT(b[i][j], 0.0) << "B[" << i << "][" << j << "]";
      const double scale = std::max(std::fabs(b[i][j]), std::fabs(b[j][i]));
      EXPECT_LE(std::fabs(b[i][j] - b[j][i]), tolerance * scale) << "B[" << i << "][" << j << "]";
    }
  }
}
