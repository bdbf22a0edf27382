// The result files of the saved project and the programs that show them:
// one read-only text window per kind of result and the 3D viewer.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "editor/document/ComputeServices.h"
#include "editor/document/ComputeWindows.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/ProjectDocument.h"
#include "editor/document/ResultFiles.h"
#include "editor/document/ResultWindow.h"
#include "editor/document/SettingsProfile.h"
#include "editor/document/SettingsRecord.h"
#include "platform/process/ChildProcess.h"

namespace quor {

namespace {

constexpr const char* kViewerProgram = "quorview";

// Closing also lets go of a lock the probe won.
struct OpenFile {
  explicit OpenFile(const std::filesystem::path& path) : fd(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~OpenFile() {
    if (fd >= 0) close(fd);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  int fd;
};

// A running viewer holds an exclusive lock on its lock file. The file is only
// opened, never created, so that probing leaves nothing behind.
bool IsViewerRunning(const std::filesystem::path& lockPath) {
  const OpenFile lock(lockPath);
  return lock.fd >= 0 && flock(lock.fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

}  // namespace

void ProjectDocument::ShowResultFile(DocumentPrograms::Result kind, const std::string& extension) {
  WriteBasePath();
  const std::string path = m_basePath + "." + extension;
  if (!FileExists(path)) return ShowMessage("File \"" + path + "\" doesn't exist.");
  if (m_programs.IsShowing(kind)) return ShowMessage("Results window already open");
  std::unique_ptr<ResultWindow> window = Compute().windows.OpenTextWindow(path);
  if (!window) return ShowMessage("Opening the results window failed");
  m_programs.SetWindow(kind, std::move(window));
}

void ProjectDocument::OnCParameters() {
  ShowResultFile(DocumentPrograms::Result::CParameters, "dat");
}

void ProjectDocument::OnCkt() {
  ShowResultFile(DocumentPrograms::Result::Ckt, "ckt");
}

void ProjectDocument::OnYParameters() {
  // Conductor 0 is the reference, every other conductor a port.
  ShowResultFile(DocumentPrograms::Result::YParameters, TouchstoneExtension(m_job.ConductorCount - 1));
}

void ProjectDocument::ListResults() {
  const SettingsRecord choices = ReadSettingsRecord(Services().profile);
  if (choices.AutoOpenCParams) OnCParameters();
  if (choices.AutoOpenCkt) OnCkt();
  if (choices.AutoOpenYParams) OnYParameters();
}

void ProjectDocument::On3DView() {
  const ComputeServices& compute = Compute();
  if (IsViewerRunning(compute.viewerLock)) return ShowMessage("3D View is already started");
  WriteBasePath();
  // The viewer finds its own files in the program directory.
  std::unique_ptr<ChildProcess> viewer =
      ChildProcess::Start((compute.programDirectory / kViewerProgram).string(), {m_basePath + ".lst"},
                          compute.programDirectory.string());
  if (!viewer) return ShowMessage(std::string("Could not start ") + kViewerProgram);
  m_programs.SetViewer(std::move(viewer));
}

void ProjectDocument::TerminatePrograms() {
  m_programs.TerminateAll();
}

}  // namespace quor
