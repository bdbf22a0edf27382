// A new 2540 x 2540 project shown in one view core whose window is faked: 96
// pixels per inch, text 16 pixels high, and a client area of 840 x 640 in
// which the footprint fits at scale 6.25. The document's hints for the views
// reach the view as the framework would deliver them.
#pragma once

#include <functional>
#include <memory>
#include <optional>
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
  void CancelToolForUndo() override {
    ++toolCancels;
    if (cancelToolForUndo) cancelToolForUndo();
  }
  // Without tools, leaves a mark, so that tests see where in the paint the overlay comes.
  void DrawToolOverlay(DrawContext& dc) override {
    if (drawToolOverlay) {
      drawToolOverlay(dc);
      return;
    }
    dc.Ellipse({0, 0, 1, 1});
  }
  void BroadcastHint(const Hint& hint) override { broadcast.push_back(hint.Code()); }
  void ToolKeyDown(unsigned key, int, unsigned) override { toolKeys.push_back(key); }
  void SetSelectTool() override { toolId = 32830; }
  int GetToolCommandId() const override { return toolId; }
  const std::vector<ClipboardObject>& GetClipboard() const override { return clipboard; }
  void SetClipboard(std::vector<ClipboardObject> objects) override { clipboard = std::move(objects); }
  // The dialog's answer comes from the test; it may edit the polygon first.
  bool RunPolygonDialog(CConductorPolygon& polygon, double z, bool newPolygon) override {
    polygonDialogs.push_back({&polygon, z, newPolygon});
    return polygonDialog ? polygonDialog(polygon) : false;
  }
  std::optional<int> AskConductorIndex(const std::string& text) override {
    indexTexts.push_back(text);
    return indexAnswer;
  }

  ScrollBars bars;
  int repaints = 0;
  std::vector<std::string> messages;
  int toolCancels = 0;
  std::vector<UpdateHint> broadcast;
  std::vector<unsigned> toolKeys;
  int toolId = 32830;
  std::vector<ClipboardObject> clipboard;
  struct PolygonDialog {
    CConductorPolygon* polygon;
    double z;
    bool newPolygon;
  };
  std::vector<PolygonDialog> polygonDialogs;
  std::function<bool(CConductorPolygon&)> polygonDialog;
  std::vector<std::string> indexTexts;
  std::optional<int> indexAnswer;
  // The editing tools, where a test has them.
  std::function<void()> cancelTool;
  std::function<void()> cancelToolForUndo;
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
