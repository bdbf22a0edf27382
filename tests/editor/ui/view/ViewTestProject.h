// A new 2540 x 2540 project shown in one view core whose window is faked: 96
// pixels per inch, text 16 pixels high, and a client area of 840 x 640 in
// which the footprint fits at scale 6.25. The document's hints for the views
// reach the view as the framework would deliver them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DocumentBuilders.h"
#include "editor/ui/view/ViewCore.h"

namespace quor::test {

class FakeViewHost : public ViewHost {
 public:
  int GetLogPixelsX() const override { return 96; }
  int GetTextHeight() const override { return 16; }
  DeviceSize GetScrollBarSizes() const override { return {17, 17}; }
  void SetScrollBars(const ScrollBars& shown) override { bars = shown; }
  void Repaint() override { ++repaints; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void CancelTool() override {
    ++toolCancels;
    if (cancelTool) cancelTool();
  }
  // Without tools, leaves a mark, so that tests see where in the paint the overlay comes.
  void DrawToolOverlay(DrawContext& dc) override {
    if (drawToolOverlay) {
      drawToolOverlay(dc);
      return;
    }
    dc.Ellipse({0, 0, 1, 1});
  }
  void BroadcastHint(UpdateHint hint, const void*) override { broadcast.push_back(hint); }

  ScrollBars bars;
  int repaints = 0;
  std::vector<std::string> messages;
  int toolCancels = 0;
  std::vector<UpdateHint> broadcast;
  // The editing tools, where a test has them.
  std::function<void()> cancelTool;
  std::function<void(DrawContext&)> drawToolOverlay;
};

struct ViewTestProject {
  ViewTestProject();

  CStructure& Model() const { return document->GetModel(); }
  CConductorPolygon& AddSquare(double x, double y, double side, double z);
  CVia& AddVia(double x, double y, double topZ);
  void SetGridSpacing(double spacing);

  FakeServices services;
  std::unique_ptr<FakeProjectDocument> document = NewProject(services);
  FakeViewHost host;
  MemoryProfile profile;
  std::unique_ptr<ViewCore> view = std::make_unique<ViewCore>(host, profile);
};

}  // namespace quor::test
