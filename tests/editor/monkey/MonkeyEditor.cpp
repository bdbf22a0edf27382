#include "MonkeyEditor.h"

#include <charconv>

#include "DocumentBuilders.h"
#include "GridTestHarness.h"
#include "editor/document/SettingsRecord.h"
#include "editor/grid/GridMessages.h"
#include "editor/model/CStructure.h"
#include "editor/model/QlxProjectFile.h"
#include "editor/ui/dialogs/ConductorIndexValue.h"
#include "editor/ui/dialogs/DialogNumbers.h"
#include "editor/ui/dialogs/LayerPropertiesValues.h"
#include "editor/ui/dialogs/ProjectValues.h"
#include "editor/ui/dialogs/SettingsPages.h"
#include "editor/ui/dialogs/ViaValues.h"
#include "editor/ui/polygondialog/PolygonDialogCore.h"
#include "platform/archive/ArchiveException.h"
#include "platform/error/TextError.h"

namespace quor::test {

namespace {

// A dialog gives up after this many refused OKs and is cancelled.
constexpr int kTries = 3;

const std::vector<std::string> kHostileNumbers = {"inf",   "-inf",   "nan",         "1e400", "-1e400",
                                                  "1e308", "-1e308", "1e307",       "abc",   "",
                                                  " ",     "1e-320", "99999999999", "0x10",  "1,5"};
const std::vector<std::string> kEdgeNumbers = {"0", "-0", "1", "-1", "0.001"};

EditedText Typed(std::string text) {
  return {std::move(text), true};
}

}  // namespace

std::string Typist::Type(std::string text) {
  typed += " \"" + text + "\"";
  return text;
}

std::string Typist::Number(double low, double high) {
  if (hostile && Chance(0.06)) return Type(Pick(kHostileNumbers));
  if (Chance(0.08)) return Type(Pick(kEdgeNumbers));
  char text[64];
  const int digits = 1 + Below(7);
  const auto end =
      std::to_chars(text, text + sizeof text, Between(low, high), std::chars_format::general, digits).ptr;
  return Type(std::string(text, end));
}

std::string Typist::Integer() {
  static const std::vector<std::string> hostileIntegers = {"-1",          "99999999999", "2147483647",
                                                           "-2147483648", "abc",         ""};
  if (hostile && Chance(0.1)) return Type(Pick(hostileIntegers));
  return Type(std::to_string(Below(6)));
}

std::string Typist::Name() {
  static const std::vector<std::string> names = {
      "", "Top", "FR-4", "Layer x", "\xCE\xA9 \xC3\xBC", std::string(60, 'n'), "  spaced  "};
  return Type(Pick(names));
}

void MonkeyHost::CancelTool() {
  m_editor.ToTool([](CTool& tool, ToolView& view) { tool.Cancel(view); });
}

void MonkeyHost::CancelToolForUndo() {
  m_editor.ToTool([this](CTool&, ToolView& view) { m_editor.Tools().CancelForUndo(view); });
}

void MonkeyHost::DrawToolOverlay(DrawContext& dc) {
  m_editor.Tools().GetTool().DrawOverlay(m_editor.ToolWindow(), dc);
}

void MonkeyHost::ToolKeyDown(unsigned key, int repeat, unsigned flags) {
  m_editor.ToTool(
      [&](CTool& tool, ToolView& view) { tool.OnKeyDown(view, key, static_cast<unsigned>(repeat), flags); });
}

void MonkeyHost::SetSelectTool() {
  m_editor.ToTool(
      [this](CTool&, ToolView& view) { m_editor.Tools().SetTool(view, m_editor.Tools().Select()); });
}

int MonkeyHost::GetToolCommandId() const {
  return m_editor.Tools().GetTool().GetCommandId();
}

void MonkeyHost::BroadcastHint(const Hint& hint) {
  FakeViewHost::BroadcastHint(hint);
  m_editor.services.frame.BroadcastHint(hint);
}

bool MonkeyHost::RunPolygonDialog(CConductorPolygon& polygon, double z, bool newPolygon) {
  Typist& typist = m_editor.typist;
  ProjectDocument& document = m_editor.Document();
  grid::test::GridHarness grid;
  PolygonDialogCore dialog(
      document, polygon, z, newPolygon,
      [&grid](win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
        return grid.Send(message, wParam, lParam);
      },
      PolygonDialogCore::ViewHooks{});
  dialog.Init(330);
  double length = 0.0;
  double width = 0.0;
  document.GetFootprintSize(length, width);
  const double extent = document.ToDisplayUnits(std::max(length, width));
  for (int edits = typist.Below(9); edits > 0; --edits) {
    const int rows = dialog.GetNodeRows();
    const int row = 1 + typist.Below(std::min(rows + 2, PolygonDialogCore::kGridRows - 1));
    switch (typist.Below(4)) {
      case 0:
      case 1: {
        const int column = 1 + typist.Below(2);
        grid.SetCell(row, column, typist.Number(-0.1 * extent, 1.1 * extent));
        dialog.OnGridNotify(grid::GRN_EDITFINISHED, row, column);
        break;
      }
      case 2:
        grid.Send(grid::GRM_MOVECURSOR, row, 1);
        if (dialog.IsCursorOnNode()) typist.Chance(0.5) ? dialog.InsertBefore() : dialog.DeleteNode();
        break;
      default:
        if (dialog.IsClosedEnabled()) dialog.SetClosed(!dialog.IsClosedChecked());
        break;
    }
  }
  for (int tries = 0; tries < kTries && dialog.IsOkEnabled() && typist.Chance(0.9); ++tries) {
    const std::optional<int> index = ParseExchangeInt(typist.Integer());
    if (!index) {
      ShowMessage(kEnterIntegerText);
      continue;
    }
    std::optional<double> layerZ;
    const auto& layers = document.GetModel().GetLayers();
    if (typist.Chance(0.95)) {
      auto layer = layers.begin();
      std::advance(layer, typist.Below(static_cast<int>(layers.size())));
      layerZ = (*layer)->GetZ();
    }
    const std::optional<std::string> refusal = dialog.Ok(*index, layerZ);
    if (!refusal) return true;
    ShowMessage(*refusal);
  }
  dialog.Cancel();
  return false;
}

std::optional<int> MonkeyHost::AskConductorIndex(const std::string&) {
  Typist& typist = m_editor.typist;
  for (int tries = 0; tries < kTries && typist.Chance(0.9); ++tries) {
    int index = 0;
    const std::optional<CheckFailure> failure = AcceptConductorIndex(typist.Integer(), index);
    if (!failure) return index;
    if (!failure->text.empty()) ShowMessage(failure->text);
  }
  return std::nullopt;
}

ProjectDocument& MonkeyBarView::GetProjectDocument() const {
  return m_editor.Document();
}

double MonkeyBarView::GetActiveZ() const {
  return m_editor.Core().GetActiveZ();
}

void MonkeyBarView::RunViewCommand(int id) {
  m_editor.runCommand(id);
}

void MonkeyBarView::SetActiveLayer(double z) {
  m_editor.Core().SetActiveLayer(z);
}

void MonkeyBarView::ClearSelection() {
  m_editor.Core().ClearSelection();
}

void MonkeyBarView::AddToSelection(CShape& shape) {
  m_editor.Core().AddToSelection(shape);
}

MonkeyEditor::MonkeyEditor(Typist& random, const std::filesystem::path& folder)
    : typist(random),
      compute{library, computeWindows, QUOR_BIN_DIR "/", folder / "QUORView.lck"},
      m_path(folder / "monkey.qlx") {
  services.services.compute = &compute;
  services.log.inspect = [this](const HintRecord& record) { Relay(record); };
  InstallDialogs();
}

MonkeyEditor::~MonkeyEditor() {
  Close();
}

void MonkeyEditor::Relay(const HintRecord& record) {
  if (record.to == HintRecord::To::Views) {
    if (m_core != nullptr) m_core->OnUpdate(record.sent);
    return;
  }
  // In the main frame's order of its bars.
  layersLogic.OnHint(record.sent);
  treeLogic.OnHint(record.sent);
  infoLogic.OnHint(record.sent);
}

void MonkeyEditor::Show() {
  m_core = std::make_unique<ViewCore>(host, services.profile);
  m_core->SetClientSize({840, 640});
  m_core->OnInitialUpdate(*m_document);
  m_toolView = std::make_unique<FakeToolView>(*m_core);
  m_tools = std::make_unique<ViewTools>();
  m_document->cancelHeldGestures = [this] {
    Guarded([this] { m_tools->CancelHeldGesture(*m_toolView, mouseHeld); });
  };
  services.frame.BroadcastHint(Hint::ViewActivated(&barView));
  m_core->OnActivateView(true);
}

void MonkeyEditor::Close() {
  if (m_document == nullptr) return;
  m_core->OnActivateView(false);
  services.frame.BroadcastHint(UpdateHint::HintViewDeactivated);
  m_tools.reset();
  m_toolView.reset();
  m_core.reset();
  m_document.reset();
}

void MonkeyEditor::ToTool(const std::function<void(CTool& tool, ToolView& view)>& call) {
  Guarded([&] { m_tools->Run(*m_toolView, call); });
}

void MonkeyEditor::Guarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const TextError& error) {
    services.messages.ShowMessage(error.Text());
  }
}

