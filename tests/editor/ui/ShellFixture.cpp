#include "ShellFixture.h"

#include <unistd.h>
#include <wx/app.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

#include <string>

#include "editor/document/CCrtanjeDoc.h"
#include "editor/document/CCrtanjeDocTemplate.h"
#include "editor/ui/CCrtanjeView.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/MenuBars.h"
#include "editor/ui/ProjectDocManager.h"
#include "editor/ui/ViewCanvas.h"
#include "editor/ui/view/ViewCore.h"
#include "platform/profile/FileProfile.h"
#include "support/ScreenSettle.h"
#include "support/WxTestPump.h"

namespace quor::test {

void ShellFixture::SetUp() {
  // One directory per test program run: other runs may share /tmp.
  directory = std::filesystem::path(testing::TempDir()) / ("quor-shell-test-" + std::to_string(getpid()));
  std::filesystem::remove_all(directory);
  std::filesystem::create_directories(directory);
  profile = std::make_unique<FileProfile>(directory / "quor.conf");
  manager = std::make_unique<ProjectDocManager>();
}

void ShellFixture::TearDown() {
  if (manager) {
    for (wxDocument* document : manager->GetDocumentsVector()) document->Modify(false);
    manager->CloseDocuments(true);
  }
  if (frame != nullptr) DestroyMainFrame();
  PumpEvents();
  manager.reset();
  std::filesystem::remove_all(directory);
}

void ShellFixture::CreateMainFrame() {
  frame = new CMainFrame(manager.get(), *profile);
  ASSERT_TRUE(frame->OnCreate());
  frame->SetMenuBar(CreateMenuBar(MenuResource::NoProject, *manager->GetFileHistory()));
  wxTheApp->SetTopWindow(frame);
  services = std::make_unique<DocumentServices>(DocumentServices{messages, dialogs, *frame, *profile});
  new CCrtanjeDocTemplate(manager.get(), wxCLASSINFO(CCrtanjeView), *services);
  frame->Show();
  PumpEvents();
}

void ShellFixture::DestroyMainFrame() {
  wxWindow* const destroyed = frame;
  frame->Destroy();
  frame = nullptr;
  PumpUntil([destroyed] { return !wxTopLevelWindows.Find(destroyed); });
}

CCrtanjeDoc* ShellFixture::Open(const char* sampleName) {
  const std::string path = std::string(QUOR_SOURCE_DIR) + "/examples/" + sampleName;
  return dynamic_cast<CCrtanjeDoc*>(manager->CreateDocument(path, wxDOC_SILENT));
}

bool ShellFixture::WaitUntilActive(wxDocument* document) {
  return PumpUntil([this, document] {
    wxMDIChildFrame* child = frame->GetActiveChild();
    return child != nullptr && child == document->GetFirstView()->GetFrame() &&
           child->GetMenuBar() != nullptr && child->GetMenuBar()->IsShown();
  });
}

void ShellFixture::WaitUntilLaidOut(const CCrtanjeView& view) {
  const ViewCanvas& canvas = *view.GetCanvas();
  PumpUntil([&view, &canvas] {
    const wxSize client = canvas.GetClientSize();
    return view.GetCore()->GetClientSize() == DeviceSize{client.x, client.y} && client.x > 200;
  });
  PumpUntilScreenSettles({canvas.ClientToScreen(wxPoint(0, 0)), canvas.GetClientSize()});
}

wxMenuBar* ShellFixture::VisibleMenuBar() const {
  wxMDIChildFrame* child = frame->GetActiveChild();
  if (child != nullptr && child->GetMenuBar() != nullptr && child->GetMenuBar()->IsShown()) {
    return child->GetMenuBar();
  }
  return frame->GetMenuBar();
}

bool ShellFixture::IsCommandEnabled(int id) const {
  wxUpdateUIEvent event(id);
  event.SetEventObject(frame);
  frame->ProcessWindowEvent(event);
  return !event.GetSetEnabled() || event.GetEnabled();
}

void ShellFixture::Command(int id) {
  wxCommandEvent command(wxEVT_MENU, id);
  command.SetEventObject(frame);
  frame->ProcessWindowEvent(command);
}

testing::AssertionResult ShellFixture::StatusShows(const std::string& text) const {
  const wxStatusBar& status = *frame->GetStatusBar();
  if (PumpUntil([&] { return status.GetStatusText(0).utf8_string() == text; })) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "the status bar shows \"" << status.GetStatusText(0).utf8_string()
                                     << "\"";
}

std::filesystem::path ShellFixture::CopySample(const char* sampleName) const {
  const std::filesystem::path copy = directory / sampleName;
  std::filesystem::copy_file(std::filesystem::path(QUOR_SOURCE_DIR) / "examples" / sampleName, copy,
                             std::filesystem::copy_options::overwrite_existing);
  return copy;
}

}  // namespace quor::test
