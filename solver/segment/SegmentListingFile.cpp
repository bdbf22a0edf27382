#include "solver/segment/SegmentListingFile.h"

#include <cstdio>
#include <utility>

#include "solver/QuorError.h"
#include "solver/segment/LstFileWriter.h"

namespace quor::solver {

SegmentListingFile::SegmentListingFile(std::string path)
    : m_path(std::move(path)), m_out(m_path, std::ios::out | std::ios::trunc) {
  if (!m_out.is_open()) QUOR_error::FailOutputFile(m_path);
}

SegmentListingFile::~SegmentListingFile() {
  if (m_complete) return;
  m_out.close();
  std::remove(m_path.c_str());
}

void SegmentListingFile::Complete(const SegmentPatchStore& patches, std::span<const Plate> plates) {
  WriteLstFile(m_out, patches, plates);
  m_out.close();
  if (m_out.fail()) QUOR_error::FailOutputFile(m_path);
  m_complete = true;
}

}  // namespace quor::solver
