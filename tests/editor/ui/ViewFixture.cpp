#include "ViewFixture.h"

#include <wx/treectrl.h>

#include <utility>

#include "editor/document/CCrtanjeDoc.h"
#include "editor/ui/CCrtanjeView.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/ViewCanvas.h"
#include "support/ScreenProbe.h"

namespace quor::test {

namespace fs = std::filesystem;

int CountColour(const wxImage& image, COLORREF colour) {
  int count = 0;
  const unsigned char* p = image.GetData();
  for (int i = 0; i < image.GetWidth() * image.GetHeight(); ++i, p += 3) {
    count += Rgb(p[0], p[1], p[2]) == colour;
  }
  return count;
}

wxTreeItemId FindTreeItem(const wxTreeCtrl& tree, const wxTreeItemId& parent, const std::string& text) {
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = tree.GetFirstChild(parent, cookie); child.IsOk();
       child = tree.GetNextChild(parent, cookie)) {
    if (tree.GetItemText(child).utf8_string() == text) return child;
    if (const wxTreeItemId found = FindTreeItem(tree, child, text); found.IsOk()) return found;
  }
  return {};
}

CConductorPolygon Square(double left, double bottom, double side, double z) {
  CConductorPolygon square;
  for (const auto& [x, y] : {std::pair{left, bottom},
                             {left + side, bottom},
                             {left + side, bottom + side},
                             {left, bottom + side}}) {
    square.AddNode({x, y, z});
  }
  square.SetClosed(true);
  return square;
}

void ViewFixture::SetUp() {
  ShellFixture::SetUp();
  CreateMainFrame();
  compute = std::make_unique<ComputeServices>(
      ComputeServices{library, windows, QUOR_BIN_DIR "/", directory / "viewer.lck"});
  services->compute = compute.get();
}

CCrtanjeView* ViewFixture::OpenCopy(const fs::path& sample) {
  const fs::path copy = directory / sample.filename();
  fs::copy_file(sample, copy);
  wxDocument* document = manager->CreateDocument(copy.string(), wxDOC_SILENT);
  if (document == nullptr || !WaitUntilActive(document)) return nullptr;
  auto* view = dynamic_cast<CCrtanjeView*>(document->GetFirstView());
  if (view != nullptr) WaitUntilLaidOut(*view);
  return view;
}

wxImage ViewFixture::Screen(const ViewCanvas& canvas) {
  return CaptureScreenArea({canvas.ClientToScreen(wxPoint(0, 0)), canvas.GetClientSize()});
}

CCrtanjeDoc& ViewFixture::Document(const CCrtanjeView& view) {
  return *dynamic_cast<CCrtanjeDoc*>(view.GetDocument());
}

}  // namespace quor::test