void MonkeyEditor::NewProject() {
  Close();
  m_document = quor::test::NewProject(services);
  m_document->savePath = m_path.string();
  Show();
}

bool MonkeyEditor::Reopen() {
  Close();
  m_document = std::make_unique<FakeProjectDocument>(services);
  try {
    m_document->LoadProjectFile(m_path.string());
  } catch (const std::runtime_error& error) {  // TextError and ArchiveException
    services.messages.ShowMessage(error.what());
    m_document.reset();
    return false;
  }
  m_document->path = m_path.string();
  m_document->AfterOpen(m_path.string());
  Show();
  return true;
}

bool MonkeyEditor::Save() {
  m_document->savePath = m_path.string();
  try {
    return m_document->SaveProject();
  } catch (const ArchiveException& error) {
    services.messages.ShowMessage(error.what());
    return false;
  }
}

std::vector<std::uint8_t> MonkeyEditor::ProjectBytes() const {
  return StoreQlxProject(m_document->GetSettings(), m_document->GetModel());
}

std::vector<std::string> MonkeyEditor::TakeMessages() {
  std::vector<std::string> shown;
  shown.swap(services.messages.shown);
  services.hints.clear();
  return shown;
}

template <typename Values>
bool MonkeyEditor::WorkDialog(
    Values& values, const std::type_identity_t<std::function<std::optional<CheckFailure>(Values&)>>& edit) {
  for (int tries = 0; tries < kTries && typist.Chance(0.92); ++tries) {
    Values edited = values;
    const std::optional<CheckFailure> failure = edit(edited);
    if (!failure) {
      values = edited;
      return true;
    }
    if (!failure->text.empty()) services.messages.ShowMessage(failure->text);
  }
  return false;
}

