// The result files of one run, which appear under their own names only
// together and only when the whole run has succeeded. Each is written under
// a short temporary name in the project's folder; Commit puts the set in
// place. A set on disk is all of one run's files, never a mix of two runs.
#pragma once

#include <deque>
#include <fstream>
#include <string>

namespace quor::solver {

class StagedResultSet {
 public:
  // The set of the project whose result files are basePath followed by an
  // extension. Removes the temporary files that earlier runs of the project
  // left when they were killed, those of runs still going excepted.
  explicit StagedResultSet(const std::string& basePath);
  // Without a commit, removes the temporary files and the earlier run's files
  // of the same names, so that nothing left could pass for this run's result;
  // after a commit that failed, the earlier run's files stay as they were.
  ~StagedResultSet();
  StagedResultSet(const StagedResultSet&) = delete;
  StagedResultSet& operator=(const StagedResultSet&) = delete;

  // Creates the temporary file for the result at path (basePath followed by
  // an extension) and answers its stream. The earlier run's file stays until
  // the commit. Throws QUOR_error::OutputFileFailure when the file cannot be
  // created.
  std::ostream& Add(const std::string& path);
  // Flushes and closes every file; throws QUOR_error::OutputFileFailure for
  // the first that could not be written whole.
  void Close();
  // Gives the closed files their own names. The first one added marks the set
  // complete: its earlier version is moved aside before any other file moves
  // and this run's is put in place after all the others, so that a kill at
  // any point leaves it only beside a whole set. When one file cannot be put
  // in place, the files already put in place are taken back and the earlier
  // run's files restored before QUOR_error::OutputFileFailure names it.
  void Commit();

 private:
  struct File {
    std::string path;
    std::string staged;  // the temporary name, less its suffix
    std::ofstream out;
    bool earlierAside = false;  // the earlier run's file moved to its backup name
    bool inPlace = false;       // this run's file has its own name
  };
  enum class Outcome { Open, Committed, RolledBack };

  static void MoveEarlierAside(File& file);
  static void PutInPlace(File& file);
  static void TakeBack(File& file);

  std::string m_stagedPrefix;  // the folder and the start of every temporary name
  std::deque<File> m_files;    // a deque keeps the streams handed out in place
  Outcome m_outcome = Outcome::Open;
};

}  // namespace quor::solver
