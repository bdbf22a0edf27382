// The read-only window in which the editor shows a result file: its own
// top-level window, which the user may close at any time.
#pragma once

#include <wx/frame.h>

#include <string>

namespace quor {

class TextWindow : public wxFrame {
 public:
  // Shows the file; null when it cannot be read. The window belongs to wx.
  static TextWindow* Open(const std::string& path);

 private:
  TextWindow(const std::string& path, const std::string& text);
};

}  // namespace quor
