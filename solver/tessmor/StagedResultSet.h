// The result files of one run, which appear under their own names only
// together and only when the whole run has succeeded. Each is written under
// a temporary name beside it; Commit puts the set in place. A set on disk is
// all of one run's files, never a mix of two runs.
#pragma once

#include <deque>
#include <fstream>
#include <string>

namespace quor::solver {

class StagedResultSet {
 public:
  StagedResultSet() = default;
  // Without a commit, removes the temporary files and the earlier run's files
  // of the same names, so that nothing left could pass for this run's result;
  // after a commit that failed, the earlier run's files stay as they were.
  ~StagedResultSet();
  StagedResultSet(const StagedResultSet&) = delete;
  StagedResultSet& operator=(const StagedResultSet&) = delete;

  // Creates the temporary file for the result at path and answers its
  // stream. The earlier run's file stays until the commit. Throws
  // QUOR_error::OutputFileFailure when the file cannot be created.
  std::ostream& Add(const std::string& path);
  // Flushes and closes every file; throws QUOR_error::OutputFileFailure for
  // the first that could not be written whole.
  void Close();
  // Gives the closed files their own names, the first one added last (its
  // presence marks the set complete). When one cannot be put in place, the
  // files already put in place are taken back and the earlier run's files
  // restored before QUOR_error::OutputFileFailure names it.
  void Commit();

 private:
  struct File {
    std::string path;
    std::ofstream out;
    bool earlierAside = false;  // the earlier run's file moved to its backup name
    bool inPlace = false;       // this run's file has its own name
  };
  enum class Outcome { Open, Committed, RolledBack };

  static void PutInPlace(File& file);
  static void TakeBack(File& file);

  std::deque<File> m_files;  // a deque keeps the streams handed out in place
  Outcome m_outcome = Outcome::Open;
};

}  // namespace quor::solver
