#include "solver/tessmor/StagedResultSet.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "solver/QuorError.h"

namespace quor::solver {

namespace fs = std::filesystem;

namespace {

// This run's file while it is written; the earlier run's while the set is
// put in place.
constexpr const char* kTemporarySuffix = ".part";
constexpr const char* kEarlierSuffix = ".previous";

// Temporary names are ".quor-TAG-PID-N" plus a suffix: short whatever the
// project's name, TAG tying them to the project, PID to the run that wrote
// them, N telling that run's files apart.
constexpr const char* kStagedLead = ".quor-";

std::atomic<std::uint64_t> stagedCount{0};

// 64-bit FNV-1a: the same tag for a name in every build.
std::string ProjectTag(const std::string& name) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : name) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  char text[17] = {};
  std::to_chars(text, text + 16, hash, 16);
  return text;
}

bool RunHasEnded(pid_t pid) {
  return pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH;
}

// A temporary file of this project whose run has ended: a run killed before
// it could remove it.
bool IsLeftover(const std::string& name, const std::string& lead) {
  if (name.compare(0, lead.size(), lead) != 0) return false;
  pid_t pid = 0;
  const char* first = name.data() + lead.size();
  const auto [end, error] = std::from_chars(first, name.data() + name.size(), pid);
  return error == std::errc() && end != first && *end == '-' && pid > 0 && RunHasEnded(pid);
}

void RemoveLeftovers(const fs::path& folder, const std::string& lead) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (IsLeftover(entry.path().filename().string(), lead)) fs::remove(entry.path(), error);
  }
}

}  // namespace

StagedResultSet::StagedResultSet(const std::string& basePath) {
  const fs::path base(basePath);
  const std::string lead = kStagedLead + ProjectTag(base.filename().string()) + "-";
  const fs::path folder = base.has_parent_path() ? base.parent_path() : fs::path(".");
  RemoveLeftovers(folder, lead);
  m_stagedPrefix = (folder / lead).string() + std::to_string(getpid()) + "-";
}

StagedResultSet::~StagedResultSet() {
  if (m_outcome == Outcome::Committed) return;
  std::error_code ignored;
  for (File& file : m_files) {
    file.out.close();
    fs::remove(file.staged + kTemporarySuffix, ignored);
  }
  if (m_outcome == Outcome::RolledBack) return;
  for (const File& file : m_files) fs::remove(file.path, ignored);
}

std::ostream& StagedResultSet::Add(const std::string& path) {
  File& file = m_files.emplace_back();
  file.path = path;
  file.staged = m_stagedPrefix + std::to_string(stagedCount++);
  file.out.open(file.staged + kTemporarySuffix, std::ios::binary | std::ios::trunc);
  if (!file.out) QUOR_error::FailOutputFile(path);
  return file.out;
}

void StagedResultSet::Close() {
  for (File& file : m_files) {
    file.out.flush();
    const bool written = file.out.good();
    file.out.close();
    if (!written || file.out.fail()) QUOR_error::FailOutputFile(file.path);
  }
}

void StagedResultSet::Commit() {
  if (m_files.empty()) return;
  File& marker = m_files.front();
  try {
    MoveEarlierAside(marker);
    for (auto file = m_files.begin() + 1; file != m_files.end(); ++file) {
      MoveEarlierAside(*file);
      PutInPlace(*file);
    }
    PutInPlace(marker);
  } catch (const QUOR_error::OutputFileFailure&) {
    // The marker, first added, comes back last.
    for (auto file = m_files.rbegin(); file != m_files.rend(); ++file) TakeBack(*file);
    m_outcome = Outcome::RolledBack;
    throw;
  }
  m_outcome = Outcome::Committed;
  std::error_code ignored;
  for (const File& file : m_files) {
    if (file.earlierAside) fs::remove(file.staged + kEarlierSuffix, ignored);
  }
}

// A directory of the result's name is no earlier result: it stays, and the
// rename onto it fails.
void StagedResultSet::MoveEarlierAside(File& file) {
  std::error_code error;
  const fs::file_status earlier = fs::symlink_status(file.path, error);
  if (!fs::exists(earlier) || fs::is_directory(earlier)) return;
  fs::rename(file.path, file.staged + kEarlierSuffix, error);
  if (error) QUOR_error::FailOutputFile(file.path);
  file.earlierAside = true;
}

void StagedResultSet::PutInPlace(File& file) {
  std::error_code error;
  fs::rename(file.staged + kTemporarySuffix, file.path, error);
  if (error) QUOR_error::FailOutputFile(file.path);
  file.inPlace = true;
}

// This run's file goes back to its temporary name (removed with the set),
// the earlier run's file back to its own.
void StagedResultSet::TakeBack(File& file) {
  std::error_code ignored;
  if (file.inPlace) fs::rename(file.path, file.staged + kTemporarySuffix, ignored);
  if (file.earlierAside) fs::rename(file.staged + kEarlierSuffix, file.path, ignored);
  file.inPlace = false;
  file.earlierAside = false;
}

}  // namespace quor::solver
