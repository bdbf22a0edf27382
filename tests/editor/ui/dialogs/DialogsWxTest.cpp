// The dialogs on screen, driven as a user would through the editor's shell:
// File New asks for the footprint, the Settings sheet changes the unit,
// New Layer, New Via and Metallization change the project through their
// dialogs, and a page with a bad value cannot be left.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/bookctrl.h>
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/propdlg.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <limits>

#include "../ShellFixture.h"
#include "ModalScript.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/document/EditSettings.h"
#include "editor/document/EditingView.h"
#include "editor/document/WxMessageBoxes.h"
#include "editor/grid/GridWndProc.h"
#include "editor/model/CStructure.h"
#include "editor/model/LengthUnits.h"
#include "editor/model/NumberFormat.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/bars/LayerComboBox.h"
#include "editor/ui/dialogs/CDlgConductorIndex.h"
#include "editor/ui/dialogs/ConductorIndexValue.h"
#include "editor/ui/dialogs/EditorPageValues.h"
#include "editor/ui/dialogs/FrequenciesPageValues.h"
#include "editor/ui/dialogs/LayerPropertiesValues.h"
#include "editor/ui/dialogs/ProjectValues.h"
#include "editor/ui/dialogs/SegmentationPageValues.h"
#include "editor/ui/dialogs/ViaValues.h"
#include "editor/ui/dxfimport/CDlgImportDxf.h"
#include "editor/ui/polygondialog/CDlgPolygon.h"
#include "platform/win/WindowSystem.h"
#include "support/ScreenSettle.h"
#include "support/TestFiles.h"
#include "support/WxTestPump.h"

namespace quor::test {
namespace {

class StubEditingView : public EditingView {
 public:
  void SetActiveLayer(double z) override { activeZ = z; }
  void ClearSelection() override { selection.clear(); }
  void AddToSelection(CShape& shape) override { selection.push_back(&shape); }
  void Repaint() override {}

  double activeZ = -1.0;
  std::vector<CShape*> selection;
};

class DialogsWxTest : public ShellFixture {
 protected:
  // The grids of the Polygon and Import DXF dialogs, as the application registers them.
  static void SetUpTestSuite() { grid::RegisterGridClass(win::ThreadWindowSystem()); }

  void SetUp() override {
    ShellFixture::SetUp();
    CreateMainFrame();
  }

  CCrtanjeDoc* OpenSample() {
    CCrtanjeDoc* document = Open("microstrip.qlx");
    EXPECT_NE(document, nullptr);
    return document;
  }

  static void Command(wxEvtHandler& handler, int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    handler.ProcessEvent(event);
  }

  static wxString LabelText(wxWindow& parent, int id) {
    auto* label = dynamic_cast<wxStaticText*>(parent.FindWindow(id));
    return label != nullptr ? label->GetLabel() : wxString("(none)");
  }

