#include "editor/document/WxComputeWindows.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/weakref.h>

#include "editor/document/CDlgProgress.h"
#include "editor/document/ResultWindow.h"
#include "editor/document/TextWindow.h"

namespace quor {

namespace {

// Follows a text window without owning it: the user may close it first.
class TextWindowLink : public ResultWindow {
 public:
  explicit TextWindowLink(TextWindow* window) : m_window(window) {}
  ~TextWindowLink() override { Close(); }
  TextWindowLink(const TextWindowLink&) = delete;
  TextWindowLink& operator=(const TextWindowLink&) = delete;

  // A closed window lingers until the next idle time, awaiting deletion.
  bool IsOpen() const override {
    return m_window && !m_window->IsBeingDeleted() && !wxPendingDelete.Member(m_window.get());
  }
  void Close() override {
    if (IsOpen()) m_window->Destroy();
  }

 private:
  wxWeakRef<TextWindow> m_window;
};

}  // namespace

ProgressEnd WxComputeWindows::RunProgressDialog(const std::string& caption, const std::string& exportName,
                                                StageExport stage, ComputeJob& job) {
  CDlgProgress dialog(wxTheApp->GetTopWindow(), caption, exportName, stage, job);
  return dialog.ShowModal() == wxID_OK ? ProgressEnd::Finished : ProgressEnd::Cancelled;
}

std::unique_ptr<ResultWindow> WxComputeWindows::OpenTextWindow(const std::string& path) {
  TextWindow* window = TextWindow::Open(path);
  if (window == nullptr) return nullptr;
  return std::make_unique<TextWindowLink>(window);
}

std::optional<std::string> WxComputeWindows::AskExportPath(const std::string& proposedName) {
  wxFileDialog dialog(wxTheApp->GetTopWindow(), "Export File", wxString(), wxString::FromUTF8(proposedName),
                      "DXF (*.dxf)|*.dxf", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return std::string(dialog.GetPath().utf8_str());
}

}  // namespace quor
