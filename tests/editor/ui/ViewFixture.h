// The editor shell with the build's computation library, on which a sample
// project is opened from a copy and shown in its editing view.
#pragma once

#include <wx/image.h>
#include <wx/treebase.h>

#include <filesystem>
#include <memory>
#include <string>

#include "ShellFixture.h"
#include "editor/document/CSolverLibrary.h"
#include "editor/document/ComputeServices.h"
#include "editor/document/WxComputeWindows.h"
#include "editor/model/CConductorPolygon.h"
#include "platform/draw/DrawContext.h"

namespace quor {
class CCrtanjeDoc;
class CCrtanjeView;
class ViewCanvas;
}  // namespace quor

class wxTreeCtrl;

namespace quor::test {

// Pixels of exactly that colour.
int CountColour(const wxImage& image, COLORREF colour);

// The tree item of that text below `parent`, searched depth first.
wxTreeItemId FindTreeItem(const wxTreeCtrl& tree, const wxTreeItemId& parent, const std::string& text);

// A closed square on the layer at z, lower left corner first, counter-clockwise.
CConductorPolygon Square(double left, double bottom, double side, double z);

class ViewFixture : public ShellFixture {
 protected:
  void SetUp() override;

  // A copy of the sample in the fixture's directory, so that the compute
  // road writes beside the copy; its view once painted at its laid-out size.
  CCrtanjeView* OpenCopy(const std::filesystem::path& sample);
  static wxImage Screen(const ViewCanvas& canvas);
  static CCrtanjeDoc& Document(const CCrtanjeView& view);

  CSolverLibrary library{QUOR_BIN_DIR "/libTessmor.so"};
  WxComputeWindows windows;
  std::unique_ptr<ComputeServices> compute;
};

}  // namespace quor::test
