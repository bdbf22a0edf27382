#include "ToolsGuiFixture.h"

#include <wx/uiaction.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstdlib>

#include "editor/document/CCrtanjeDoc.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/CLayer.h"
#include "editor/model/CStructure.h"
#include "editor/ui/CCrtanjeView.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/ViewCanvas.h"
#include "editor/ui/view/ViewCore.h"
#include "support/WxTestPump.h"

namespace quor::test {

InputCounter::InputCounter(wxWindow& canvas) {
  const auto mouse = [this](wxMouseEvent& event) {
    ++events;
    event.Skip();
  };
  const auto key = [this](wxKeyEvent& event) {
    ++events;
    event.Skip();
  };
  canvas.Bind(wxEVT_MOTION, mouse);
  canvas.Bind(wxEVT_LEFT_DOWN, mouse);
  canvas.Bind(wxEVT_LEFT_UP, mouse);
  canvas.Bind(wxEVT_LEFT_DCLICK, mouse);
  canvas.Bind(wxEVT_KEY_DOWN, key);
  canvas.Bind(wxEVT_KEY_UP, key);
}

void ToolsGuiFixture::SetUp() {
  ShellFixture::SetUp();
  // File > New without the footprint dialog: the profile's footprint.
  profile->WriteProfileInt("Settings", "FootprintPromptOnStartup", 0);
  CreateMainFrame();
  view = NewProject();
  ASSERT_NE(view, nullptr);
  counter = std::make_unique<InputCounter>(*view->GetCanvas());
}

CCrtanjeView* ToolsGuiFixture::NewProject() {
  const std::size_t before = manager->GetDocumentsVector().size();
  Command(cmd::kFileNew);
  if (manager->GetDocumentsVector().size() != before + 1) return nullptr;
  wxDocument* document = manager->GetDocumentsVector().back();
  if (!WaitUntilActive(document)) return nullptr;
  auto* opened = dynamic_cast<CCrtanjeView*>(document->GetFirstView());
  if (opened != nullptr) WaitUntilLaidOut(*opened);
  return opened;
}

CCrtanjeDoc& ToolsGuiFixture::Document() const {
  return *dynamic_cast<CCrtanjeDoc*>(view->GetDocument());
}

CStructure& ToolsGuiFixture::Model() const {
  return Document().GetModel();
}

ViewCore& ToolsGuiFixture::Core() const {
  return *view->GetCore();
}

const CLayer& ToolsGuiFixture::ActiveLayer() const {
  return Model().FindLayerByZ(Core().GetActiveZ());
}

DevicePoint ToolsGuiFixture::Pixel(double x, double y) const {
  return Core().WorldToScreen({x, y});
}

void ToolsGuiFixture::Command(int id) {
  ShellFixture::Command(id);
  PumpEvents(std::chrono::milliseconds(20));
}

bool ToolsGuiFixture::Input(const std::function<void(wxUIActionSimulator&)>& act, int count) {
  const int before = counter->events;
  wxUIActionSimulator simulator;
  act(simulator);
  return PumpUntil([&] { return counter->events >= before + count; }, std::chrono::milliseconds(3000));
}

bool ToolsGuiFixture::MoveTo(DevicePoint client) {
  const wxPoint screen = view->GetCanvas()->ClientToScreen(wxPoint(client.x, client.y));
  // Where the pointer is already, moving it sends nothing.
  if (wxGetMousePosition() == screen) return true;
  return Input([screen](wxUIActionSimulator& s) { s.MouseMove(screen); });
}

bool ToolsGuiFixture::Press() {
  const wxPoint at = wxGetMousePosition();
  const auto since = std::chrono::steady_clock::now() - lastPress;
  if (std::abs(at.x - lastPressAt.x) < 10 && std::abs(at.y - lastPressAt.y) < 10 &&
      since < kDoubleClickTime) {
    PumpEvents(std::chrono::duration_cast<std::chrono::milliseconds>(kDoubleClickTime - since));
  }
  lastPress = std::chrono::steady_clock::now();
  lastPressAt = at;
  return Input([](wxUIActionSimulator& s) { s.MouseDown(); });
}

bool ToolsGuiFixture::Release() {
  return Input([](wxUIActionSimulator& s) { s.MouseUp(); });
}

bool ToolsGuiFixture::Key(int key, int modifiers) {
  return Input([=](wxUIActionSimulator& s) { s.Char(key, modifiers); }, 2);
}

void ToolsGuiFixture::Drag(DevicePoint from, DevicePoint to) {
  ASSERT_TRUE(MoveTo(from));
  ASSERT_TRUE(Press());
  ASSERT_TRUE(MoveTo({(from.x + to.x) / 2, (from.y + to.y) / 2}));
  ASSERT_TRUE(MoveTo(to));
  ASSERT_TRUE(Release());
}

void ToolsGuiFixture::Click(DevicePoint at) {
  ASSERT_TRUE(MoveTo(at));
  ASSERT_TRUE(Press());
  ASSERT_TRUE(Release());
}

DevicePoint ToolsGuiFixture::Free(int i, int j) const {
  double length = 0.0;
  double width = 0.0;
  Document().GetFootprintSize(length, width);
  const double s = GridStep();
  return Pixel(s * (1 + i), width - s * (1 + j));
}

double ToolsGuiFixture::GridStep() const {
  const double spacing = Document().GetSettings().GridSpacing;
  const int pixels = std::max(1, Core().UnitsToPixels(spacing));
  return spacing * std::max(1, (50 + pixels - 1) / pixels);
}

const CConductorPolygon& ToolsGuiFixture::DrawRectangle(DevicePoint from, DevicePoint to) {
  Command(cmd::kToolRectangle);
  Drag(from, to);
  Command(cmd::kToolSelect);
  return *ActiveLayer().GetShapes().back();
}

Point3 ToolsGuiFixture::FirstNode(const CConductorPolygon& polygon) {
  return *polygon.GetNodes().begin();
}

}  // namespace quor::test
