#include "viewer/ViewState.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quor::viewer {

namespace {

constexpr double kZoomFactor = 1.2;
constexpr double kWidestAngle = 30.0;
constexpr double kNarrowestAngle = 0.2;
constexpr double kPanLimit = 5.0;
// The eye stands 42 units from the model centre, so a drag of the whole
// client height pans by about the visible height.
constexpr double kDragScale = 42.0;
// Lowering takes a hair less than raising gives back, as the viewer always did.
constexpr double kRaiseFraction = 0.02;
constexpr double kLowerFraction = 0.01999;

// A pending pan that would push an accumulated pan already beyond the limit further out.
double Limited(double accumulated, double pending) {
  if (accumulated > kPanLimit && pending > 0.0) return 0.0;
  if (accumulated < -kPanLimit && pending < 0.0) return 0.0;
  return pending;
}

}  // namespace

void ViewState::ZoomOut() {
  m_angle = std::min(m_angle * kZoomFactor, kWidestAngle);
}

void ViewState::ZoomIn() {
  m_angle = std::max(m_angle / kZoomFactor, kNarrowestAngle);
}

double ViewState::PanStep() const {
  return std::sin(m_angle * std::numbers::pi / 180.0);
}

void ViewState::DragPan(int dx, int dy, int clientHeight) {
  if (clientHeight <= 0) return;
  const double p = PanStep() * kDragScale / clientHeight;
  m_pending = {p * dx, -p * dy};
}

PanShift ViewState::TakePendingPan() {
  const PanShift taken{Limited(m_accumulated.x, m_pending.x), Limited(m_accumulated.y, m_pending.y)};
  m_accumulated.x += taken.x;
  m_accumulated.y += taken.y;
  m_pending = {};
  return taken;
}

void ViewState::CycleClipping() {
  switch (m_clipSign) {
    case 0:
      m_clipSign = 1;
      break;
    case 1:
      m_clipSign = -1;
      break;
    default:
      m_clipSign = 0;
      break;
  }
}

void ViewState::RaiseClip() {
  m_clipHeight = std::min(m_clipHeight + kRaiseFraction * m_maxClipHeight, m_maxClipHeight);
}

void ViewState::LowerClip() {
  m_clipHeight = std::max(m_clipHeight - kLowerFraction * m_maxClipHeight, -m_maxClipHeight);
}

void ViewState::ShowOutlinesOnly() {
  m_outlines = true;
  m_filled = false;
}

void ViewState::ShowFilledOnly() {
  m_outlines = false;
  m_filled = true;
}

void ViewState::ShowBoth() {
  m_outlines = true;
  m_filled = true;
}

void ViewState::Reset() {
  m_angle = kStartAngle;
  m_accumulated = {};
  m_clipSign = 0;
  m_clipHeight = m_maxClipHeight;
}

}  // namespace quor::viewer
