// The editor without its windows, as the random-edit test drives it: one
// project in one view core with its tools, the project tree, the info bar and
// the Layers window, wired as the main frame wires them. Every dialog answers
// from the test's random typist through the dialog's own checks, so a value
// reaches the document only when the real dialog would let it through.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "BarTestDoubles.h"
#include "ComputeTestDoubles.h"
#include "DocumentTestDoubles.h"
#include "ToolTestView.h"
#include "editor/ui/bars/InfoBarLogic.h"
#include "editor/ui/bars/LayersWindowLogic.h"
#include "editor/ui/bars/ProjectTreeLogic.h"
#include "editor/ui/dialogs/CheckFailure.h"

namespace quor::test {

// Random choices and what a user types into a field.
class Typist {
 public:
  explicit Typist(std::uint64_t seed) : m_random(seed) {}

  int Below(int count) { return static_cast<int>(m_random() % static_cast<std::uint64_t>(count)); }
  bool Chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < p; }
  double Between(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(m_random);
  }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
  }
  // A number in a field: mostly ordinary, sometimes hostile (infinite, not a
  // number, overflowing after a unit conversion, no number at all).
  std::string Number(double low, double high);
  std::string Integer();
  std::string Name();
  std::string Type(std::string text);

  // Hostile texts are typed only while set.
  bool hostile = true;
  // What was typed since the driver last took it.
  std::string typed;

 private:
  std::mt19937_64 m_random;
};

class MonkeyEditor;

// The view's window: its tool calls reach the editor's tools, its hints to
// the main frame reach the bars, and the Polygon and Conductor Index dialogs
// answer from the typist.
class MonkeyHost : public FakeViewHost {
 public:
  explicit MonkeyHost(MonkeyEditor& editor) : m_editor(editor) {}
  void CancelTool() override;
  void CancelToolForUndo() override;
  void DrawToolOverlay(DrawContext& dc) override;
  void ToolKeyDown(unsigned key, int repeat, unsigned flags) override;
  void SetSelectTool() override;
  int GetToolCommandId() const override;
  void BroadcastHint(const Hint& hint) override;
  bool RunPolygonDialog(CConductorPolygon& polygon, double z, bool newPolygon) override;
  std::optional<int> AskConductorIndex(const std::string& text) override;

 private:
  MonkeyEditor& m_editor;
};

// The view as the bars see it; its commands run through `runCommand`.
class MonkeyBarView : public BarView {
 public:
  explicit MonkeyBarView(MonkeyEditor& editor) : m_editor(editor) {}
  ProjectDocument& GetProjectDocument() const override;
  double GetActiveZ() const override;
  void RunViewCommand(int id) override;
  void SetActiveLayer(double z) override;
  void ClearSelection() override;
  void AddToSelection(CShape& shape) override;
  void Repaint() override {}

 private:
  MonkeyEditor& m_editor;
};

class MonkeyEditor {
 public:
  MonkeyEditor(Typist& typist, const std::filesystem::path& folder);
  ~MonkeyEditor();

  // A new project, or the saved one read again; false (with the reader's
  // message) when it cannot be read. Either closes the open project first.
  void NewProject();
  bool Reopen();
  // File > Save to the test's project file; false when it failed.
  bool Save();
  void Close();

  // What the project file holds of the open project, in memory.
  std::vector<std::uint8_t> ProjectBytes() const;
  const std::filesystem::path& ProjectPath() const { return m_path; }
  // The messages shown since the last call.
  std::vector<std::string> TakeMessages();

  FakeProjectDocument& Document() const { return *m_document; }
  ViewCore& Core() const { return *m_core; }
  ViewTools& Tools() const { return *m_tools; }
  FakeToolView& ToolWindow() const { return *m_toolView; }
  // A call to the current tool as the window makes it: a refusal of the
  // document on the way is shown.
  void ToTool(const std::function<void(CTool& tool, ToolView& view)>& call);
  // A command as the view runs it: a refusal is shown.
  void Guarded(const std::function<void()>& command);

  Typist& typist;
  FakeServices services;
  // Subtract needs the build's computation library.
  FakeComputeWindows computeWindows;
  CSolverLibrary library{QUOR_BIN_DIR "/libTessmor.so"};
  ComputeServices compute;
  MonkeyHost host{*this};
  MonkeyBarView barView{*this};
  // The view commands the bars forward; the driver sets it.
  std::function<void(int id)> runCommand;
  // The button is down over the view, which holds the mouse; the driver sets it.
  bool mouseHeld = false;

  FakeTree tree;
  ProjectTreeLogic treeLogic{tree, services.frame, services.messages};
  FakeInfoBarControls infoBar;
  InfoBarLogic infoLogic{infoBar};
  FakeLayersControls layersWindow;
  LayersWindowLogic layersLogic{layersWindow, services.messages};

 private:
  void Show();
  void Relay(const HintRecord& record);
  void InstallDialogs();
  // A dialog as the user works it: edits and OK; a refused OK shows its
  // message and the user edits again, or at last gives up with Cancel.
  template <typename Values>
  bool WorkDialog(Values& values,
                  const std::type_identity_t<std::function<std::optional<CheckFailure>(Values&)>>& edit);

  std::filesystem::path m_path;
  std::unique_ptr<FakeProjectDocument> m_document;
  std::unique_ptr<ViewCore> m_core;
  std::unique_ptr<FakeToolView> m_toolView;
  std::unique_ptr<ViewTools> m_tools;
};

}  // namespace quor::test
