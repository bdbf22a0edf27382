#include "GridTestHarness.h"

#include "editor/grid/GridLayout.h"
#include "editor/grid/GridMessages.h"
#include "editor/grid/GridSlotTable.h"
#include "editor/grid/GridWndProc.h"

namespace quor::grid::test {

using namespace win;

DrawContext& FakeHost::BeginDraw() {
  if (m_depth++ == 0) dc.ResetState();
  return dc;
}

GridHarness::GridHarness(int width, int height) {
  RegisterGridClass(system);
  parent = std::make_unique<Window>(
      system,
      [this](Window& self, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND) notifications.push_back({HIWORD(wParam), lParam});
        return DefWindowProc(self, message, wParam, lParam);
      },
      "", 0, nullptr, nullptr);
  grid = system.CreateWindowEx(kGridClassName, "", width, height, parent.get(), kId, &host);
}

GridHarness::~GridHarness() {
  grid.reset();
}

LRESULT GridHarness::Send(UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessage(grid.get(), message, wParam, lParam);
}

LRESULT GridHarness::CellMessage(UINT message, int row, int column, LPARAM lParam) {
  GridCellRef ref;
  SetGridCellRef(ref, row, column);
  return Send(message, reinterpret_cast<WPARAM>(&ref), lParam);
}

void GridHarness::SetCell(int row, int column, const std::string& text) {
  CellMessage(GRM_SETCELLTEXT, row, column, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string GridHarness::Text(int row, int column) {
  std::string text;
  CellMessage(GRM_GETCELLTEXT, row, column, reinterpret_cast<LPARAM>(&text));
  return text;
}

int GridHarness::Kind(int row, int column) {
  return static_cast<int>(CellMessage(GRM_GETCELLKIND, row, column));
}

void GridHarness::Key(UINT virtualKey, int character) {
  system.SendKeyDown(*grid, virtualKey, character);
  Pump();
}

void GridHarness::Type(const std::string& text) {
  // As the wx host sends them: no character is taken for a key of the grid's table.
  for (const char c : text) Key(VK_PACKET, c);
}

void GridHarness::Mouse(UINT message, int x, int y) {
  Send(message, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
  Pump();
}

void GridHarness::Click(int row, int column) {
  const RECT r = CellRect(Slot(), row, column);
  Mouse(WM_LBUTTONDOWN, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Mouse(WM_LBUTTONUP, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void GridHarness::DoubleClick(int row, int column) {
  const RECT r = CellRect(Slot(), row, column);
  Mouse(WM_LBUTTONDBLCLK, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

GridSlot& GridHarness::Slot() const {
  return *FindGridSlot(kId);
}

std::vector<int> GridHarness::TakeCodes() {
  std::vector<int> codes;
  for (const Notification& n : notifications) codes.push_back(n.code);
  notifications.clear();
  return codes;
}

}  // namespace quor::grid::test
