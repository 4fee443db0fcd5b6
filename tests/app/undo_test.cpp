// Undo and redo through the running designer: each kind of step is made as the user makes it
// (placement by palette and click, drags, keys, the inspector, the editors, the commands),
// and undoing it gives back the form file byte for byte, redoing it the changed one.

#include <algorithm>
#include <functional>

#include "app/workbench.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/PTDialog.h"
#include "designer/hit_test.h"
#include "form/form_file.h"
#include "main_fixture.h"
#include "properties/frmBitmapEd.h"
#include "properties/frmItemsEditor.h"
#include "properties/frmPropSelect.h"
#include "properties/frmTableEditor.h"

namespace qb::test {
namespace {

class UndoBench {
 public:
  explicit UndoBench(LibraryId lib) : bench_(ui_, dir_.Path("program"), WritableEnvironment()) {
    std::filesystem::create_directory(dir_.Path("program"));
    bench_.Main().FirstShown();
    StartNewProject(bench_.Main(), ui_, lib);
  }

  AppState& State() { return bench_.State(); }
  TChildFrm& Form() { return *bench_.State().windows.at(0); }
  TMain& Main() { return bench_.Main(); }
  Designer& D() { return bench_.GetDesigner(); }
  TfrmProperties& Inspector() { return bench_.Inspector(); }
  TControl* Current() { return bench_.State().current_control.Get(); }
  FakeUi& Ui() { return ui_; }
  std::string Path(const std::string& name) { return dir_.Path(name); }

  std::string Text() { return WriteFormToIni(bench_.State().library, Form()).Text(); }

  void Press(Point at, ShiftState keys = 0) {
    D().MouseMove(Form(), keys, at);
    D().MouseDown(Form(), MouseButton::kLeft, keys | kSsLeft, at);
  }
  void Release(Point at, ShiftState keys = 0) {
    D().MouseUp(Form(), MouseButton::kLeft, keys | kSsLeft, at);
  }
  void Click(Point at, ShiftState keys = 0) {
    Press(at, keys);
    Release(at, keys);
  }
  TControl* Place(PaletteButton button, int x, int y) {
    Main().PressPalette(button);
    Click({x + TChildFrm::kScreenLeft, y + TChildFrm::kScreenTop});
    return Current();
  }
  Point Centre(TControl& c) {
    Point o = OriginInClient(Form(), c);
    return {o.x + c.Width() / 2, o.y + c.Height() / 2};
  }
  void Pick(TControl& c, bool add = false) {
    Click(Centre(c), add ? ShiftState{kSsShift} : ShiftState{0});
  }
  // A drag from the centre (a move) or from the bottom-right corner (a resize), with moves
  // on the way as the mouse makes them.
  void Drag(TControl& c, int dx, int dy, bool resize = false) {
    Point o = OriginInClient(Form(), c);
    Point from = resize ? Point{o.x + c.Width() - 1, o.y + c.Height() - 1} : Centre(c);
    Press(from);
    for (int i = 1; i <= 4; ++i)
      D().MouseMove(Form(), kSsLeft, {from.x + dx * i / 4, from.y + dy * i / 4});
    Release({from.x + dx, from.y + dy});
  }
  void Apply(const char* row, const std::string& text) {
    int index = Inspector().RowIndex(row);
    ASSERT_GE(index, 0) << row;
    Inspector().Apply(index, text);
  }
  void ChooseInChooser(const std::string& name) {
    const auto& entries = Inspector().ChooserEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (entries[i].text.rfind(name + ":", 0) == 0)
        return Inspector().ChooseEntry(static_cast<int>(i));
    FAIL() << "no chooser entry " << name;
  }
  std::vector<std::string> ChooserTexts() {
    std::vector<std::string> out;
    for (const ChooserEntry& e : Inspector().ChooserEntries()) out.push_back(e.text);
    return out;
  }

