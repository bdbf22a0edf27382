#include "editor/ui/Accelerators.h"

#include "editor/ui/CommandIds.h"
#include "editor/ui/HotKeys.h"

namespace quor {

namespace {

struct CommandKey {
  int id;
  HotKey key;
};

constexpr CommandKey kKeys[] = {
    {cmd::kEditCopy, key::kCopySecond},
    {cmd::kEditPaste, key::kPasteSecond},
    {cmd::kEditCut, key::kCutSecond},
    {cmd::kEditUndo, key::kUndoSecond},
    {cmd::kObjectIndex, key::kIndex},
    {cmd::kToolSelect, key::kSelect},
    {cmd::kToolPolylineNode, key::kPolylineNode},
    {cmd::kListResults, key::kListResults},
    {cmd::kViewZoomIn, key::kZoomIn},
    {cmd::kViewZoomOut, key::kZoomOut},
};

}  // namespace

std::vector<wxAcceleratorEntry> AcceleratorEntries() {
  std::vector<wxAcceleratorEntry> entries;
  for (const CommandKey& command : kKeys) {
    wxAcceleratorEntry entry;
    if (!entry.FromString(wxString::FromUTF8(command.key.label.data(), command.key.label.size()))) continue;
    entry.Set(entry.GetFlags(), entry.GetKeyCode(), command.id);
    entries.push_back(entry);
  }
  return entries;
}

wxAcceleratorTable CreateAcceleratorTable() {
  const std::vector<wxAcceleratorEntry> entries = AcceleratorEntries();
  return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}

}  // namespace quor
