// The listing file of a segmentation run. It is created (or emptied) when the
// run starts and removed again unless the run completes, so that only a
// whole listing can ever be mistaken for a segmentation.
#pragma once

#include <fstream>
#include <span>
#include <string>

#include "solver/Plate.h"

namespace quor::solver {

class SegmentPatchStore;

class SegmentListingFile {
 public:
  // Throws QUOR_error::OutputFileFailure when the file cannot be created.
  explicit SegmentListingFile(std::string path);
  ~SegmentListingFile();
  SegmentListingFile(const SegmentListingFile&) = delete;
  SegmentListingFile& operator=(const SegmentListingFile&) = delete;

  // Writes the listing and closes the file for good; throws
  // QUOR_error::OutputFileFailure when the file cannot be written whole.
  void Complete(const SegmentPatchStore& patches, std::span<const Plate> plates);

 private:
  std::string m_path;
  std::ofstream m_out;
  bool m_complete = false;
};

}  // namespace quor::solver
