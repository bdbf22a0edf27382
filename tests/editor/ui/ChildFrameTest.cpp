// Project windows tell the bars which view is active: the one left reports
// 17 before the one entered reports 16, also when a project closes.
#include <gtest/gtest.h>
#include <wx/mdi.h>

#include <variant>

#include "ShellFixture.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/document/EditingView.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/bars/CInfoBar.h"
#include "support/WxTestPump.h"

namespace quor::test {
namespace {

class ChildFrameTest : public ShellFixture {
 protected:
  void TearDown() override {
    if (frame != nullptr) frame->SetHintReceiver(CMainFrame::HintSlot::InfoBar, frame->GetInfoBar());
    ShellFixture::TearDown();
  }

  std::vector<RecordingBar::Entry> log;
  RecordingBar info{"info", log};
};

TEST_F(ChildFrameTest, SwitchingProjectsSendsDeactivationThenActivation) {
  CreateMainFrame();
  CCrtanjeDoc* first = Open("microstrip.qlx");
  ASSERT_NE(first, nullptr);
  ASSERT_TRUE(WaitUntilActive(first));
  CCrtanjeDoc* second = Open("coupled_lines.qlx");
  ASSERT_NE(second, nullptr);
  ASSERT_TRUE(WaitUntilActive(second));

  info.PassOnTo(frame->GetInfoBar());
  frame->SetHintReceiver(CMainFrame::HintSlot::InfoBar, &info);
  static_cast<wxMDIChildFrame*>(first->GetFirstView()->GetFrame())->Activate();
  ASSERT_TRUE(WaitUntilActive(first));
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].hint, UpdateHint::HintViewDeactivated);
  EXPECT_THROW(log[0].sent.View(), std::bad_variant_access);
  EXPECT_EQ(log[1].hint, UpdateHint::HintViewActivated);
  EXPECT_EQ(log[1].sent.View(), dynamic_cast<EditingView*>(first->GetFirstView()));
  EXPECT_EQ(frame->GetTitle(), "QUOR - microstrip.qlx");
}

TEST_F(ChildFrameTest, ClosingTheActiveProjectSendsDeactivationFirst) {
  CreateMainFrame();
  CCrtanjeDoc* first = Open("microstrip.qlx");
  CCrtanjeDoc* second = Open("coupled_lines.qlx");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  ASSERT_TRUE(WaitUntilActive(second));
  info.PassOnTo(frame->GetInfoBar());
  frame->SetHintReceiver(CMainFrame::HintSlot::InfoBar, &info);

  ASSERT_TRUE(manager->CloseDocument(second, true));
  ASSERT_TRUE(WaitUntilActive(first));
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log.front().hint, UpdateHint::HintViewDeactivated);
  EXPECT_EQ(log.back().hint, UpdateHint::HintViewActivated);
  EXPECT_EQ(log.back().sent.View(), dynamic_cast<EditingView*>(first->GetFirstView()));

  log.clear();
  ASSERT_TRUE(manager->CloseDocument(first, true));
  PumpUntil([this] { return frame->GetActiveChild() == nullptr && !log.empty(); });
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].hint, UpdateHint::HintViewDeactivated);
  EXPECT_EQ(frame->GetTitle(), "QUOR");
}

}  // namespace
}  // namespace quor::test
