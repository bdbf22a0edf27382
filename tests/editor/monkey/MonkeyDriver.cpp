#include "MonkeyDriver.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "MonkeyChecker.h"
#include "MonkeyEditor.h"
#include "editor/document/ModelSnapshot.h"
#include "editor/model/CStructure.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/view/MouseFlags.h"
#include "platform/win/WinTypes.h"

namespace quor::test {

namespace {

// Bounds that keep the model small enough to check after every operation.
constexpr int kMaxObjects = 60;
constexpr int kMaxLayers = 10;
constexpr std::size_t kTraceLength = 30;

// Texts that the editor shows only when something inside it went wrong.
const std::vector<std::string> kFaultMessages = {"Error: document state is not saved",
                                                 "Stanje dokumenta nije sacuvano!",
                                                 "List is empty",
                                                 "Bad id",
                                                 "Object does not exist",
                                                 "Via does not exist",
                                                 "Nothing is selected",
                                                 "Error: polygon is not selected"};

const std::vector<unsigned> kKeys = {
    win::VK_LEFT,   win::VK_UP,     win::VK_RIGHT, win::VK_DOWN, win::VK_DELETE,
    win::VK_ESCAPE, win::VK_RETURN, win::VK_SHIFT, 'I',          'C'};

// The tree's object menus: what they forward to the view.
const std::vector<int> kForwarded = {cmd::kArrangeSendToBack, cmd::kArrangeBringToFront,
                                     cmd::kPolygonProperties, cmd::kObjectIndex,
                                     cmd::kEditDelete,        cmd::kEditCut,
                                     cmd::kViaProperties,     cmd::kEditCopy};

const std::vector<int> kTools = {CSelectTool::kCommandId,   CSelectTool::kCommandId,
                                 CPolylineTool::kCommandId, CRectangleTool::kCommandId,
                                 CViaTool::kCommandId,      CPolylineNodeTool::kCommandId,
                                 CPanTool::kCommandId,      CZoomTool::kCommandId};

struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::size_t Hash(const std::vector<std::uint8_t>& bytes) {
  return std::hash<std::string_view>{}(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string Text(DevicePoint point) {
  return "(" + std::to_string(point.x) + "," + std::to_string(point.y) + ")";
}

class Driver {
 public:
  explicit Driver(const MonkeyRun& run);
  MonkeyResult Run();

 private:
  struct Operation {
    const char* name;
    int weight;
    std::function<void()> run;
  };
  struct Command {
    int id;
    const char* name;
    std::function<bool()> enabled;
    std::function<void()> run;
  };

  ViewCore& Core() const { return m_editor.Core(); }
  FakeProjectDocument& Document() const { return m_editor.Document(); }
  CStructure& Model() const { return Document().GetModel(); }
  std::vector<CConductorPolygon*> Polygons() const;
  int ObjectCount() const;
  bool MayAdd() const { return ObjectCount() < kMaxObjects; }
  void Note(const std::string& text) { m_step += text + "; "; }

  // The window's input, as the view hands it to the current tool.
  DevicePoint AnyPoint();
  // A point in the middle part (fractions low to high) of the object's box.
  DevicePoint PointIn(const CShape& shape, double low, double high);
  unsigned AnyFlags();
  void Down(DevicePoint point, unsigned flags);
  void Up(DevicePoint point, unsigned flags);
  void Move(DevicePoint point, unsigned flags);
  void Key(unsigned key, unsigned flags);
  void ChooseTool(int id);

  // The operations.
  void AnyTool() { ChooseTool(m_typist.Pick(kTools)); }
  void Gesture();
  void AnyKey() { Key(m_typist.Pick(kKeys), AnyFlags()); }
  void AnyCommand();
  void RunCommand(int id);
  // A click on a bar: the button comes up in the view, which then loses the focus.
  void ToBar();
  void UseTree();
  void UseLayersWindow();
  void UseInfoBar();
  void Save();
  std::vector<std::uint8_t> SavedBytes() const;
  void Reopen();
  void NewProject();
  void UndoRedoRound();

  void Check();
  std::vector<std::uint8_t> ModelBytes() const { return StoreModelSnapshot(Model()); }
  void Remember() { m_seen.insert(Hash(ModelBytes())); }

  MonkeyRun m_run;
  Typist m_typist;
  MonkeyEditor m_editor;
  std::vector<Operation> m_operations;
  std::vector<Command> m_commands;
  int m_totalWeight = 0;
  bool m_buttonDown = false;
  DevicePoint m_pointer;
  // Every model state since the project was made or read: what undo may bring back.
  std::unordered_set<std::size_t> m_seen;
  std::string m_step;
  std::deque<std::string> m_trace;
};

Driver::Driver(const MonkeyRun& run) : m_run(run), m_typist(run.seed), m_editor(m_typist, run.folder) {
  m_typist.hostile = !run.avoid.hostileNumbers;
  m_editor.runCommand = [this](int id) { RunCommand(id); };
  auto always = [] { return true; };
  auto selected = [this] { return Core().HasSelection(); };
  auto one = [this] { return Core().IsOneObjectSelected(); };
  auto onePolygon = [this] { return Core().IsOnePolygonSelected(); };
  auto canPaste = [this] { return Core().CanPaste() && MayAdd(); };
  auto mayAdd = [this] { return MayAdd(); };
  // The view's and the document's commands with the rules that enable them.
  m_commands = {
      {cmd::kEditSelectAll, "Select All", always, [this] { Core().SelectAll(); }},
      {cmd::kEditCopy, "Copy", selected, [this] { Core().Copy(); }},
      {cmd::kEditCut, "Cut", selected, [this] { Core().Cut(); }},
      {cmd::kEditDelete, "Delete", selected, [this] { Core().DeleteSelection(); }},
      {cmd::kEditPaste, "Paste", canPaste, [this] { Core().PasteWithOffset(); }},
      {cmd::kEditPasteOriginal, "Paste to Original", canPaste, [this] { Core().Paste(0.0); }},
      {cmd::kEditUndo, "Undo", [this] { return Document().CanUndo(); }, [this] { Core().Undo(); }},
      {cmd::kEditRedo, "Redo", [this] { return Document().CanRedo(); }, [this] { Document().Redo(); }},
      {cmd::kViewProperties, "Properties", one, [this] { Core().Properties(); }},
      {cmd::kPolygonProperties, "Polygon Properties", one, [this] { Core().PolygonProperties(); }},
      {cmd::kViaProperties, "Via Properties", one, [this] { Core().ViaProperties(); }},
      {cmd::kObjectIndex, "Index", always, [this] { Core().OnIndex(); }},
      {cmd::kArrangeBringToFront, "Bring to Front", onePolygon, [this] { Core().BringToFront(); }},
      {cmd::kArrangeSendToBack, "Send to Back", onePolygon, [this] { Core().SendToBack(); }},
      {cmd::kArrangeSubtract, "Subtract", [this] { return Core().IsTwoPolygonsSelected(); },
       [this] { Core().Subtract(); }},
      {cmd::kViewZoomIn, "Zoom In", [this] { return Core().CanZoomIn(); }, [this] { Core().ZoomInCentre(); }},
      {cmd::kViewZoomOut, "Zoom Out", [this] { return Core().CanZoomOut(); },
       [this] { Core().ZoomOutCentre(); }},
      {cmd::kViewZoomAll, "Zoom All", always, [this] { Core().ZoomAll(); }},
      {cmd::kViewShowGrid, "Show Grid", always, [this] { Core().ToggleShowGrid(); }},
      {cmd::kViewSnapToGrid, "Snap to Grid", always, [this] { Core().ToggleSnapToGrid(); }},
      {cmd::kViewRenderWireFrame, "Wire Frame", always, [this] { Core().SetRenderModeCommand(1); }},
      {cmd::kViewRenderNormal, "Normal", always, [this] { Core().SetRenderModeCommand(0); }},
      {cmd::kProjectNewPolygon, "New Polygon", mayAdd, [this] { Core().OnNewPolygon(); }},
      {cmd::kProjectNewLayer, "New Layer", [this] { return Model().GetLayerCount() < kMaxLayers; },
       [this] { Core().NewLayer(); }},
      {cmd::kProjectNewVia, "New Via", mayAdd, [this] { Core().NewVia(); }},
      {cmd::kProjectFootprint, "Footprint", always, [this] { Core().EditFootprint(); }},
      {kIdEditMetallization, "Metallization", always, [this] { Document().EditMetallization(); }},
      {kIdSettings, "Settings", always, [this] { Document().OnSettings(); }},
      {kIdCheck, "Check", always, [this] { Document().Check(Core(), false, false); }},
  };
  m_operations = {
      {"tool", 60, [this] { AnyTool(); }},
      {"gesture", 300, [this] { Gesture(); }},
      {"key", 70, [this] { AnyKey(); }},
      {"command", 300, [this] { AnyCommand(); }},
      {"tree", 80, [this] { UseTree(); }},
      {"layers window", 60, [this] { UseLayersWindow(); }},
      {"info bar", 20, [this] { UseInfoBar(); }},
      {"save", 20, [this] { Save(); }},
      {"reopen", 10, [this] { Reopen(); }},
      {"undo and redo round", 15, [this] { UndoRedoRound(); }},
      {"new project", 2, [this] { NewProject(); }},
  };
  for (const Operation& operation : m_operations) m_totalWeight += operation.weight;
}

std::vector<CConductorPolygon*> Driver::Polygons() const {
  std::vector<CConductorPolygon*> polygons;
  for (const auto& layer : Model().GetLayers()) {
    for (const auto& shape : layer->GetShapes()) polygons.push_back(shape.get());
  }
  return polygons;
}

int Driver::ObjectCount() const {
  return static_cast<int>(Polygons().size()) + Model().GetViaCount();
}

DevicePoint Driver::AnyPoint() {
  const std::vector<CConductorPolygon*> polygons = Polygons();
  auto jitter = [this](DevicePoint point) {
    return DevicePoint{point.x + m_typist.Below(7) - 3, point.y + m_typist.Below(7) - 3};
  };
  const int kind = m_typist.Below(10);
  if (kind < 3 && !polygons.empty()) {
    const CConductorPolygon& polygon = *m_typist.Pick(polygons);
    const int count = polygon.GetNodes().GetCount();
    if (count > 0) {
      const Point3& node = *polygon.GetNodes().GetAt(m_typist.Below(count));
      return jitter(Core().WorldToScreen({node.x, node.y}));
    }
  }
  if (kind == 3 && Model().GetViaCount() > 0) {
    auto via = Model().GetVias().begin();
    std::advance(via, m_typist.Below(Model().GetViaCount()));
    return jitter(Core().WorldToScreen({(*via)->GetX(), (*via)->GetY()}));
  }
  if (kind < 6 && !polygons.empty()) return PointIn(*m_typist.Pick(polygons), 0.0, 1.0);
  if (kind == 6 && Core().HasSelection()) {
    // A corner handle, where the Select tool resizes.
    const CShape& shape = *Core().GetSelection().GetObjects().front();
    return jitter(
        Core().WorldToScreen(shape.GetHandlePoint(4 + m_typist.Below(4), Core().PixelsToUnits(10.0))));
  }
  return {m_typist.Below(880) - 20, m_typist.Below(680) - 20};
}

DevicePoint Driver::PointIn(const CShape& shape, double low, double high) {
  DoubleRect box = shape.GetBBox();
  box.Normalize();
  return Core().WorldToScreen({box.left + m_typist.Between(low, high) * (box.right - box.left),
                               box.bottom + m_typist.Between(low, high) * (box.top - box.bottom)});
}

unsigned Driver::AnyFlags() {
  return (m_typist.Chance(0.15) ? MK_SHIFT : 0u) | (m_typist.Chance(0.1) ? MK_CONTROL : 0u);
}

void Driver::Down(DevicePoint point, unsigned flags) {
  Note("down " + Text(point));
  m_buttonDown = m_editor.mouseHeld = true;
  m_pointer = point;
  m_editor.ToTool([&](CTool& tool, ToolView& view) { tool.OnLButtonDown(view, flags | MK_LBUTTON, point); });
}

void Driver::Up(DevicePoint point, unsigned flags) {
  Note("up " + Text(point));
  m_buttonDown = m_editor.mouseHeld = false;
  m_pointer = point;
  m_editor.ToTool([&](CTool& tool, ToolView& view) { tool.OnLButtonUp(view, flags & ~MK_LBUTTON, point); });
}

void Driver::Move(DevicePoint point, unsigned flags) {
  Note("move " + Text(point));
  m_pointer = point;
  if (m_buttonDown) flags |= MK_LBUTTON;
  m_editor.ToTool([&](CTool& tool, ToolView& view) { tool.OnMouseMove(view, flags, point); });
}

void Driver::Key(unsigned key, unsigned flags) {
  Note("key " + std::to_string(key));
  m_editor.Guarded([&] { Core().OnKeyDown(key, 1, flags); });
  m_editor.ToTool([&](CTool& tool, ToolView& view) { tool.OnKeyUp(view, key, 1, flags); });
}

void Driver::ChooseTool(int id) {
  Note("tool " + std::to_string(id));
  m_editor.ToTool([&](CTool&, ToolView& view) { m_editor.Tools().OnToolCommand(view, id); });
}

void Driver::Gesture() {
  if (m_buttonDown) Up(m_pointer, 0);
  const int current = m_editor.Tools().GetTool().GetCommandId();
  Note("with tool " + std::to_string(current));
  const std::vector<CConductorPolygon*> polygons = Polygons();
  if (!polygons.empty() && m_typist.Chance(0.15)) {
    // Aimed at two polygons: a click on one and a Shift-click on another
    // selects both; a rectangle drawn within one lies inside it.
    const CConductorPolygon& aimed = *m_typist.Pick(polygons);
    const bool rectangle = current == CRectangleTool::kCommandId;
    const DevicePoint first = PointIn(aimed, 0.3, 0.7);
    const DevicePoint second = PointIn(rectangle ? aimed : *m_typist.Pick(polygons), 0.3, 0.7);
    if (rectangle) {
      Down(first, 0);
      Move(second, 0);
      Up(second, 0);
      return;
    }
    Down(first, 0);
    Up(first, 0);
    Down(second, MK_SHIFT);
    Up(second, MK_SHIFT);
    if (Core().IsTwoPolygonsSelected() && m_typist.Chance(0.5)) RunCommand(cmd::kArrangeSubtract);
    return;
  }
  const unsigned flags = AnyFlags();
  for (int hover = m_typist.Below(3); hover > 0; --hover) Move(AnyPoint(), flags);
  Down(AnyPoint(), flags);
  for (int moves = m_typist.Below(4); moves > 0; --moves) Move(AnyPoint(), flags);
  const int end = m_typist.Below(100);
  if (end < 65) {
    Up(m_typist.Chance(0.7) ? m_pointer : AnyPoint(), flags);
  } else if (end < 75) {
    Up(m_pointer, flags);
    Note("double click");
    m_editor.ToTool(
        [&](CTool& tool, ToolView& view) { tool.OnLButtonDblClk(view, flags | MK_LBUTTON, m_pointer); });
    Up(m_pointer, flags);
  } else if (end < 82) {
    AnyKey();
    Up(m_pointer, flags);
  } else if (end < 88) {
    AnyCommand();
    Up(m_pointer, flags);
  } else if (end < 92) {
    Note("focus lost");
    m_editor.ToTool([](CTool& tool, ToolView& view) { tool.OnKillFocus(view); });
    Up(m_pointer, flags);
  } else if (end < 96) {
    AnyTool();
    Up(m_pointer, flags);
  } else {
    Note("button held");
  }
}

void Driver::AnyCommand() {
  const Command& command =
      m_commands[static_cast<std::size_t>(m_typist.Below(static_cast<int>(m_commands.size())))];
  if (!command.enabled()) {
    Note(std::string("(") + command.name + " disabled)");
    return;
  }
  RunCommand(command.id);
}

void Driver::RunCommand(int id) {
  const auto command =
      std::find_if(m_commands.begin(), m_commands.end(), [id](const Command& c) { return c.id == id; });
  if (command == m_commands.end())
    throw Failure("a bar forwarded command " + std::to_string(id) + ", which no view has");
  Note(command->name);
  m_editor.Guarded(command->run);
  if (!m_typist.typed.empty()) Note("typed" + std::exchange(m_typist.typed, {}));
}

void Driver::ToBar() {
  if (m_buttonDown) Up(m_pointer, 0);
  Note("focus to a bar");
  m_editor.ToTool([](CTool& tool, ToolView& view) { tool.OnKillFocus(view); });
}

void Driver::UseTree() {
  ToBar();
  FakeTree& tree = m_editor.tree;
  ProjectTreeLogic& logic = m_editor.treeLogic;
  std::vector<TreeControl::Item> items;
  std::function<void(TreeControl::Item)> collect = [&](TreeControl::Item item) {
    for (; item != TreeControl::kNoItem; item = tree.GetNextSibling(item)) {
      items.push_back(item);
      collect(tree.GetFirstChild(item));
    }
  };
  collect(tree.GetFirstRoot());
  if (items.empty()) return;
  const TreeControl::Item item = m_typist.Pick(items);
  Note("on \"" + tree.Text(item) + "\"");
  switch (m_typist.Below(7)) {
    case 0:
    case 1:
      Note("click");
      tree.SelectItem(item);
      logic.OnSelChanged(item);
      break;
    case 2:
      Note("click on empty space");
      logic.OnClickEmpty();
      break;
    case 3:
      Note("Delete key");
      logic.OnDeleteKey();
      break;
    case 4: {
      Note("drag");
      if (!logic.BeginDrag(item)) break;
      logic.Drop(logic.DropTargetFor(m_typist.Pick(items)));
      break;
    }
    default:
      switch (logic.OnRightClick(item)) {
        case ProjectTreeLogic::ContextMenu::Polygon:
        case ProjectTreeLogic::ContextMenu::Via:
          logic.ForwardToView(m_typist.Pick(kForwarded));
          break;
        case ProjectTreeLogic::ContextMenu::Layer:
          if (m_typist.Chance(0.5)) {
            Note("Delete layer");
            logic.LayerDelete();
          } else {
            Note("Layer Properties");
            logic.LayerProperties();
          }
          break;
        case ProjectTreeLogic::ContextMenu::None:
          break;
      }
      break;
  }
}

void Driver::UseLayersWindow() {
  ToBar();
  FakeLayersControls& list = m_editor.layersWindow;
  LayersWindowLogic& logic = m_editor.layersLogic;
  const int rows = static_cast<int>(list.rows.size());
  const int row = m_typist.Below(rows + 1) - 1;  // -1: below the last row
  Note("row " + std::to_string(row));
  switch (m_typist.Below(6)) {
    case 0: {
      const int column = m_typist.Below(3);
      Note("click on column " + std::to_string(column));
      list.pickedColour =
          m_typist.Chance(0.8) ? std::optional<COLORREF>(m_typist.Below(0x1000000)) : std::nullopt;
      logic.OnCellClick(row, column);
      break;
    }
    case 1:
    case 2:
      // The first click of a double click selects the row too.
      Note("select");
      if (row != LayersWindowControls::kNoRow) {
        list.SelectRow(row);
        logic.OnRowSelected(row);
      }
      if (m_typist.Chance(0.5)) break;
      Note("double click");
      logic.OnDoubleClick(row, LayersWindowLogic::kNameColumn + m_typist.Below(3));
      break;
    case 3:
      Note("Delete key");
      logic.OnDeleteKey();
      break;
    case 4:
      Note("Insert key");
      if (Model().GetLayerCount() < kMaxLayers) logic.OnNewLayerKey();
      break;
    default:
      switch (logic.MenuAt(row)) {
        case LayersWindowLogic::ContextMenu::Layer:
          if (m_typist.Chance(0.5)) {
            Note("menu Delete");
            logic.Delete();
          } else {
            Note("menu Properties");
            logic.Properties();
          }
          break;
        case LayersWindowLogic::ContextMenu::NewLayer:
          Note("menu New Layer");
          if (Model().GetLayerCount() < kMaxLayers) logic.NewLayer();
          break;
        case LayersWindowLogic::ContextMenu::None:
          break;
      }
      break;
  }
}

void Driver::UseInfoBar() {
  ToBar();
  FakeInfoBarControls& bar = m_editor.infoBar;
  if (bar.entries.empty()) return;
  const int entry = m_typist.Below(static_cast<int>(bar.entries.size()));
  Note("pick entry " + std::to_string(entry));
  bar.SetSelection(entry);
  m_editor.infoLogic.OnSelChangeLayer(bar.entries[static_cast<std::size_t>(entry)]);
}

std::vector<std::uint8_t> Driver::SavedBytes() const {
  std::ifstream file(m_editor.ProjectPath(), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void Driver::Save() {
  if (m_editor.Save() && SavedBytes() != m_editor.ProjectBytes())
    throw Failure("the saved file holds another project than the open one");
}

void Driver::Reopen() {
  if (!std::filesystem::exists(m_editor.ProjectPath())) Save();
  if (!std::filesystem::exists(m_editor.ProjectPath())) return;
  // What was saved last, by whichever command.
  const std::vector<std::uint8_t> saved = SavedBytes();
  Note("close and open again");
  if (!m_editor.Reopen()) {
    const std::vector<std::string> shown = m_editor.TakeMessages();
    throw Failure("the saved project does not open again: " + (shown.empty() ? "" : shown.back()));
  }
  if (m_editor.ProjectBytes() != saved) throw Failure("the reopened project differs from the saved one");
  m_buttonDown = m_editor.mouseHeld = false;
  m_seen.clear();
}

void Driver::NewProject() {
  m_editor.NewProject();
  m_buttonDown = m_editor.mouseHeld = false;
  m_seen.clear();
}

void Driver::UndoRedoRound() {
  // A gesture in progress would be cut short by the first undo.
  if (m_buttonDown) Up(m_pointer, 0);
  ChooseTool(CSelectTool::kCommandId);
  Check();
  std::vector<std::vector<std::uint8_t>> states{ModelBytes()};
  const std::vector<std::uint8_t> project = m_editor.ProjectBytes();
  const std::size_t redoSteps = Document().RedoCount();
  while (Document().CanUndo()) {
    Note("Undo");
    m_editor.Guarded([this] { Core().Undo(); });
    Check();
    states.push_back(ModelBytes());
    if (!m_seen.contains(Hash(states.back()))) throw Failure("undo brought back a model never shown");
  }
  for (std::size_t state = states.size() - 1; state-- > 0;) {
    if (!Document().CanRedo()) throw Failure("redo ran out before the end");
    Note("Redo");
    m_editor.Guarded([this] { Document().Redo(); });
    Check();
    if (ModelBytes() != states[state]) throw Failure("redo brought back another model than undo left");
  }
  if (Document().RedoCount() != redoSteps) throw Failure("redo steps are left at the end");
  if (m_editor.ProjectBytes() != project)
    throw Failure("undo to the start and redo to the end changed the project");
}

void Driver::Check() {
  for (const std::string& shown : m_editor.TakeMessages()) {
    if (std::find(kFaultMessages.begin(), kFaultMessages.end(), shown) != kFaultMessages.end())
      throw Failure("the editor said \"" + shown + "\"");
  }
  const std::vector<std::string> faults = CheckEditor(m_editor);
  if (!faults.empty()) throw Failure(faults.front());
  Remember();
}

MonkeyResult Driver::Run() {
  MonkeyResult result;
  m_editor.NewProject();
  Remember();
  for (; result.operations < m_run.count; ++result.operations) {
    int pick = m_typist.Below(m_totalWeight);
    const Operation* operation = m_operations.data();
    for (; pick >= operation->weight; ++operation) pick -= operation->weight;
    m_editor.services.messages.answer = m_typist.Chance(0.7);
    m_step = std::to_string(result.operations) + " " + operation->name + ": ";
    try {
      operation->run();
      if (!m_typist.typed.empty()) Note("typed" + std::exchange(m_typist.typed, {}));
      Check();
    } catch (const std::exception& error) {
      std::ostringstream text;
      text << "seed " << m_run.seed << ", operation " << result.operations << ": "
           << (dynamic_cast<const Failure*>(&error) != nullptr ? "" : "exception: ") << error.what()
           << "\nafter:\n";
      for (const std::string& step : m_trace) text << "  " << step << "\n";
      text << "  " << m_step << "\n";
      result.failure = text.str();
      ++result.operations;
      return result;
    }
    m_trace.push_back(m_step);
    if (m_trace.size() > kTraceLength) m_trace.pop_front();
  }
  return result;
}

}  // namespace

MonkeyResult RunMonkey(const MonkeyRun& run) {
  return Driver(run).Run();
}

}  // namespace quor::test
