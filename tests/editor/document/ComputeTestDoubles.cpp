#include "ComputeTestDoubles.h"

#include <thread>

#include "editor/document/ResultWindow.h"

namespace quor::test {

namespace {

class FakeResultWindow : public ResultWindow {
 public:
  explicit FakeResultWindow(std::shared_ptr<bool> open) : m_open(std::move(open)) {}
  ~FakeResultWindow() override { Close(); }
  FakeResultWindow(const FakeResultWindow&) = delete;
  FakeResultWindow& operator=(const FakeResultWindow&) = delete;

  bool IsOpen() const override { return *m_open; }
  void Close() override { *m_open = false; }

 private:
  std::shared_ptr<bool> m_open;
};

}  // namespace

ProgressEnd FakeComputeWindows::RunProgressDialog(const std::string& caption, const std::string&,
                                                  StageExport stage, ComputeJob& job) {
  progressCaptions.push_back(caption);
  job.RunFlag = 1;
  job.DoneFlag = 0;
  std::thread worker(stage, &job);
  if (cancel) job.RunFlag = 0;
  worker.join();
  return cancel ? ProgressEnd::Cancelled : ProgressEnd::Finished;
}

std::unique_ptr<ResultWindow> FakeComputeWindows::OpenTextWindow(const std::string& path) {
  if (textWindowFails) return nullptr;
  textWindows.push_back({path, std::make_shared<bool>(true)});
  return std::make_unique<FakeResultWindow>(textWindows.back().open);
}

std::optional<std::string> FakeComputeWindows::AskExportPath(const std::string& proposedName) {
  proposedNames.push_back(proposedName);
  return exportPath;
}

ComputeFixture::ComputeFixture(const std::string& libraryPath)
    : library(libraryPath), compute{library, windows, QUOR_BIN_DIR "/", scratch.Path() / "QUORView.lck"} {
  services.services.compute = &compute;
}

std::unique_ptr<FakeProjectDocument> ComputeFixture::OpenSample(const std::string& name,
                                                                const std::string& folder) {
  const std::string path = Scratch(name);
  std::filesystem::copy_file(std::string(QUOR_SOURCE_DIR "/") + folder + "/" + name, path);
  auto document = std::make_unique<FakeProjectDocument>(services);
  document->LoadProjectFile(path);
  document->AfterOpen(path);
  document->path = path;
  return document;
}

}  // namespace quor::test
