// A result file that appears under its own name only when the whole run has
// succeeded: it is written under a temporary name beside it and renamed in
// place by Commit. Until then, and for good when the run fails or is
// cancelled, no file of that name exists, so that neither a half-written
// file nor one left from an earlier run can pass for this run's result.
#pragma once

#include <fstream>
#include <string>

class StagedResultFile {
 public:
  // Removes any file of that name and creates the temporary one; throws
  // ComputeError::Internal when it cannot be created.
  explicit StagedResultFile(std::string path);
  ~StagedResultFile();
  StagedResultFile(const StagedResultFile&) = delete;
  StagedResultFile& operator=(const StagedResultFile&) = delete;

  std::ostream& Stream() { return m_out; }
  // Flushes and closes the temporary file; throws ComputeError::Internal
  // when it could not be written whole.
  void Close();
  // Gives the closed file its own name; throws ComputeError::Internal when
  // the rename fails.
  void Commit();

 private:
  std::string m_path;
  std::string m_temporaryPath;
  std::ofstream m_out;
  bool m_committed = false;
};
