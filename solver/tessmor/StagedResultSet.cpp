#include "solver/tessmor/StagedResultSet.h"

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

std::string TemporaryPath(const std::string& path) {
  return path + kTemporarySuffix;
}

std::string EarlierPath(const std::string& path) {
  return path + kEarlierSuffix;
}

}  // namespace

StagedResultSet::~StagedResultSet() {
  if (m_outcome == Outcome::Committed) return;
  std::error_code ignored;
  for (File& file : m_files) {
    file.out.close();
    fs::remove(TemporaryPath(file.path), ignored);
  }
  if (m_outcome == Outcome::RolledBack) return;
  for (const File& file : m_files) fs::remove(file.path, ignored);
}

std::ostream& StagedResultSet::Add(const std::string& path) {
  File& file = m_files.emplace_back();
  file.path = path;
  file.out.open(TemporaryPath(path), std::ios::binary | std::ios::trunc);
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
  for (auto file = m_files.rbegin(); file != m_files.rend(); ++file) {
    try {
      PutInPlace(*file);
    } catch (const QUOR_error::OutputFileFailure&) {
      for (File& done : m_files) TakeBack(done);
      m_outcome = Outcome::RolledBack;
      throw;
    }
  }
  m_outcome = Outcome::Committed;
  std::error_code ignored;
  for (const File& file : m_files) {
    if (file.earlierAside) fs::remove(EarlierPath(file.path), ignored);
  }
}

// A directory of the result's name is no earlier result: it stays, and the
// rename onto it fails.
void StagedResultSet::PutInPlace(File& file) {
  std::error_code error;
  const fs::file_status earlier = fs::symlink_status(file.path, error);
  if (fs::exists(earlier) && !fs::is_directory(earlier)) {
    fs::rename(file.path, EarlierPath(file.path), error);
    if (error) QUOR_error::FailOutputFile(file.path);
    file.earlierAside = true;
  }
  fs::rename(TemporaryPath(file.path), file.path, error);
  if (error) QUOR_error::FailOutputFile(file.path);
  file.inPlace = true;
}

// This run's file goes back to its temporary name (removed with the set),
// the earlier run's file back to its own.
void StagedResultSet::TakeBack(File& file) {
  std::error_code ignored;
  if (file.inPlace) fs::rename(file.path, TemporaryPath(file.path), ignored);
  if (file.earlierAside) fs::rename(EarlierPath(file.path), file.path, ignored);
  file.inPlace = false;
  file.earlierAside = false;
}

}  // namespace quor::solver
