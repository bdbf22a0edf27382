// A new project (one layer at z = 0) with a fake view, whose hints to the main
// frame reach the bar under test as the main frame would relay them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "BarTestDoubles.h"
#include "editor/document/UpdateHint.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/CStructure.h"
#include "editor/ui/BarHintReceiver.h"
#include "support/RecordingMessageBoxes.h"
#include "tests/editor/document/DocumentBuilders.h"

namespace quor::test {

class BarFixture : public ::testing::Test {
 protected:
  BarFixture() : document(NewProject(services)), view(*document) {}

  // Relays the document's hints for the frame to `bar`.
  void Connect(BarHintReceiver& bar) {
    services.log.inspect = [&bar](const HintRecord& record) {
      if (record.to == HintRecord::To::Frame) bar.OnHint(record.sent);
    };
  }
  // A layer through the New Layer dialog, at z in internal units.
  CLayer& AddLayer(const std::string& name, double er, double z) {
    services.dialogs.layer = [&](LayerDialogValues& values) {
      values.name = name;
      values.er = er;
      values.height = document->ToDisplayUnits(z);
      return true;
    };
    document->NewLayer(view);
    return document->GetModel().FindLayerByZ(z);
  }
  CConductorPolygon& AddSquare(double z) { return document->AddObjectCopyAt(z, Square(100, 100, 200, z)); }
  CLayer& LayerAt(double z) const { return document->GetModel().FindLayerByZ(z); }

  FakeServices services;
  std::unique_ptr<FakeProjectDocument> document;
  FakeBarView view;
  RecordingMessageBoxes prompts;
};

}  // namespace quor::test
