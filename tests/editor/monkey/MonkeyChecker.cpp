#include "MonkeyChecker.h"

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <stdexcept>

#include "MonkeyEditor.h"
#include "editor/document/ModelSnapshot.h"
#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/QlxProjectFile.h"
#include "platform/draw/RecordingDrawContext.h"

namespace quor::test {

namespace {

struct TreeLine {
  int depth;
  std::string text;
  int image;
  TreeControl::Object object;
  bool operator==(const TreeLine&) const = default;
};

void AddLines(const FakeTree& tree, TreeControl::Item item, int depth, std::vector<TreeLine>& lines) {
  for (; item != TreeControl::kNoItem; item = tree.GetNextSibling(item)) {
    lines.push_back({depth, tree.Text(item), tree.GetImage(item), tree.GetObject(item)});
    AddLines(tree, tree.GetFirstChild(item), depth + 1, lines);
  }
}

std::vector<TreeLine> Lines(const FakeTree& tree) {
  std::vector<TreeLine> lines;
  AddLines(tree, tree.GetFirstRoot(), 0, lines);
  return lines;
}

std::string Describe(const std::vector<TreeLine>& lines, std::size_t at) {
  if (at >= lines.size()) return "nothing";
  std::ostringstream text;
  text << '"' << lines[at].text << "\" (image " << lines[at].image << ", depth " << lines[at].depth << ")";
  return text.str();
}

void CheckTree(const MonkeyEditor& editor, const CStructure& model, std::vector<std::string>& faults) {
  FakeTree expected;
  model.FillProjectTree(expected);
  const std::vector<TreeLine> shown = Lines(editor.tree);
  const std::vector<TreeLine> wanted = Lines(expected);
  for (std::size_t at = 0; at < std::max(shown.size(), wanted.size()); ++at) {
    if (at < shown.size() && at < wanted.size() && shown[at] == wanted[at]) continue;
    faults.push_back("the project tree shows " + Describe(shown, at) + " at line " + std::to_string(at) +
                     " where the model has " + Describe(wanted, at));
    return;
  }
}

void CheckLayerLists(const MonkeyEditor& editor, const CStructure& model, std::vector<std::string>& faults) {
  const double z = editor.Core().GetActiveZ();
  FakeInfoBarControls info;
  model.FillLayerCombo(info, z);
  if (editor.infoBar.entries != info.entries)
    faults.push_back("the info bar lists other layers than the model");
  if (editor.infoBar.selected != info.selected)
    faults.push_back("the info bar shows another layer as active");

  FakeLayersControls layers;
  model.FillLayerList(layers, z, editor.Document().GetSettings());
  const auto& shown = editor.layersWindow.rows;
  bool same = shown.size() == layers.rows.size();
  for (std::size_t row = 0; same && row < shown.size(); ++row) {
    same = shown[row].layer == layers.rows[row].layer && shown[row].texts == layers.rows[row].texts &&
           shown[row].images == layers.rows[row].images;
  }
  if (!same) faults.push_back("the Layers window shows other layers than the model");
  if (editor.layersWindow.selected != layers.selected)
    faults.push_back("the Layers window selects another row than the active layer's");
}

void CheckSelection(const MonkeyEditor& editor, const CStructure& model, std::vector<std::string>& faults) {
  std::set<const CShape*> objects;
  for (const auto& layer : model.GetLayers()) {
    for (const auto& shape : layer->GetShapes()) objects.insert(shape.get());
  }
  for (const auto& via : model.GetVias()) objects.insert(via.get());
  std::set<const CShape*> seen;
  for (const CShape* object : editor.Core().GetSelection().GetObjects()) {
    if (!objects.contains(object)) faults.push_back("the selection holds an object that is not in the model");
    if (!seen.insert(object).second) faults.push_back("the selection holds an object twice");
  }
  if (!model.HasLayerAtZ(editor.Core().GetActiveZ()))
    faults.push_back("the active layer is not in the model");
}

void CheckFileRoundTrip(const MonkeyEditor& editor, CStructure& model, std::vector<std::string>& faults) {
  std::vector<std::uint8_t> bytes;
  try {
    bytes = editor.ProjectBytes();
  } catch (const std::runtime_error&) {
    return;  // the writer refuses the model: nothing is written
  }
  try {
    DocumentSettings settings;
    CStructure read;
    LoadQlxProject(bytes, settings, read);
    if (StoreQlxProject(settings, read) != bytes)
      faults.push_back("the project file reads back to another project");
  } catch (const std::runtime_error& error) {
    faults.push_back(std::string("the project file's reader refuses what its writer wrote: ") + error.what());
  }
  try {
    const std::vector<std::uint8_t> snapshot = StoreModelSnapshot(model);
    if (StoreModelSnapshot(*LoadModelSnapshot(snapshot)) != snapshot)
      faults.push_back("an undo snapshot reads back to another model");
  } catch (const std::runtime_error& error) {
    faults.push_back(std::string("an undo snapshot of the model cannot be read: ") + error.what());
  }
}

// A project without unsaved changes is what its file holds; a node drag
// still held moves nodes before its change is filed.
void CheckSavedFile(const MonkeyEditor& editor, std::vector<std::string>& faults) {
  const FakeProjectDocument& document = editor.Document();
  if (document.modified || document.path.empty() || editor.mouseHeld) return;
  std::ifstream file(document.path, std::ios::binary);
  const std::vector<std::uint8_t> saved{std::istreambuf_iterator<char>(file),
                                        std::istreambuf_iterator<char>()};
  try {
    if (saved != editor.ProjectBytes())
      faults.push_back("the project says it has no unsaved changes, but its file differs");
  } catch (const std::runtime_error&) {
    faults.push_back("a project saved without a fault can no longer be written");
  }
}

}  // namespace

std::vector<std::string> CheckEditor(MonkeyEditor& editor) {
  std::vector<std::string> faults;
  CStructure& model = editor.Document().GetModel();
  CheckSelection(editor, model, faults);
  CheckTree(editor, model, faults);
  CheckLayerLists(editor, model, faults);
  // A picture of objects no longer there would read freed memory.
  if (faults.empty()) {
    RecordingDrawContext dc;
    editor.Core().OnDraw(dc);
  }
  CheckFileRoundTrip(editor, model, faults);
  CheckSavedFile(editor, faults);
  return faults;
}

}  // namespace quor::test
