#include "editor/document/TextWindow.h"

#include <wx/app.h>
#include <wx/textctrl.h>

#include <fstream>
#include <iterator>

namespace quor {

namespace {

const wxSize kInitialSize(720, 480);

}  // namespace

TextWindow* TextWindow::Open(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return nullptr;
  auto* window = new TextWindow(path, text);
  window->Show();
  return window;
}

TextWindow::TextWindow(const std::string& path, const std::string& text)
    : wxFrame(wxTheApp->GetTopWindow(), wxID_ANY, wxString::FromUTF8(path), wxDefaultPosition, kInitialSize) {
  // The result files are plain ASCII; Latin-1 shows any other byte instead of dropping the text.
  auto* view =
      new wxTextCtrl(this, wxID_ANY, wxString(text.data(), wxConvISO8859_1, text.size()), wxDefaultPosition,
                     wxDefaultSize, wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
  view->SetFont(wxFont(wxFontInfo().Family(wxFONTFAMILY_TELETYPE)));
}

}  // namespace quor
