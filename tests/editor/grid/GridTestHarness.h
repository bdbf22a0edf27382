// A grid window on a window system of its own, with a parent that records
// the grid's notifications and a host that records its drawing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/grid/GridCellRef.h"
#include "editor/grid/GridSlot.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/win/WindowSystem.h"

namespace quor::grid::test {

class FakeHost : public win::WindowHost {
 public:
  DrawContext& BeginDraw() override;
  void EndDraw() override { --m_depth; }
  void ScrollBarsChanged() override {}
  void SetCursorShape(win::CursorShape shape) override { cursor = shape; }
  void CaretChanged() override {}
  void FocusGiven() override {}

  RecordingDrawContext dc;
  win::CursorShape cursor = win::CursorShape::Arrow;

 private:
  int m_depth = 0;
};

struct Notification {
  int code;
  win::LPARAM lParam;
};

class GridHarness {
 public:
  static constexpr win::UINT kId = 106;

  explicit GridHarness(int width = 400, int height = 300);
  ~GridHarness();

  win::LRESULT Send(win::UINT message, win::WPARAM wParam = 0, win::LPARAM lParam = 0);
  win::LRESULT CellMessage(win::UINT message, int row, int column, win::LPARAM lParam = 0);
  void SetCell(int row, int column, const std::string& text);
  std::string Text(int row, int column);
  int Kind(int row, int column);
  void Key(win::UINT virtualKey, int character = -1);
  void Type(const std::string& text);
  void Click(int row, int column);
  void DoubleClick(int row, int column);
  void Mouse(win::UINT message, int x, int y);
  void Focus() { system.SetFocus(grid.get()); }
  void Pump() { system.PumpMessages(); }
  GridSlot& Slot() const;
  // Codes sent since the last call.
  std::vector<int> TakeCodes();

  win::WindowSystem system;
  FakeHost host;
  std::unique_ptr<win::Window> parent;
  std::unique_ptr<win::Window> grid;
  std::vector<Notification> notifications;
};

}  // namespace quor::grid::test
