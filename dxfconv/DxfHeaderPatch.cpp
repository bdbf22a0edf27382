#include "dxfconv/DxfHeaderPatch.h"

#include <algorithm>

#include "dxfconv/DxfNumbers.h"
#include "dxfconv/DxfPair.h"

namespace quor::dxfconv {

namespace {

// The view's proportions, in single precision: 0.699999988 and 1.04999995.
constexpr double kWidthToHeight = 0.7f;
constexpr double kMargin = 1.05f;
constexpr double kEmptyViewHeight = 10;

}  // namespace

double DxfHeaderPatch::ViewHeight() const {
  const Values& v = m_values;
  const double height = std::max(kWidthToHeight * (v.xmax - v.xmin), v.ymax - v.ymin) * kMargin;
  return height > 0 ? height : kEmptyViewHeight;
}

void DxfHeaderPatch::Open(Target target, int count) {
  m_target = target;
  m_count = count;
}

void DxfHeaderPatch::Apply(DxfPair& pair) {
  if (pair.Is(9, "$HANDSEED"))
    m_seedMark = true;
  else if (m_seedMark && pair.code == 5) {
    pair.value = FormatHandle(m_values.handleSeed);
    m_seedMark = false;
  }
  if (pair.Is(9, "$EXTMIN"))
    Open(Target::kExtMin, 2);
  else if (pair.Is(9, "$EXTMAX"))
    Open(Target::kExtMax, 2);
  else if (pair.Is(2, "*Active"))
    Open(Target::kActiveView, 3);
  else if (m_count > 0)
    PatchTarget(pair);
}

void DxfHeaderPatch::PatchTarget(DxfPair& pair) {
  const Values& v = m_values;
  double value = 0;
  switch (m_target) {
    case Target::kNone:
      return;
    case Target::kExtMin:
    case Target::kExtMax: {
      const bool isMin = m_target == Target::kExtMin;
      if (pair.code == 10)
        value = isMin ? v.xmin : v.xmax;
      else if (pair.code == 20)
        value = isMin ? v.ymin : v.ymax;
      else
        return;
      break;
    }
    case Target::kActiveView:
      if (pair.code == 12)
        value = (v.xmin + v.xmax) / 2;
      else if (pair.code == 22)
        value = (v.ymin + v.ymax) / 2;
      else if (pair.code == 40)
        value = ViewHeight();
      else
        return;
      break;
  }
  pair.value = FormatReal(value);
  --m_count;
}

}  // namespace quor::dxfconv
