#include "solver/tessmor/StagedResultFile.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "solver/QuorError.h"

namespace {

constexpr const char* kTemporarySuffix = ".part";

}  // namespace

StagedResultFile::StagedResultFile(std::string path)
    : m_path(std::move(path)), m_temporaryPath(m_path + kTemporarySuffix) {
  std::error_code ignored;
  std::filesystem::remove(m_path, ignored);
  m_out.open(m_temporaryPath, std::ios::binary | std::ios::trunc);
  if (!m_out) throw QUOR_error::error::Internal;
}

StagedResultFile::~StagedResultFile() {
  if (m_committed) return;
  m_out.close();
  std::error_code ignored;
  std::filesystem::remove(m_temporaryPath, ignored);
  std::filesystem::remove(m_path, ignored);
}

void StagedResultFile::Close() {
  m_out.flush();
  const bool written = m_out.good();
  m_out.close();
  if (!written || m_out.fail()) throw QUOR_error::error::Internal;
}

void StagedResultFile::Commit() {
  std::error_code error;
  std::filesystem::rename(m_temporaryPath, m_path, error);
  if (error) throw QUOR_error::error::Internal;
  m_committed = true;
}
