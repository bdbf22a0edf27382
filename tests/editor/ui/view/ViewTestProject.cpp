#include "ViewTestProject.h"

#include "editor/document/SettingsRecord.h"
#include "editor/model/CStructure.h"

namespace quor::test {

ViewTestProject::ViewTestProject() {
  services.log.inspect = [this](const HintRecord& record) {
    if (record.to == HintRecord::To::Views) view->OnUpdate(record.sent);
  };
  view->SetClientSize({840, 640});
  view->OnInitialUpdate(*document);
}

CConductorPolygon& ViewTestProject::AddSquare(double x, double y, double side, double z) {
  return document->AddObjectCopyAt(z, Square(x, y, side, z));
}

CVia& ViewTestProject::AddVia(double x, double y, double topZ) {
  CStructure& model = Model();
  return document->AddObjectCopy(CVia(10.0, x, y, &model.FindLayerByZ(topZ), &model.FindLayerByZ(0.0), true));
}

void ViewTestProject::SetGridSpacing(double spacing) {
  SettingsRecord record;
  CopyProjectSettings(document->GetSettings(), record);
  record.GridSpacing = spacing;
  document->ApplySettings(record);
}

}  // namespace quor::test
