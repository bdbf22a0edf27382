#include "viewer/ViewerCommand.h"

namespace quor::viewer {

namespace {

constexpr int kNotch = 120;

}  // namespace

ViewerCommand WheelCommand(int rotation, const WheelKeys& keys) {
  if (rotation != kNotch && rotation != -kNotch) return ViewerCommand::None;
  if (keys.mouseButton || (keys.control && keys.shift)) return ViewerCommand::None;
  const bool up = rotation > 0;
  if (keys.control) return up ? ViewerCommand::RotateXPlus : ViewerCommand::RotateXMinus;
  if (keys.shift) return up ? ViewerCommand::RotateYPlus : ViewerCommand::RotateYMinus;
  if (keys.tab) return up ? ViewerCommand::RotateZPlus : ViewerCommand::RotateZMinus;
  return up ? ViewerCommand::ZoomIn : ViewerCommand::ZoomOut;
}

}  // namespace quor::viewer