  ModalScript script;
};

TEST_F(DialogsWxTest, FileNewAsksForTheFootprintAndTheProjectTakesIt) {
  wxString shownWidth;
  wxString unitLabel;
  script.Then([&](wxDialog& dialog) {
    shownWidth = EditOf(dialog, project_dialog::kWidthEdit)->GetValue();
    unitLabel = LabelText(dialog, project_dialog::kLengthUnitLabel);
    Type(dialog, project_dialog::kLengthEdit, "500");
    PressOk(dialog);
  });
  wxCommandEvent fileNew(wxEVT_MENU, cmd::kFileNew);
  frame->ProcessWindowEvent(fileNew);

  ASSERT_EQ(script.titles, std::vector<std::string>{"New Project"});
  EXPECT_EQ(shownWidth, "1000");
  EXPECT_EQ(unitLabel, "mil");
  ASSERT_EQ(manager->GetDocumentsVector().size(), 1u);
  auto* document = dynamic_cast<CCrtanjeDoc*>(manager->GetDocumentsVector().front());
  double length = 0.0;
  double width = 0.0;
  document->GetModel().GetFootprint(length, width);
  EXPECT_DOUBLE_EQ(length, 500 * 2.54);
  EXPECT_EQ(width, 2540.0);  // untouched: exactly the proposal
  EXPECT_EQ(document->GetModel().GetLayerCount(), 1);
}

TEST_F(DialogsWxTest, CancelInTheFootprintPromptMakesNoProject) {
  script.Then([](wxDialog& dialog) { dialog.EndModal(wxID_CANCEL); });
  wxCommandEvent fileNew(wxEVT_MENU, cmd::kFileNew);
  frame->ProcessWindowEvent(fileNew);
  EXPECT_EQ(script.titles.size(), 1u);
  EXPECT_TRUE(manager->GetDocumentsVector().empty());
}

TEST_F(DialogsWxTest, TheSettingsSheetChangesTheUnitAndTheProjectTakesIt) {
  CCrtanjeDoc* document = OpenSample();
  ASSERT_NE(document, nullptr);
  const int oldUnit = document->GetSettings().Units;
  const int newUnit = oldUnit == 0 ? 2 : 0;
  const int newUnitButton = newUnit == 0 ? 1009 : 1033;
  const double spacing = document->GetSettings().GridSpacing;
  wxString editorUnit;
  wxString editorSpacing;
  script.Then([&](wxDialog& dialog) {
    wxBookCtrlBase* book = dynamic_cast<wxPropertySheetDialog&>(dialog).GetBookCtrl();
    dynamic_cast<wxRadioButton*>(book->GetPage(0)->FindWindow(newUnitButton))->SetValue(true);
    book->SetSelection(3);
    wxWindow& editor = *book->GetPage(3);
    editorUnit = LabelText(editor, editor_page::kSpacingUnitLabel);
    editorSpacing = dynamic_cast<wxTextCtrl*>(editor.FindWindow(editor_page::kSpacingEdit))->GetValue();
    PressOk(dialog);
  });
  Command(*document, cmd::kProjectSettings);

  ASSERT_EQ(script.titles, std::vector<std::string>{"Settings"});
  EXPECT_EQ(editorUnit, LengthUnitName(newUnit));
  EXPECT_EQ(editorSpacing, wxString(FormatDouble(spacing / LengthUnitFactor(newUnit), 4)));
  EXPECT_EQ(document->GetSettings().Units, newUnit);
  EXPECT_EQ(document->GetSettings().GridSpacing, spacing);  // shown in another unit, kept exact
  EXPECT_TRUE(document->IsModified());
  EXPECT_EQ(profile->GetProfileInt("Settings", "Units", -1), newUnit);
  EXPECT_TRUE(frame->GetStatusBar()->GetStatusText(1).EndsWith(LengthUnitName(newUnit)));
}

TEST_F(DialogsWxTest, APageWithABadValueCannotBeLeft) {
  script.Then([&](wxDialog& dialog) {
    wxBookCtrlBase* book = dynamic_cast<wxPropertySheetDialog&>(dialog).GetBookCtrl();
    book->SetSelection(2);
    auto* refine = dynamic_cast<wxTextCtrl*>(book->GetPage(2)->FindWindow(segmentation_page::kRefineEdit));
    refine->ChangeValue("0");
    refine->MarkDirty();
    book->SetSelection(3);   // refused
    PressOkRefused(dialog);  // the Segmentation page is still the one left
    dialog.EndModal(wxID_CANCEL);
  });
  EditSettings(nullptr, dialogs, *profile);
  EXPECT_EQ(messages.shown, (std::vector<std::string>{"Please enter a number between 0 and 100",
                                                      "Please enter a number between 0 and 100"}));
  EXPECT_EQ(profile->GetProfileInt("Settings", "Units", -1), -1);  // nothing written
}

TEST_F(DialogsWxTest, AFootprintTypedAsInfIsRefusedAndKeptInItsEdit) {
  CCrtanjeDoc* document = OpenSample();
  ASSERT_NE(document, nullptr);
  double length = 0.0;
  double width = 0.0;
  document->GetModel().GetFootprint(length, width);
  script.Then([&](wxDialog& dialog) {
    wxTextCtrl* edit = EditOf(dialog, project_dialog::kLengthEdit);
    dialog.Raise();
    edit->SetFocus();
    edit->SelectAll();
    wxUIActionSimulator().Text("inf");
    EXPECT_TRUE(PumpUntil([edit] { return edit->GetValue() == "inf"; }));
    PressOkRefused(dialog);
    EXPECT_EQ(edit->GetValue(), "inf");
    if (dialog.IsModal()) dialog.EndModal(wxID_CANCEL);
  });
  ASSERT_TRUE(WaitUntilActive(document));
  Command(*frame, cmd::kProjectFootprint);
  EXPECT_EQ(script.titles, std::vector<std::string>{"Project Properties"});
  EXPECT_EQ(messages.shown, std::vector<std::string>{"Please enter number greater than zero"});
  double newLength = 0.0;
  document->GetModel().GetFootprint(newLength, width);
  EXPECT_EQ(newLength, length);
  EXPECT_FALSE(document->IsModified());
}

TEST_F(DialogsWxTest, AProjectHoldingAnInfinityIsNotSavedAndItsFileStays) {
  const std::filesystem::path path = CopySample("microstrip.qlx");
  const std::string before = ReadFile(path);
  auto* document = dynamic_cast<CCrtanjeDoc*>(manager->CreateDocument(path.string(), wxDOC_SILENT));
  ASSERT_NE(document, nullptr);
  ASSERT_TRUE(WaitUntilActive(document));
  double length = 0.0;
  double width = 0.0;
  document->GetModel().GetFootprint(length, width);
  document->GetModel().SetFootprint(std::numeric_limits<double>::infinity(), width);
  document->Modify(true);
  Command(*frame, cmd::kFileSave);
  EXPECT_EQ(messages.shown, std::vector<std::string>{"Project not saved: invalid value in the footprint"});
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_TRUE(document->IsModified());
}

// The Start frequency emptied from the keyboard is no number: neither
// another page nor OK is taken, and the old value is not stored again.
TEST_F(DialogsWxTest, AnEmptiedStartFrequencyAsksForANumber) {
  CCrtanjeDoc* document = OpenSample();
  ASSERT_NE(document, nullptr);
  script.Then([&](wxDialog& dialog) {
    wxBookCtrlBase* book = dynamic_cast<wxPropertySheetDialog&>(dialog).GetBookCtrl();
    wxTextCtrl* start = EditOf(dialog, frequencies_page::kStartEdit);
    wxWindow* ok = dialog.FindWindow(wxID_OK);
    const auto tab = [book](int page) {
      wxPoint at{0, 10};
      while (at.x < book->GetSize().x && book->HitTest(at) != page) ++at.x;
      return at;
    };
    EXPECT_TRUE(ClickUntil(*book, tab(1), [book] { return book->GetSelection() == 1; }));
    EXPECT_TRUE(ClickUntil(*start, {5, 5}, [start] { return wxWindow::FindFocus() == start; }));
    wxUIActionSimulator input;
    input.Char('A', wxMOD_CONTROL);
    input.Char(WXK_BACK);
    EXPECT_TRUE(PumpUntil([start] { return start->IsEmpty(); }));
    EXPECT_TRUE(ClickUntil(*book, tab(2), [this] { return messages.shown.size() == 1; }));
    EXPECT_EQ(book->GetSelection(), 1);
    EXPECT_TRUE(
        ClickUntil(*ok, wxPoint() + ok->GetClientSize() / 2, [this] { return messages.shown.size() == 2; }));
    EXPECT_TRUE(dialog.IsModal());
    dialog.EndModal(wxID_CANCEL);
  });
  Command(*document, cmd::kProjectSettings);
  EXPECT_EQ(messages.shown, (std::vector<std::string>{"Please enter a number.", "Please enter a number."}));
  EXPECT_FALSE(document->IsModified());
}

TEST_F(DialogsWxTest, NewLayerThroughItsDialogAddsALayer) {
  CCrtanjeDoc* document = OpenSample();
  ASSERT_NE(document, nullptr);
  const int layers = document->GetModel().GetLayerCount();
  const std::string proposed = "Layer " + std::to_string(document->GetModel().GetLayerCounter());
  wxString shownName;
  script.Then([&](wxDialog& dialog) {
    shownName = EditOf(dialog, layer_dialog::kNameEdit)->GetValue();
    Type(dialog, layer_dialog::kHeightEdit, "-5");
    PressOkRefused(dialog);
    Type(dialog, layer_dialog::kHeightEdit, "1000");
    Type(dialog, layer_dialog::kErEdit, "4.5");
    // A pasted line break would break the model text file's lines.
    Type(dialog, layer_dialog::kNameEdit, "two\nlines");
    PressOkRefused(dialog);
    Type(dialog, layer_dialog::kNameEdit, proposed.c_str());
    PressOk(dialog);
  });
  StubEditingView view;
  document->NewLayer(view);

  ASSERT_EQ(script.titles, std::vector<std::string>{"New Layer"});
  EXPECT_EQ(shownName, proposed);
  EXPECT_EQ(messages.shown, (std::vector<std::string>{"Please enter number greater than zero",
                                                      "Layer name cannot contain control characters"}));
  ASSERT_EQ(document->GetModel().GetLayerCount(), layers + 1);
  const double z = ToInternalUnits(1000.0, document->GetSettings().Units);
  ASSERT_TRUE(document->GetModel().HasLayerAtZ(z));
  const CLayer& added = document->GetModel().FindLayerByZ(z);
  EXPECT_EQ(added.GetName(), proposed);
  EXPECT_EQ(added.GetEr(), 4.5);
  EXPECT_EQ(view.activeZ, z);
}

TEST_F(DialogsWxTest, ANewViaStartsLikeThePreviousOne) {
  CCrtanjeDoc* document = OpenSample();
  ASSERT_NE(document, nullptr);
  CStructure& model = document->GetModel();
  ASSERT_GE(model.GetLayerCount(), 2);
  const CLayer* top = model.GetLayers().back().get();
  const CLayer* bottom = model.GetLayers().front().get();
  script.Then([&](wxDialog& dialog) {
    EXPECT_EQ(EditOf(dialog, via_dialog::kRadiusEdit)->GetValue(), "1");
    auto* topCombo = dynamic_cast<LayerComboBox*>(dialog.FindWindow(via_dialog::kTopLayerCombo));
    topCombo->SetSelection(topCombo->GetCount() - 1);
    Type(dialog, via_dialog::kRadiusEdit, "7.5");
    PressOk(dialog);
  });
  CLayer* secondTop = nullptr;
  wxString secondRadius;
  script.Then([&](wxDialog& dialog) {
    secondRadius = EditOf(dialog, via_dialog::kRadiusEdit)->GetValue();
    auto* topCombo = dynamic_cast<LayerComboBox*>(dialog.FindWindow(via_dialog::kTopLayerCombo));
    secondTop = topCombo->LayerAt(topCombo->GetSelection());
    dialog.EndModal(wxID_CANCEL);
  });
  StubEditingView view;
  document->NewVia(view);
  document->NewVia(view);

  ASSERT_EQ(model.GetViaCount(), 1);
  const CVia& via = *model.GetVias().front();
  EXPECT_DOUBLE_EQ(via.GetRadius(), document->FromDisplayUnits(7.5));
  EXPECT_EQ(via.GetTopLayer(), top);
  EXPECT_EQ(via.GetBottomLayer(), bottom);
  EXPECT_EQ(secondRadius, "7.5");
  EXPECT_EQ(secondTop, top);
  EXPECT_EQ(script.titles.size(), 2u);
}

TEST_F(DialogsWxTest, MetallizationTakesTheSidesOfThePressedButtons) {
  CCrtanjeDoc* document = OpenSample();
  ASSERT_NE(document, nullptr);
  bool top = false;
  bool left = false;
  bool bottom = false;
  bool right = false;
  document->GetModel().GetMetallization(top, left, bottom, right);
  script.Then([&](wxDialog& dialog) {
    auto* button = dynamic_cast<wxBitmapToggleButton*>(dialog.FindWindow(1028));
    button->SetValue(!button->GetValue());
    PressOk(dialog);
  });
  Command(*document, cmd::kProjectMetallization);
  bool newTop = top;
  bool newLeft = left;
  bool newBottom = bottom;
  bool newRight = right;
  document->GetModel().GetMetallization(newTop, newLeft, newBottom, newRight);
  EXPECT_EQ(script.titles, std::vector<std::string>{"Metallization"});
  EXPECT_EQ(newTop, !top);
  EXPECT_EQ(newLeft, left);
  EXPECT_EQ(newBottom, bottom);
  EXPECT_EQ(newRight, right);
}

TEST_F(DialogsWxTest, ConductorIndexRefusesANegativeIndexAndReadsTextAsZero) {
  script.Then([](wxDialog& dialog) {
    EXPECT_EQ(EditOf(dialog, conductor_index_dialog::kIndexEdit)->GetValue(), "3");
    Type(dialog, conductor_index_dialog::kIndexEdit, "-1");
    PressOkRefused(dialog);
    Type(dialog, conductor_index_dialog::kIndexEdit, "abc");
    PressOk(dialog);
  });
  CDlgConductorIndex dialog(frame, "3", messages);
  EXPECT_EQ(dialog.ShowModal(), wxID_OK);
  EXPECT_EQ(dialog.Index(), 0);
  EXPECT_EQ(messages.shown, std::vector<std::string>{"Please enter a positive integer"});
}

// Each dialog opens with the keyboard in its first field, so typing goes
// there at once.
TEST_F(DialogsWxTest, EveryDialogOpensWithTheKeyboardInItsFirstField) {
  CCrtanjeDoc* document = OpenSample();
  ASSERT_NE(document, nullptr);
  wxView& view = *document->GetFirstView();
  StubEditingView editingView;
  ImportDxfLayerValues layers{{"top"}};
  CDlgImportDxf importDialog(frame, messages);
  importDialog.SetLayers(layers);
  const auto focusIs = [](int id) {
    return
        [id](wxDialog&) { return wxWindow::FindFocus() != nullptr && wxWindow::FindFocus()->GetId() == id; };
  };
  // A key typed at once, and what it must have done: a digit is the conductor
  // index, Down picks the next unit of the drawing to import (whose list gives
  // the focus to an inner window that the toolkit does not name), and Tab from
  // Er reaches the height it stands beside, not the height's unit.
  struct Case {
    const char* dialog;
    std::function<void()> open;
    int firstField;
    int key = 0;
    std::function<bool(wxDialog&)> took = nullptr;
  };
  const Case cases[] = {
      {"New Project", [&] { Command(*frame, cmd::kFileNew); }, project_dialog::kLengthEdit},
      {"Project Properties", [&] { document->EditFootprint(editingView); }, project_dialog::kLengthEdit},
      {"New Layer", [&] { document->NewLayer(editingView); }, layer_dialog::kErEdit, WXK_TAB,
       focusIs(layer_dialog::kHeightEdit)},
      {"Layer Properties", [&] { document->EditLayerProperties(0.0); }, layer_dialog::kNameEdit},
      {"Via", [&] { document->NewVia(editingView); }, via_dialog::kXEdit},
      {"Metallization", [&] { Command(*document, cmd::kProjectMetallization); }, 1028},
      {"Settings", [&] { Command(*document, cmd::kProjectSettings); }, 1009},
      {"Conductor Index", [&] { CDlgConductorIndex(frame, "", messages).ShowModal(); },
       conductor_index_dialog::kIndexEdit, '7',
       [](wxDialog& dialog) {
         return EditOf(dialog, conductor_index_dialog::kIndexEdit)->GetValue() == "7";
       }},
      {"Polygon", [&] { Command(view, cmd::kProjectNewPolygon); }, CDlgPolygon::kIndexEdit},
      {"Import DXF", [&] { importDialog.ShowModal(); }, wxID_ANY, WXK_DOWN,
       [](wxDialog& dialog) {
         return dynamic_cast<wxChoice&>(*dialog.FindWindow(CDlgImportDxf::kUnitCombo)).GetSelection() == 1;
       }},
  };
  for (const Case& test : cases) {
    int focused = wxID_NONE;
    bool took = false;
    script.Then([&](wxDialog& dialog) {
      if (wxWindow* focus = FocusOnceShown(dialog)) focused = focus->GetId();
      if (test.key != 0) wxUIActionSimulator().Char(test.key);
      took = test.key == 0 || PumpUntil([&] { return test.took(dialog); });
      dialog.EndModal(wxID_CANCEL);
    });
    test.open();
    // wxID_ANY: a field the toolkit does not name.
    EXPECT_EQ(test.firstField == wxID_ANY ? wxID_ANY : focused, test.firstField) << test.dialog;
    EXPECT_TRUE(took) << test.dialog;
  }
}

// Message boxes carry the program's name, whatever the process is called.
TEST_F(DialogsWxTest, MessageBoxesAreTitledWithTheProgramsName) {
  const wxString appName = wxTheApp->GetAppName();
  wxTheApp->SetAppName("quor");
  script.ThenAnswer(wxID_OK);
  script.ThenAnswer(wxID_YES);
  WxMessageBoxes boxes;
  boxes.ShowMessage("Layer does not exist");
  WxMessageBoxes(frame).AskYesNo("Do you realy want to delete selected layer?");
  wxTheApp->SetAppName(appName);
  EXPECT_EQ(script.titles, (std::vector<std::string>{"QUOR", "QUOR"}));
}

// A full name typed over the proposed one (whose extension the file chooser
// leaves out of the selection) and a bare name both give one ".qlx"; the
// file dialogs name their filter once.
TEST_F(DialogsWxTest, SaveAsSavesTheTypedNameWithOneExtension) {
  ASSERT_NE(manager->CreateDocument(CopySample("microstrip.qlx").string(), wxDOC_SILENT), nullptr);
  std::vector<std::string> filters;
  struct Typing {
    bool selectAll;
    const char* name;
  };
  // Names that begin like no file there, which the dialog would complete.
  for (const Typing& typing : {Typing{false, "new_ms.qlx"}, Typing{true, "bare"}}) {
    script.Then([&filters, typing](wxDialog& dialog) {
      filters.emplace_back(dynamic_cast<wxFileDialog&>(dialog).GetWildcard().utf8_str());
      dialog.Raise();
      PumpUntil([&dialog] { return dialog.IsActive(); });
      PumpUntilScreenSettles(dialog.GetScreenRect());
      wxUIActionSimulator input;
      if (typing.selectAll) input.Char('A', wxMOD_CONTROL);
      input.Text(typing.name);
      input.Char(WXK_RETURN);
    });
    Command(*frame, wxID_SAVEAS);
  }
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    if (entry.path().extension() != ".conf") files.push_back(entry.path().filename().string());
  }
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"bare.qlx", "microstrip.qlx", "new_ms.qlx"}));
  EXPECT_EQ(filters, (std::vector<std::string>(2, "QUOR Files (*.qlx)|*.qlx")));
}

}  // namespace
}  // namespace quor::test
