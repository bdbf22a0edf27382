#include "editor/ui/Accelerators.h"

#include <iterator>

#include "editor/ui/CommandIds.h"

namespace quor {

wxAcceleratorTable CreateAcceleratorTable() {
  wxAcceleratorEntry entries[] = {
      {wxACCEL_CTRL, WXK_INSERT, cmd::kEditCopy},       {wxACCEL_SHIFT, WXK_INSERT, cmd::kEditPaste},
      {wxACCEL_SHIFT, WXK_DELETE, cmd::kEditCut},       {wxACCEL_ALT, WXK_BACK, cmd::kEditUndo},
      {wxACCEL_CTRL, 'I', cmd::kObjectIndex},           {wxACCEL_NORMAL, WXK_F2, cmd::kToolSelect},
      {wxACCEL_NORMAL, WXK_F3, cmd::kToolPolylineNode}, {wxACCEL_CTRL, WXK_F7, cmd::kListResults},
  };
  return wxAcceleratorTable(static_cast<int>(std::size(entries)), entries);
}

}  // namespace quor
