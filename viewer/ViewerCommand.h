// The viewer's command ids (menu, keys and wheel all end in one of them) and
// the choice of command for a wheel notch.
#pragma once

namespace quor::viewer {

enum class ViewerCommand : int {
  None = 0,
  Exit = 13,
  RotateXPlus = 21,
  RotateYPlus = 22,
  RotateZPlus = 23,
  ZoomOut = 31,
  ZoomIn = 32,
  Axes = 40,
  PanLeft = 51,
  PanUp = 52,
  PanRight = 53,
  PanDown = 54,
  WireFrame = 61,
  Filled = 62,
  Both = 63,
  CycleClipping = 71,
  RaiseClip = 72,
  LowerClip = 73,
  NoClipping = 81,
  ClipUpper = 82,
  ClipLower = 83,
  Copy = 91,
  Reset = 101,
  RotateXMinus = 121,
  RotateYMinus = 122,
  RotateZMinus = 123,
  Help = 201,
};

// The id under which the command is known to menus and accelerators.
constexpr int CommandId(ViewerCommand command) {
  return static_cast<int>(command);
}

// What was held while the wheel turned.
struct WheelKeys {
  bool control = false;
  bool shift = false;
  bool mouseButton = false;  // any mouse button
  bool tab = false;
};

// Only one notch (rotation +-120) with nothing, Shift or Control held is a
// command; anything else, Shift and Control together included, is None.
ViewerCommand WheelCommand(int rotation, const WheelKeys& keys);

}  // namespace quor::viewer
