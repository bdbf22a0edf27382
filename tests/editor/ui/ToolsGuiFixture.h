// The editor on the X screen for tests that drive its tools as a user does:
// a main frame, a project made by File > New, and the pointer and keyboard
// simulated (wxUIActionSimulator), each input awaited until the view's
// window has seen it.
#pragma once

#include <wx/gdicmn.h>

#include <chrono>
#include <functional>
#include <memory>

#include "ShellFixture.h"
#include "dialogs/ModalScript.h"
#include "platform/draw/DrawContext.h"

class wxUIActionSimulator;
class wxWindow;

struct Point3;

namespace quor {
class CConductorPolygon;
class CCrtanjeDoc;
class CCrtanjeView;
class CLayer;
class CStructure;
class ViewCore;
}  // namespace quor

namespace quor::test {

// Counts the input events that reach a window.
struct InputCounter {
  explicit InputCounter(wxWindow& canvas);
  int events = 0;
};

class ToolsGuiFixture : public ShellFixture {
 protected:
  void SetUp() override;

  // File > New, as the menu gives it; the new project's view once painted at
  // its laid-out size, or null.
  CCrtanjeView* NewProject();

  CCrtanjeDoc& Document() const;
  CStructure& Model() const;
  ViewCore& Core() const;
  const CLayer& ActiveLayer() const;
  // The client pixel of a world point.
  DevicePoint Pixel(double x, double y) const;
  // A menu command through the main frame, and a short pump for what it caused.
  void Command(int id);

  // Runs one simulated input and waits until the canvas has seen `count` events of it.
  bool Input(const std::function<void(wxUIActionSimulator&)>& act, int count = 1);
  bool MoveTo(DevicePoint client);
  // A press near the last one soon after it would be a double click: it waits first.
  bool Press();
  bool Release();
  bool Key(int key, int modifiers = 0);
  // Press at `from`, move through the middle to `to`, release there.
  void Drag(DevicePoint from, DevicePoint to);
  void Click(DevicePoint at);

  // Grid points about 50 pixels apart, counted from the footprint's
  // top-left corner inwards: presses on two of them are never a double click.
  DevicePoint Free(int i, int j) const;
  // The world distance between neighbouring Free points: whole grid spacings.
  double GridStep() const;
  // A rectangle drawn with the Rectangle tool between two client points;
  // the Select tool is current afterwards.
  const CConductorPolygon& DrawRectangle(DevicePoint from, DevicePoint to);
  static Point3 FirstNode(const CConductorPolygon& polygon);

  static constexpr std::chrono::milliseconds kDoubleClickTime{600};

  CCrtanjeView* view = nullptr;
  std::unique_ptr<InputCounter> counter;
  std::chrono::steady_clock::time_point lastPress;
  wxPoint lastPressAt{-100, -100};
  ModalScript script;
};

}  // namespace quor::test