void MonkeyEditor::InstallDialogs() {
  ScriptedDialogs& dialogs = services.dialogs;
  auto extent = [this] {
    double length = 0.0;
    double width = 0.0;
    Document().GetFootprintSize(length, width);
    return Document().ToDisplayUnits(std::max(length, width));
  };
  dialogs.layer = [this, extent](LayerDialogValues& values) {
    return WorkDialog(values, [&](LayerDialogValues& edited) {
      LayerDialogTexts texts = ShowLayerValues(edited);
      if (typist.Chance(0.3)) edited.name = typist.Name();
      if (!IsBottomLayer(values)) {
        if (typist.Chance(0.6)) texts.height = Typed(typist.Number(-0.01 * extent(), 0.5 * extent()));
        if (typist.Chance(0.3)) texts.er = Typed(typist.Number(-1.0, 12.0));
        if (typist.Chance(0.1)) edited.unitIndex = typist.Below(4);
      }
      edited.visible = typist.Chance(0.9);
      edited.locked = typist.Chance(0.1);
      return AcceptLayerValues(edited, texts);
    });
  };
  dialogs.via = [this, extent](ViaDialogValues& values) {
    const auto& layers = values.structure->GetLayers();
    auto anyLayer = [&]() -> CLayer* {
      if (typist.Chance(0.03)) return nullptr;
      auto layer = layers.begin();
      std::advance(layer, typist.Below(static_cast<int>(layers.size())));
      return layer->get();
    };
    return WorkDialog(values, [&](ViaDialogValues& edited) {
      ViaDialogTexts texts = ShowViaValues(edited);
      if (values.newVia || typist.Chance(0.5)) {
        texts.x = Typed(typist.Number(-0.05 * extent(), 1.05 * extent()));
        texts.y = Typed(typist.Number(-0.05 * extent(), 1.05 * extent()));
      }
      if (values.newVia || typist.Chance(0.3)) texts.radius = Typed(typist.Number(-1.0, 0.05 * extent()));
      if (values.newVia || typist.Chance(0.3)) {
        edited.top = anyLayer();
        edited.bottom = anyLayer();
      }
      edited.solid = typist.Chance(0.5);
      return AcceptViaValues(edited, texts);
    });
  };
  dialogs.project = [this](ProjectDialogValues& values) {
    return WorkDialog(values, [&](ProjectDialogValues& edited) {
      ProjectDialogTexts texts = ShowProjectValues(edited);
      if (typist.Chance(0.7)) texts.length = Typed(typist.Number(0.3 * values.length, 1.5 * values.length));
      if (typist.Chance(0.7)) texts.width = Typed(typist.Number(0.3 * values.width, 1.5 * values.width));
      return AcceptProjectValues(edited, texts);
    });
  };
  dialogs.metallization = [this](MetallizationDialogValues& values) {
    for (bool* side : {&values.top, &values.left, &values.bottom, &values.right}) *side = typist.Chance(0.5);
    return typist.Chance(0.8);
  };
  dialogs.settings = [this](SettingsRecord& record) {
    SettingsPages pages = FillSettingsPages(record);
    if (typist.Chance(0.3)) pages.units.lengthUnit = typist.Below(4);
    pages.editor.lengthUnit = pages.units.lengthUnit;
    if (typist.Chance(0.2))
      ChangeFrequencyUnit(pages.frequencies, pages.units.frequencyUnit = typist.Below(3));
    EditorPageTexts editor = ShowEditor(pages.editor);
    if (typist.Chance(0.7)) editor.spacing = Typed(typist.Number(0.0, 200.0));
    FrequenciesPageTexts frequencies = ShowFrequencies(pages.frequencies);
    if (typist.Chance(0.2)) frequencies.start = Typed(typist.Number(0.0, 10.0));
    if (typist.Chance(0.2)) frequencies.stop = Typed(typist.Number(0.0, 20.0));
    if (typist.Chance(0.2)) frequencies.steps = Typed(typist.Integer());
    SegmentationPageTexts segmentation = ShowSegmentation(pages.segmentation);
    if (typist.Chance(0.2)) segmentation.resolution = Typed(typist.Number(0.0, 5.0));
    if (typist.Chance(0.2)) segmentation.refine = Typed(typist.Number(0.0, 5.0));
    if (typist.Chance(0.2)) segmentation.viaSegments = Typed(typist.Integer());
    // The pages are left in turn; the first refusal keeps the sheet open, and the user cancels.
    std::optional<CheckFailure> failure = LeaveEditorPage(pages.editor, editor);
    if (!failure) failure = LeaveFrequenciesPage(pages.frequencies, frequencies);
    if (!failure) failure = LeaveSegmentationPage(pages.segmentation, segmentation, services.messages);
    if (failure) {
      if (!failure->text.empty()) services.messages.ShowMessage(failure->text);
      return false;
    }
    CopySettingsPages(pages, record);
    return true;
  };
}

}  // namespace quor::test
