// The keys of the commands, each written once: menu item texts carry it
// after a tab, the accelerator table parses it from there, and the prompts
// and tooltips name it.
#pragma once

#include <string>
#include <string_view>

namespace quor {

struct HotKey {
  std::string_view label;   // as a menu item's text carries it after the tab
  std::string_view spoken;  // as prompts and tooltips name it
};

namespace key {

constexpr HotKey Same(std::string_view text) {
  return {text, text};
}

inline constexpr HotKey kNew = Same("Ctrl+N");
inline constexpr HotKey kOpen = Same("Ctrl+O");
inline constexpr HotKey kClose = Same("Ctrl+W");
inline constexpr HotKey kSave = Same("Ctrl+S");
inline constexpr HotKey kExit = Same("Alt+F4");
inline constexpr HotKey kUndo = Same("Ctrl+Z");
inline constexpr HotKey kRedo = Same("Ctrl+Y");
inline constexpr HotKey kCut = Same("Ctrl+X");
inline constexpr HotKey kCopy = Same("Ctrl+C");
inline constexpr HotKey kPaste = Same("Ctrl+V");
inline constexpr HotKey kPasteOriginal = Same("Ctrl+T");
inline constexpr HotKey kDelete = Same("Del");
inline constexpr HotKey kSelectAll = Same("Ctrl+A");
inline constexpr HotKey kPan = Same("F7");
inline constexpr HotKey kZoom = Same("F8");
// wx cannot parse the keypad names that prompts use; its menus show these
// keys but do not deliver them, so the accelerator table carries them too.
inline constexpr HotKey kZoomIn = {"KP_Add", "Numpad +"};
inline constexpr HotKey kZoomOut = {"KP_Subtract", "Numpad -"};
inline constexpr HotKey kZoomAll = Same("Ctrl+F8");
inline constexpr HotKey k3DView = Same("Ctrl+F4");
inline constexpr HotKey kProperties = Same("Alt+Enter");
inline constexpr HotKey kBringToFront = Same("Ctrl+F");
inline constexpr HotKey kSendToBack = Same("Ctrl+B");
inline constexpr HotKey kSelect = Same("F2");
inline constexpr HotKey kPolylineNode = Same("F3");
inline constexpr HotKey kPolyline = Same("F4");
inline constexpr HotKey kRectangle = Same("F5");
inline constexpr HotKey kVia = Same("F6");
inline constexpr HotKey kNewLayer = Same("Ctrl+L");
inline constexpr HotKey kCheck = Same("Ctrl+F2");
inline constexpr HotKey kSegment = Same("Ctrl+F3");
inline constexpr HotKey kRun = Same("Ctrl+F5");
inline constexpr HotKey kAutoRun = Same("Ctrl+F6");
inline constexpr HotKey kListResults = Same("Ctrl+F7");
inline constexpr HotKey kIndex = Same("Ctrl+I");
inline constexpr HotKey kHelp = Same("F1");
// Second keys, which only the accelerator table gives.
inline constexpr HotKey kCopySecond = Same("Ctrl+Ins");
inline constexpr HotKey kPasteSecond = Same("Shift+Ins");
inline constexpr HotKey kCutSecond = Same("Shift+Del");
inline constexpr HotKey kUndoSecond = Same("Alt+Back");

}  // namespace key

// A menu item's text with the key after a tab; the text alone for no key.
std::string WithKey(std::string_view text, const HotKey& key);

// The text with each "{key}" replaced by the key's spoken name.
std::string NameKey(std::string_view text, const HotKey& key);

}  // namespace quor
