// What the viewer's commands change: field of view, pan, clipping, axes and
// drawing mode, with the limits each command keeps to.
#pragma once

namespace quor::viewer {

struct PanShift {
  double x = 0.0;
  double y = 0.0;
};

class ViewState {
 public:
  static constexpr double kRotationStep = 10.0;  // degrees per rotate command
  static constexpr double kStartAngle = 15.0;    // degrees of field of view

  explicit ViewState(double maxClipHeight = 0.0) : m_maxClipHeight(maxClipHeight) {}

  double Angle() const { return m_angle; }
  void ZoomOut();
  void ZoomIn();

  // sin(angle): the pan of one arrow key, growing with the field of view.
  double PanStep() const;
  void SetPendingPan(const PanShift& shift) { m_pending = shift; }
  // A mouse drag by (dx, dy) client pixels in a client area ch pixels high.
  void DragPan(int dx, int dy, int clientHeight);
  // The pending pan that the next draw applies, after refusing to push an
  // accumulated pan already beyond +-5 further out; clears it.
  PanShift TakePendingPan();
  PanShift AccumulatedPan() const { return m_accumulated; }

  // 0 no clipping, +1 keep z <= clip height, -1 keep z >= clip height.
  int ClipSign() const { return m_clipSign; }
  double ClipHeight() const { return m_clipHeight; }
  double MaxClipHeight() const { return m_maxClipHeight; }
  void SetClipSign(int sign) { m_clipSign = sign; }
  void CycleClipping();
  void RaiseClip();
  void LowerClip();

  bool AxesShown() const { return m_axes; }
  void ToggleAxes() { m_axes = !m_axes; }
  bool OutlinesShown() const { return m_outlines; }
  bool FilledShown() const { return m_filled; }
  void ShowOutlinesOnly();
  void ShowFilledOnly();
  void ShowBoth();

  // Angle 15, no pan, no clipping at the full clip height; the rotation
  // step, axes and drawing mode stay.
  void Reset();

 private:
  double m_angle = kStartAngle;
  PanShift m_pending;
  PanShift m_accumulated;
  int m_clipSign = 0;
  double m_maxClipHeight;
  double m_clipHeight = m_maxClipHeight;
  bool m_axes = true;
  bool m_outlines = true;
  bool m_filled = true;
};

}  // namespace quor::viewer
