// Fills the header values that are known only once the drawing is written:
// the handle seed, the drawing extents and the active view.
#pragma once

#include <cstdint>

namespace quor::dxfconv {

struct DxfPair;

class DxfHeaderPatch {
 public:
  struct Values {
    std::int64_t handleSeed = 0;  // the first handle not given out
    double xmin = 0;
    double xmax = 0;
    double ymin = 0;
    double ymax = 0;
  };

  explicit DxfHeaderPatch(const Values& values) : m_values(values) {}

  // Called for every pair in drawing order; changes the value of the pairs
  // that follow "$HANDSEED", "$EXTMIN", "$EXTMAX" and the view "*Active".
  void Apply(DxfPair& pair);

  // The height of the active view: the extents with a margin, fitted to a
  // window about 1.4 times as wide as high.
  double ViewHeight() const;

 private:
  enum class Target { kNone, kExtMin, kExtMax, kActiveView };

  void Open(Target target, int count);
  void PatchTarget(DxfPair& pair);

  Values m_values;
  bool m_seedMark = false;
  Target m_target = Target::kNone;
  int m_count = 0;  // pairs of the open target still to be patched
};

}  // namespace quor::dxfconv
