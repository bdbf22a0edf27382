// Fakes for the document's ports: an in-memory profile, recorded message
// boxes, scripted dialogs, a recording main frame and view, and a project
// document whose framework part records what it is asked to do.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "editor/document/DocumentDialogs.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/EditingView.h"
#include "editor/document/MainFrameLink.h"
#include "editor/document/ProjectDocument.h"
#include "platform/profile/ProfileStore.h"
#include "support/RecordingMessageBoxes.h"

namespace quor::test {

class MemoryProfile : public ProfileStore {
 public:
  int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const override;
  void WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
  std::optional<std::vector<std::uint8_t>> GetProfileBinary(const std::string& section,
                                                            const std::string& entry) const override;
  void WriteProfileBinary(const std::string& section, const std::string& entry,
                          const std::vector<std::uint8_t>& bytes) override;

 private:
  std::map<std::string, int> m_ints;
  std::map<std::string, std::vector<std::uint8_t>> m_binaries;
};

// Every box's text in order, questions included; questions get `answer`.
// Each dialog answers with its script: the script may change the values and
// returns OK (true) or Cancel (false). Without a script the dialog is cancelled.
class ScriptedDialogs : public DocumentDialogs {
 public:
  bool RunProjectDialog(ProjectDialogValues& values) override { return Run(project, values); }
  bool RunLayerDialog(LayerDialogValues& values) override { return Run(layer, values); }
  bool RunViaDialog(ViaDialogValues& values) override { return Run(via, values); }
  bool RunMetallizationDialog(MetallizationDialogValues& values) override {
    return Run(metallization, values);
  }
  bool RunSettingsPages(SettingsRecord& record) override { return Run(settings, record); }

  std::function<bool(ProjectDialogValues&)> project;
  std::function<bool(LayerDialogValues&)> layer;
  std::function<bool(ViaDialogValues&)> via;
  std::function<bool(MetallizationDialogValues&)> metallization;
  std::function<bool(SettingsRecord&)> settings;

 private:
  template <typename Values>
  static bool Run(const std::function<bool(Values&)>& script, Values& values) {
    return script && script(values);
  }
};

// One delivered hint: where it went and what it carried.
struct HintRecord {
  enum class To { Views, Frame };
  To to;
  UpdateHint hint;
  Hint sent;
};

// Records hints; a payload record lives only while its hint is delivered, so
// tests that read one do it in `inspect`.
struct HintLog {
  void Record(HintRecord::To to, const Hint& hint) {
    hints.push_back({to, hint.Code(), hint});
    if (inspect) inspect(hints.back());
  }
  std::vector<HintRecord> hints;
  std::function<void(const HintRecord&)> inspect;
};

class RecordingFrame : public MainFrameLink {
 public:
  explicit RecordingFrame(HintLog& log) : m_log(log) {}
  void BroadcastHint(const Hint& hint) override { m_log.Record(HintRecord::To::Frame, hint); }
  void SetStatusText(const std::string& text) override { statusText = text; }
  std::string statusText = "unset";

 private:
  HintLog& m_log;
};

class RecordingEditingView : public EditingView {
 public:
  void SetActiveLayer(double z) override { activeZ = z; }
  void ClearSelection() override { selection.clear(); }
  void AddToSelection(CShape& shape) override { selection.push_back(&shape); }
  void Repaint() override { ++repaints; }

  double activeZ = -1.0;
  std::vector<CShape*> selection;
  int repaints = 0;
};

// Everything a document reaches, faked, with the hints in one list.
struct FakeServices {
  HintLog log;
  std::vector<HintRecord>& hints = log.hints;
  MemoryProfile profile;
  RecordingMessageBoxes messages;
  ScriptedDialogs dialogs;
  RecordingFrame frame{log};
  DocumentServices services{messages, dialogs, frame, profile};
};

class FakeProjectDocument : public ProjectDocument {
 public:
  explicit FakeProjectDocument(FakeServices& services) : m_services(services) {}

  bool modified = false;
  // The project file; a project without one is saved to `savePath` (the
  // Save As dialog's answer), or not at all when that is empty too.
  std::string path;
  std::string savePath;

  // What the views do before a change that is not their tool's own.
  std::function<void()> cancelHeldGestures;

  std::string GetProjectPath() const override { return path; }
  bool SaveProject() override;
  void CancelHeldGestures() override {
    if (cancelHeldGestures) cancelHeldGestures();
  }

 protected:
  void SetProjectModified(bool isModified) override { modified = isModified; }
  bool IsProjectModified() const override { return modified; }
  void UpdateProjectViews(const Hint& hint) override { m_services.log.Record(HintRecord::To::Views, hint); }
  DocumentServices& Services() const override { return m_services.services; }

 private:
  FakeServices& m_services;
};

// The hint codes in order of delivery, each with where it went.
std::vector<std::pair<HintRecord::To, UpdateHint>> Deliveries(const std::vector<HintRecord>& hints);

}  // namespace quor::test
