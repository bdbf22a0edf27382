// The window layer: message order, paint timing, focus, sizes and creation.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/draw/RecordingDrawContext.h"
#include "platform/win/WindowSystem.h"

namespace quor::win {
namespace {

struct Recorder {
  std::vector<UINT> messages;
  LRESULT createResult = 0;

  WindowProc Proc() {
    return [this](Window& window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
      messages.push_back(message);
      if (message == WM_CREATE) return createResult;
      return DefWindowProc(window, message, wParam, lParam);
    };
  }
};

class NullHost : public WindowHost {
 public:
  DrawContext& BeginDraw() override { return dc; }
  void EndDraw() override {}
  void ScrollBarsChanged() override { ++barChanges; }
  void SetCursorShape(CursorShape) override {}
  void CaretChanged() override {}
  void FocusGiven() override { ++focusGiven; }

  RecordingDrawContext dc;
  int barChanges = 0;
  int focusGiven = 0;
};

TEST(WindowSystemTest, PaintWaitsUntilNoPostedMessageIsLeft) {
  WindowSystem system;
  Recorder recorder;
  NullHost host;
  Window window(system, recorder.Proc(), "", 1, nullptr, &host);
  window.SetWindowSize(100, 50);
  recorder.messages.clear();
  window.InvalidateRect(nullptr, true);
  PostMessage(&window, WM_USER + 1, 0, 0);
  PostMessage(&window, WM_USER + 2, 0, 0);
  system.PumpMessages();
  EXPECT_EQ(recorder.messages, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_PAINT, WM_ERASEBKGND}));
  EXPECT_FALSE(window.HasUpdateRegion());
}

TEST(WindowSystemTest, UpdateRegionsMergeAndStayInTheClient) {
  WindowSystem system;
  Recorder recorder;
  Window window(system, recorder.Proc(), "", 1, nullptr, nullptr);
  window.SetWindowSize(100, 50);
  const RECT a{10, 10, 20, 20};
  const RECT b{90, 40, 300, 300};
  window.InvalidateRect(&a, false);
  window.InvalidateRect(&b, false);
  EXPECT_EQ(window.UpdateRect(), (RECT{10, 10, 100, 50}));
  EXPECT_FALSE(window.UpdateErase());
  const RECT outside{200, 200, 300, 300};
  window.ValidateAll();
  window.InvalidateRect(&outside, true);
  EXPECT_FALSE(window.HasUpdateRegion());
}

TEST(WindowSystemTest, PostedMessagesOfADestroyedWindowAreDropped) {
  WindowSystem system;
  Recorder recorder;
  auto window = std::make_unique<Window>(system, recorder.Proc(), "", 1, nullptr, nullptr);
  PostMessage(window.get(), WM_USER, 0, 0);
  window.reset();
  EXPECT_EQ(system.PostedCount(), 0u);
  system.PumpMessages();
  EXPECT_EQ(recorder.messages, (std::vector<UINT>{WM_DESTROY}));
}

TEST(WindowSystemTest, FocusMovesWithKillThenSet) {
  WindowSystem system;
  Recorder first, second;
  NullHost host;
  Window a(system, first.Proc(), "", 1, nullptr, &host);
  Window b(system, second.Proc(), "", 2, nullptr, nullptr);
  system.SetFocus(&a);
  system.SetFocus(&a);
  system.SetFocus(&b);
  EXPECT_EQ(first.messages, (std::vector<UINT>{WM_SETFOCUS, WM_KILLFOCUS}));
  EXPECT_EQ(second.messages, (std::vector<UINT>{WM_SETFOCUS}));
  EXPECT_EQ(host.focusGiven, 1);
  EXPECT_EQ(system.GetFocus(), &b);
}

TEST(WindowSystemTest, ShowingAScrollBarShrinksTheClientAndSendsSize) {
  WindowSystem system;
  Recorder recorder;
  NullHost host;
  Window window(system, recorder.Proc(), "", 1, nullptr, &host);
  window.SetWindowSize(200, 100);
  recorder.messages.clear();
  window.ShowScrollBar(SB_VERT, true);
  window.ShowScrollBar(SB_VERT, true);
  EXPECT_EQ(window.ClientWidth(), 200 - system.ScrollBarThickness());
  EXPECT_EQ(window.ClientHeight(), 100);
  EXPECT_EQ(recorder.messages, (std::vector<UINT>{WM_SIZE}));
  window.SetScrollRange(SB_VERT, 1, 5);
  EXPECT_EQ(window.SetScrollPos(SB_VERT, 9), 1);
  EXPECT_EQ(window.ScrollBar(SB_VERT).pos, 5);
  window.SetScrollPos(SB_VERT, -3);
  EXPECT_EQ(window.ScrollBar(SB_VERT).pos, 1);
}

TEST(WindowSystemTest, AWindowWhoseCreationFailsIsNeverDestroyed) {
  WindowSystem system;
  Recorder recorder;
  recorder.createResult = -1;
  EXPECT_NE(system.RegisterClass({"test", 0, recorder.Proc()}), 0);
  EXPECT_EQ(system.RegisterClass({"test", 0, recorder.Proc()}), 0);
  EXPECT_EQ(system.CreateWindowEx("test", "", 10, 10, nullptr, 1, nullptr), nullptr);
  EXPECT_EQ(recorder.messages, (std::vector<UINT>{WM_SIZE, WM_CREATE}));
  EXPECT_EQ(system.CreateWindowEx("missing", "", 10, 10, nullptr, 1, nullptr), nullptr);
  recorder.createResult = 0;
  recorder.messages.clear();
  auto window = system.CreateWindowEx("test", "hello", 10, 10, nullptr, 1, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Text(), "hello");
  window.reset();
  EXPECT_EQ(recorder.messages, (std::vector<UINT>{WM_SIZE, WM_CREATE, WM_DESTROY}));
}

TEST(WindowSystemTest, KeysTranslateByTheStateTheyWereSentWith) {
  WindowSystem system;
  int seen = -2;
  Window window(
      system,
      [&](Window& w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_KEYDOWN) seen = w.System().TranslateKey(static_cast<UINT>(wp));
        return DefWindowProc(w, m, wp, lp);
      },
      "", 1, nullptr, nullptr);
  system.SendKeyDown(window, 'A', 'A');
  EXPECT_EQ(seen, 'A');
  system.SendKeyDown(window, VK_F1, -1);
  EXPECT_EQ(seen, -1);
  EXPECT_EQ(system.TranslateKey('Q'), 'q');
  EXPECT_EQ(system.TranslateKey(VK_RETURN), 13);
  EXPECT_EQ(system.TranslateKey(VK_DELETE), -1);
}

TEST(WindowSystemTest, TheCaretBelongsToOneWindowAndForgetsADestroyedOne) {
  WindowSystem system;
  NullHost host;
  Recorder recorder;
  auto a = std::make_unique<Window>(system, recorder.Proc(), "", 1, nullptr, &host);
  Window b(system, recorder.Proc(), "", 2, nullptr, &host);
  Caret& caret = system.SystemCaret();
  caret.Create(*a, 1, 13);
  EXPECT_FALSE(caret.Visible());
  caret.Show(b);
  EXPECT_FALSE(caret.Visible());
  caret.Show(*a);
  EXPECT_TRUE(caret.Visible());
  a.reset();
  EXPECT_EQ(caret.Owner(), nullptr);
  EXPECT_FALSE(caret.Visible());
}

}  // namespace
}  // namespace quor::win