 private:
  TempDir dir_;
  FakeUi ui_;
  Workbench bench_;
};

struct StepCase {
  const char* name;
  LibraryId lib;
  std::function<void(UndoBench&)> setup;
  std::function<void(UndoBench&)> step;
};

constexpr LibraryId kPT = LibraryId::kPToolboxLib;
constexpr LibraryId kCC = LibraryId::kCControls;

void TwoButtons(UndoBench& b) {
  TControl* first = b.Place(PaletteButton::kButton, 20, 10);
  TControl* second = b.Place(PaletteButton::kButton, 70, 60);
  b.Pick(*first);
  b.Pick(*second, true);
}

void ThreeMarked(UndoBench& b) {
  TControl* a = b.Place(PaletteButton::kButton, 10, 10);
  TControl* c = b.Place(PaletteButton::kButton, 30, 50);
  TControl* d = b.Place(PaletteButton::kButton, 90, 100);
  // Sizes of their own, so that the same-size commands change something.
  b.Drag(*c, 9, 7, true);
  b.Pick(*a);
  b.Pick(*c, true);
  b.Pick(*d, true);
}

void OneButton(UndoBench& b) { b.Place(PaletteButton::kButton, 30, 40); }

std::function<void(UndoBench&)> Layout(PopCommand command) {
  return [command](UndoBench& b) { b.D().RunPopCommand(b.Form(), command); };
}

std::vector<StepCase> Cases() {
  std::vector<StepCase> cases;
  for (LibraryId lib : {kPT, kCC}) {
    auto none = [](UndoBench&) {};
    cases.push_back(
        {"place", lib, none, [](UndoBench& b) { b.Place(PaletteButton::kButton, 20, 30); }});
    cases.push_back({"drag", lib, OneButton, [](UndoBench& b) { b.Drag(*b.Current(), 17, 9); }});
    cases.push_back(
        {"resize", lib, OneButton, [](UndoBench& b) { b.Drag(*b.Current(), 12, 7, true); }});
    cases.push_back({"nudge", lib, OneButton, [](UndoBench& b) {
                       b.Main().KeyPress(DesignerKey::kRight);
                       b.Main().KeyPress(DesignerKey::kDown);
                     }});
    cases.push_back({"inspector", lib, OneButton, [](UndoBench& b) { b.Apply("Left", "44"); }});
    cases.push_back({"rename", lib, OneButton, [](UndoBench& b) { b.Apply("Name", "btnOk"); }});
    cases.push_back({"form name", lib, [](UndoBench& b) { b.D().ShowFormProperties(b.Form()); },
                     [](UndoBench& b) { b.Apply("Name", "Main"); }});
    cases.push_back({"form title", lib, [](UndoBench& b) { b.D().ShowFormProperties(b.Form()); },
                     [](UndoBench& b) { b.Apply("Title", "Main form"); }});
    cases.push_back(
        {"delete", lib, TwoButtons, [](UndoBench& b) { b.Main().KeyPress(DesignerKey::kDelete); }});
    cases.push_back({"cut", lib, OneButton, [](UndoBench& b) { b.Main().Execute(Command::kCut); }});
    cases.push_back({"paste", lib,
                     [](UndoBench& b) {
                       OneButton(b);
                       b.Main().Execute(Command::kCopy);
                     },
                     [](UndoBench& b) { b.Main().Execute(Command::kPaste); }});
    cases.push_back({"items editor", lib,
                     [](UndoBench& b) { b.Place(PaletteButton::kListBox, 20, 20); },
                     [](UndoBench& b) {
                       b.Ui().AnswerDialog([](DialogModel& d) {
                         static_cast<TfrmItemsEd&>(d).SetText("one\r\ntwo\r\nthree");
                         return true;
                       });
                       b.Inspector().ItemsButtonClicked();
                     }});
    const std::pair<const char*, PopCommand> layouts[] = {
        {"align left", PopCommand::kAlignLeft},        {"align right", PopCommand::kAlignRight},
        {"align top", PopCommand::kAlignTop},          {"align bottom", PopCommand::kAlignBottom},
        {"same width", PopCommand::kSameWidth},        {"same height", PopCommand::kSameHeight},
        {"centre h", PopCommand::kCenterHorizontally}, {"centre v", PopCommand::kCenterVertically},
        {"space h", PopCommand::kSpaceHorizontally},   {"space v", PopCommand::kSpaceVertically},
        {"send to back", PopCommand::kSendToBack}};
    for (const auto& [name, command] : layouts)
      cases.push_back({name, lib, ThreeMarked, Layout(command)});
    cases.push_back({"bring to front", lib,
                     [](UndoBench& b) {
                       TControl* a = b.Place(PaletteButton::kButton, 10, 10);
                       b.Place(PaletteButton::kButton, 80, 80);
                       b.Pick(*a);
                     },
                     Layout(PopCommand::kBringToFront)});
  }
  cases.push_back({"menu with its bar", kCC, [](UndoBench&) {},
                   [](UndoBench& b) { b.Place(PaletteButton::kMenu, 10, 0); }});
  cases.push_back({"table editor", kCC,
                   [](UndoBench& b) { b.Place(PaletteButton::kTable, 10, 10); },
                   [](UndoBench& b) {
                     b.Ui().AnswerDialog([](DialogModel& d) {
                       auto& table = static_cast<TfrmTableEd&>(d);
                       table.AddRow();
                       table.AddCol();
                       return true;
                     });
                     b.Inspector().ItemsButtonClicked();
                   }});
  cases.push_back({"colour editor", kPT,
                   [](UndoBench& b) {
                     b.Place(PaletteButton::kSelect, 10, 10);
                     b.Apply("DateTimePicker", "Date");
                   },
                   [](UndoBench& b) {
                     b.Ui().AnswerDialog([](DialogModel& d) {
                       auto& colours = static_cast<TfrmDlgColor&>(d);
                       colours.SelectRow(0);
                       colours.ChooseColor(colours.ColorListIndex() == 3 ? 4 : 3);
                       return true;
                     });
                     b.Inspector().ContentButtonClicked();
                   }});
  cases.push_back({"bitmap editor", kCC,
                   [](UndoBench& b) { b.Place(PaletteButton::kBitmap, 10, 10); },
                   [](UndoBench& b) {
                     b.Ui().AnswerDialog([](DialogModel& d) {
                       auto& bitmap = static_cast<TfrmBmpEd&>(d);
                       bitmap.LeftButtonDown(3, 3);
                       bitmap.LeftButtonUp();
                       return true;
                     });
                     b.Inspector().ContentButtonClicked();
                   }});
  return cases;
}

// Which dialog is shown is view state: showing another one records no step and leaves the
// form as modified as it was.
TEST(UndoViewState, ShowingADialogRecordsNoStep) {
  UndoBench b(kPT);
  b.Place(PaletteButton::kDialog, 0, 0);
  b.Place(PaletteButton::kDialog, 0, 0);
  TControl* first = b.Form().AllControls().front();
  const std::string before = b.Text();
  b.ChooseInChooser(first->Name());
  const std::size_t steps = b.Form().Undo().Position();
  const bool modified = b.Main().Modified(b.Form());
  b.Apply("Test", "Yes");
  EXPECT_EQ(b.Form().ShownDialog(), first);
  EXPECT_NE(b.Text(), before) << "the file still writes which dialog is shown";
  EXPECT_EQ(b.Form().Undo().Position(), steps);
  EXPECT_EQ(b.Main().Modified(b.Form()), modified);
}

class UndoEachStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(UndoEachStep, UndoGivesBackTheFormAndRedoTheChange) {
  const StepCase& c = GetParam();
  UndoBench b(c.lib);
  c.setup(b);
  const std::string before = b.Text();
  const std::size_t steps = b.Form().Undo().Position();
  c.step(b);
  const std::string after = b.Text();
  ASSERT_NE(before, after) << "the step changed nothing";
  // However many events it took, the action is one step.
  ASSERT_EQ(b.Form().Undo().Position(), steps + 1);
  EXPECT_TRUE(b.Main().Enabled(Command::kUndo));
  EXPECT_TRUE(b.Main().UndoStep());
  EXPECT_EQ(b.Text(), before);
  EXPECT_TRUE(b.Main().Enabled(Command::kRedo));
  EXPECT_TRUE(b.Main().RedoStep());
  EXPECT_EQ(b.Text(), after);
  // And once more, from the state redo made.
  EXPECT_TRUE(b.Main().UndoStep());
  EXPECT_EQ(b.Text(), before);
}

std::string CaseName(const ::testing::TestParamInfo<StepCase>& info) {
  std::string name = std::string(info.param.lib == kPT ? "PT_" : "CC_") + info.param.name;
  std::replace(name.begin(), name.end(), ' ', '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Steps, UndoEachStep, ::testing::ValuesIn(Cases()), CaseName);

// --- Names and merging.

TEST(Undo, TheItemsNameTheStep) {
  UndoBench b(kPT);
  TControl* button = b.Place(PaletteButton::kButton, 20, 10);
  const std::string name = button->Name();
  EXPECT_EQ(b.Main().ItemText(Command::kUndo), "&Undo Place " + name);
  b.Drag(*button, 10, 10);
  EXPECT_EQ(b.Main().ItemText(Command::kUndo), "&Undo Move " + name);
  b.Drag(*button, 10, 10, true);
  EXPECT_EQ(b.Main().ItemText(Command::kUndo), "&Undo Resize " + name);
  b.Main().KeyPress(DesignerKey::kDelete);
  EXPECT_EQ(b.Main().ItemText(Command::kUndo), "&Undo Delete " + name);
  EXPECT_EQ(b.Main().ItemText(Command::kRedo), "&Redo");
  EXPECT_FALSE(b.Main().Enabled(Command::kRedo));
  b.Main().UndoStep();
  EXPECT_EQ(b.Main().ItemText(Command::kRedo), "&Redo Delete " + name);
}

TEST(Undo, ConsecutiveNudgesOfOneControlAreOneStep) {
  UndoBench b(kPT);
  TControl* first = b.Place(PaletteButton::kButton, 20, 10);
  TControl* second = b.Place(PaletteButton::kButton, 60, 60);
  b.Pick(*first);
  const std::string name = first->Name();
  const int left = first->Left();
  const std::size_t base = b.Form().Undo().Position();
  for (int i = 0; i < 5; ++i) b.Main().KeyPress(DesignerKey::kRight);
  EXPECT_EQ(b.Form().Undo().Position(), base + 1);
  // Another control's nudges are a step of their own.
  b.Pick(*second);
  b.Main().KeyPress(DesignerKey::kDown);
  EXPECT_EQ(b.Form().Undo().Position(), base + 2);
  EXPECT_EQ(b.Main().ItemText(Command::kUndo), "&Undo Move " + second->Name());
  EXPECT_FALSE(b.State().status_panels[kReadoutPanel].empty());
  b.Main().UndoStep();
  EXPECT_TRUE(b.State().status_panels[kReadoutPanel].empty());
  EXPECT_EQ(b.Form().FindControl(name)->Left(), left + 5);
  b.Main().UndoStep();
  EXPECT_EQ(b.Form().FindControl(name)->Left(), left);
}

TEST(Undo, KeystrokesIntoOneRowMergeAndAnotherRowDoesNot) {
  UndoBench b(kPT);
  b.Place(PaletteButton::kButton, 20, 10);
  const std::size_t base = b.Form().Undo().Position();
  const int left = b.Current()->Left();
  b.Apply("Left", "3");
  b.Apply("Left", "33");
  b.Apply("Left", "35");
  EXPECT_EQ(b.Form().Undo().Position(), base + 1);
  b.Apply("Top", "50");
  EXPECT_EQ(b.Form().Undo().Position(), base + 2);
  b.Main().UndoStep();
  b.Main().UndoStep();
  EXPECT_EQ(b.Current()->Left(), left);
  // The inspector shows the values put back.
  EXPECT_EQ(b.Inspector().Rows().at(static_cast<std::size_t>(b.Inspector().RowIndex("Left"))).value,
            std::to_string(b.Current()->UserLeft()));
}

TEST(Undo, AStepThatChangesNothingLeavesNone) {
  UndoBench b(kPT);
  TControl* button = b.Place(PaletteButton::kButton, 20, 10);
  const std::size_t base = b.Form().Undo().Position();
  b.Pick(*button);
  b.Click({150, 200});
  b.Pick(*button);
  EXPECT_EQ(b.Form().Undo().Position(), base);
}

TEST(Undo, UndoPutsTheSelectionBackAsItWas) {
  UndoBench b(kPT);
  TControl* a = b.Place(PaletteButton::kButton, 10, 10);
  TControl* c = b.Place(PaletteButton::kButton, 60, 60);
  const std::string a_name = a->Name(), c_name = c->Name();
  b.Pick(*a);
  b.Pick(*c, true);
  b.D().RunPopCommand(b.Form(), PopCommand::kAlignLeft);
  b.Pick(*b.Form().FindControl(a_name));
  b.Main().UndoStep();
  EXPECT_TRUE(b.Form().FindControl(a_name)->Selected());
  EXPECT_TRUE(b.Form().FindControl(c_name)->Selected());
  EXPECT_EQ(b.Current(), b.Form().FindControl(c_name));
  EXPECT_EQ(b.Form().LastSelected(), b.Form().FindControl(c_name));
}

TEST(Undo, DeletingADialogIsUndoneWithItsControlsAndChooserEntries) {
  UndoBench b(kPT);
  TControl* dialog = b.Place(PaletteButton::kDialog, 0, 0);
  const std::string dialog_name = dialog->Name();
  // Controls placed on the shown dialog go inside it.
  TControl* inner = b.Place(PaletteButton::kButton, 40, 90);
  ASSERT_EQ(inner->Parent(), dialog);
  const std::string inner_name = inner->Name();
  const std::string before = b.Text();
  const std::vector<std::string> chooser = b.ChooserTexts();
  b.ChooseInChooser(dialog_name);
  ASSERT_EQ(b.Current(), dialog);
  b.D().RunPopCommand(b.Form(), PopCommand::kDelete);
  ASSERT_EQ(b.Form().FindControl(dialog_name), nullptr);
  ASSERT_EQ(b.Form().FindControl(inner_name), nullptr);
  b.Main().UndoStep();
  TControl* back = b.Form().FindControl(dialog_name);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(b.Form().FindControl(inner_name)->Parent(), back);
  EXPECT_EQ(b.Form().ShownDialog(), back);
  EXPECT_EQ(b.Form().FindControl(inner_name)->PalmForm(), back);
  EXPECT_EQ(b.Text(), before);
  std::vector<std::string> now = b.ChooserTexts();
  EXPECT_EQ(now, chooser);
}

// --- The clean point and the questions on closing.

TEST(Undo, SavingMarksTheCleanPointAndUndoLeavesIt) {
  UndoBench b(kPT);
  TControl* button = b.Place(PaletteButton::kButton, 20, 10);
  EXPECT_TRUE(b.Main().Modified(b.Form()));
  b.Ui().AnswerFile(b.Path("f.qbf"));
  b.Main().Forms().SaveForm();
  EXPECT_FALSE(b.Main().Modified(b.Form()));
  b.Drag(*button, 10, 0);
  EXPECT_TRUE(b.Main().Modified(b.Form()));
  b.Main().UndoStep();
  EXPECT_FALSE(b.Main().Modified(b.Form()));
  b.Main().UndoStep();
  EXPECT_TRUE(b.Main().Modified(b.Form()));
  b.Main().RedoStep();
  EXPECT_FALSE(b.Main().Modified(b.Form()));
  // A nudge right after the save is a step of its own, not merged into the saved one.
  b.Main().KeyPress(DesignerKey::kRight);
  b.Main().KeyPress(DesignerKey::kRight);
  b.Main().UndoStep();
  EXPECT_FALSE(b.Main().Modified(b.Form()));
}

TEST(Undo, AnUnchangedProjectClosesWithoutAQuestionAndAChangedOneAsks) {
  UndoBench b(kPT);
  // A fresh project: nothing to lose.
  b.Main().Project().CloseAll();
  EXPECT_TRUE(b.Main().State().windows.empty());
  EXPECT_TRUE(b.Ui().AllAnswersUsed());

  UndoBench c(kPT);
  c.Place(PaletteButton::kButton, 20, 10);
  c.Ui().AnswerMessage(kMbNo);
  c.Main().Project().CloseAll();
  EXPECT_TRUE(c.Ui().AllAnswersUsed());
  EXPECT_TRUE(c.Main().State().windows.empty());

  // Undone back to the start: nothing to lose again.
  UndoBench d(kPT);
  d.Place(PaletteButton::kButton, 20, 10);
  d.Main().UndoStep();
  d.Main().Project().CloseAll();
  EXPECT_TRUE(d.Main().State().windows.empty());
}

TEST(Undo, TheGridOptionIsNoChangeOfTheForm) {
  UndoBench b(kPT);
  b.Main().View().ToggleGrid();
  EXPECT_FALSE(b.Main().Modified(b.Form()));
  b.Place(PaletteButton::kButton, 20, 10);
  b.Main().View().ToggleGrid();
  EXPECT_TRUE(b.Main().Modified(b.Form()));
}

TEST(Undo, OpeningAProjectStartsWithNoSteps) {
  UndoBench b(kPT);
  b.Place(PaletteButton::kButton, 20, 10);
  b.Ui().AnswerFile(b.Path("p.qbp"));
  b.Ui().AnswerFile(b.Path("Form1.qbf"));
  ASSERT_TRUE(b.Main().Project().SaveProjectAs());
  EXPECT_FALSE(b.Main().Modified(b.Form()));
  EXPECT_TRUE(b.Form().Undo().CanUndo());
  b.Main().Project().OpenProjectFile(b.Path("p.qbp"));
  ASSERT_EQ(b.Main().State().windows.size(), 1u);
  EXPECT_FALSE(b.Form().Undo().CanUndo());
  EXPECT_FALSE(b.Main().Enabled(Command::kUndo));
  EXPECT_FALSE(b.Main().Modified(b.Form()));
}

}  // namespace
}  // namespace qb::test
