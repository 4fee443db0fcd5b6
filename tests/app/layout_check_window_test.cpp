// Project > Check Layout as the main window runs it: the findings kept for the list, a
// finding followed to its control as a click on it would select it (through its dialog when
// the dialog is hidden), a finding gone stale since the check, and Generate Code asking only
// when the check found errors.

#include "app/layout_check_window.h"

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "controls/PTButton.h"
#include "controls/PTDialog.h"
#include "main_fixture.h"

namespace qb::test {
namespace {

class LayoutCheckWindowTest : public MainTest {
 protected:
  LayoutCheckWindowTest() {
    StartProject(LibraryId::kPToolboxLib);
    ui_.ClearLog();
  }

  LayoutCheckWindow& Check() { return main_.LayoutCheck(); }

  void Click(TChildFrm& form, Point client) {
    Designer& d = main_.GetDesigner();
    d.MouseMove(form, 0, client);
    d.MouseDown(form, MouseButton::kLeft, kSsLeft, client);
    d.MouseUp(form, MouseButton::kLeft, kSsLeft, client);
  }

  TControl& Place(TChildFrm& form, PaletteButton button, int x, int y) {
    main_.State().pressed_button = button;
    Click(form, {x + TChildFrm::kScreenLeft, y + TChildFrm::kScreenTop});
    TControl* placed = main_.State().current_control.Get();
    EXPECT_NE(placed, nullptr);
    return *placed;
  }

  // A Button whose ShowForm names no form: an error of the check.
  TPTButton& DanglingButton(TChildFrm& form, int x, int y) {
    auto* button = As<TPTButton>(&Place(form, PaletteButton::kButton, x, y));
    EXPECT_NE(button, nullptr);
    Edit(form, [&] { button->SetShowForm("Nowhere"); });
    return *button;
  }

  std::string InspectorValue(const std::string& row) {
    for (const GridRow& r : inspector_.Rows())
      if (r.name == row) return r.value;
    return "<no " + row + " row>";
  }

  std::vector<std::string> FindingControls() {
    std::vector<std::string> out;
    for (const LayoutFinding& f : Check().Findings()) out.push_back(f.form + ":" + f.control);
    return out;
  }

  // The current window, the current control's name and whether it is marked.
  void ExpectCurrent(TChildFrm& form, TControl& control) {
    EXPECT_EQ(main_.State().current_window.Get(), &form);
    EXPECT_EQ(main_.State().current_control.Get(), &control);
    EXPECT_TRUE(control.Selected());
    EXPECT_EQ(InspectorValue("Name"), control.Name());
    ASSERT_GE(inspector_.ChooserIndex(), 0);
    EXPECT_EQ(inspector_.ChooserEntries()
                  .at(static_cast<std::size_t>(inspector_.ChooserIndex()))
                  .control.Get(),
              &control);
  }
};

TEST_F(LayoutCheckWindowTest, TheCommandShowsTheFindingsOfTheOpenForms) {
  EXPECT_FALSE(Check().Visible());
  TPTButton& button = DanglingButton(Window(0), 20, 30);
  const unsigned before = Check().Version();
  main_.Execute(Command::kCheckLayout);
  EXPECT_TRUE(Check().Visible());
  EXPECT_NE(Check().Version(), before);
  ASSERT_EQ(Check().Findings().size(), 1u) << FindingsText(Check().Findings());
  const LayoutFinding& f = Check().Findings()[0];
  EXPECT_EQ(f.severity, FindingSeverity::kError);
  EXPECT_EQ(f.form, "Form1");
  EXPECT_EQ(f.control, button.Name());
  EXPECT_EQ(f.rule, kRuleShowForm);
  EXPECT_EQ(Check().Summary(), "1 error.");

  // Mended, the next run says so; the window is closed by its box and opened by the command.
  Edit(Window(0), [&] { button.SetShowForm("Form1"); });
  Check().Close();
  EXPECT_FALSE(Check().Visible());
  const unsigned first = Check().Version();
  main_.Execute(Command::kCheckLayout);
  EXPECT_TRUE(Check().Visible());
  EXPECT_NE(Check().Version(), first);
  EXPECT_TRUE(Check().Findings().empty()) << FindingsText(Check().Findings());
  EXPECT_EQ(Check().Summary(), "No problems found.");
  EXPECT_TRUE(ui_.ShownLog().empty());
}

TEST_F(LayoutCheckWindowTest, SummaryCountsBothSeverities) {
  auto finding = [](FindingSeverity s) { return LayoutFinding{s, "F", "C", "m", "r"}; };
  const auto e = FindingSeverity::kError;
  const auto w = FindingSeverity::kWarning;
  struct Case {
    std::vector<LayoutFinding> findings;
    const char* text;
  } cases[] = {
      {{}, "No problems found."},
      {{finding(e)}, "1 error."},
      {{finding(w), finding(w)}, "2 warnings."},
      {{finding(e), finding(w), finding(e)}, "2 errors, 1 warning."},
  };
  for (const Case& c : cases) EXPECT_EQ(FindingsSummaryText(c.findings), c.text);
  EXPECT_EQ(GenerateAnywayText(1), "The layout check found 1 error. Generate anyway?");
  EXPECT_EQ(GenerateAnywayText(3), "The layout check found 3 errors. Generate anyway?");
}

TEST_F(LayoutCheckWindowTest, WithoutFormsTheNoteSaysThereIsNothingToCheck) {
  ui_.AnswerMessage(kMbNo);  // not saved
  main_.Forms().CloseFormWindow(Window(0));
  ui_.ClearLog();
  main_.Execute(Command::kCheckLayout);
  EXPECT_TRUE(Check().Findings().empty());
  EXPECT_EQ(Check().Summary(), "No form is open to check.");
}

// While the window is shown, the findings follow each change of the project; hidden, it does
// not run. Closing the project empties it, and a new project is checked afresh.
TEST_F(LayoutCheckWindowTest, TheFindingsFollowTheProject) {
  TChildFrm& form1 = Window(0);
  TPTButton& button = DanglingButton(form1, 20, 30);
  Check().Follow();
  EXPECT_TRUE(Check().Findings().empty());  // hidden: not run
  main_.Execute(Command::kCheckLayout);
  ASSERT_EQ(FindingControls(), (std::vector<std::string>{"Form1:" + button.Name()}));
  const unsigned ran = Check().Version();
  Check().Follow();
  EXPECT_EQ(Check().Version(), ran);  // nothing changed: not run again

  const struct {
    const char* label;
    std::function<void()> change;
    std::vector<std::string> findings;
  } kSteps[] = {
      {"a second form with a dangling button",
       [&] {
         TPTButton& far = DanglingButton(main_.Forms().NewForm(), 20, 30);
         Edit(Window(1), [&] { far.SetName("Far"); });
       },
       {"Form1:" + button.Name(), "Form2:Far"}},
      {"the second form named as the buttons' ShowForm",
       [&] { Edit(Window(1), [&] { Window(1).SetName("Nowhere"); }); },
       {}},
      {"that form closed",
       [&] {
         ui_.AnswerMessage(kMbNo);  // not saved
         main_.Forms().CloseFormWindow(Window(1));
       },
       {"Form1:" + button.Name()}},
  };
  for (const auto& step : kSteps) {
    SCOPED_TRACE(step.label);
    step.change();
    Check().Follow();
    EXPECT_EQ(FindingControls(), step.findings);
    EXPECT_NE(Check().Summary(), "No form is open to check.");
  }

  DanglingButton(Window(0), 20, 80);
  Check().Follow();
  ASSERT_EQ(Check().Findings().size(), 2u);
  ui_.AnswerMessage(kMbNo);  // not saved
  main_.Execute(Command::kCloseAll);
  EXPECT_TRUE(Check().Findings().empty());
  EXPECT_EQ(Check().Summary(), "No form is open to check.");
  EXPECT_TRUE(Check().Visible());
  StartProject(LibraryId::kPToolboxLib);
  Check().Follow();
  EXPECT_TRUE(Check().Findings().empty());
  EXPECT_EQ(Check().Summary(), "No problems found.");
}

TEST_F(LayoutCheckWindowTest, OpeningAFindingSelectsItsControlAsAClickDoes) {
  TChildFrm& form1 = Window(0);
  TPTButton& button = DanglingButton(form1, 20, 30);
  TControl& other = Place(form1, PaletteButton::kButton, 20, 80);
  TChildFrm& form2 = main_.Forms().NewForm();
  TControl& elsewhere = Place(form2, PaletteButton::kButton, 20, 30);
  ASSERT_EQ(main_.State().current_control.Get(), &elsewhere);
  main_.Execute(Command::kCheckLayout);
  ASSERT_EQ(FindingControls(), (std::vector<std::string>{"Form1:" + button.Name()}));

  Check().OpenFinding(0);
  ExpectCurrent(form1, button);
  EXPECT_FALSE(other.Selected());
  EXPECT_EQ(main_.FrontWindow(), &form1);
  // The arrows now move it, as after a click.
  const int left = button.Left();
  const int shown_left = std::stoi(InspectorValue("Left"));
  main_.KeyPress(DesignerKey::kRight);
  EXPECT_EQ(button.Left(), left + 1);
  EXPECT_EQ(InspectorValue("Left"), std::to_string(shown_left + 1));
  // Past the list's end nothing happens.
  Check().OpenFinding(5);
  EXPECT_EQ(main_.State().current_control.Get(), &button);
  EXPECT_TRUE(ui_.ShownLog().empty());
}

// While the list has the keyboard focus, the arrows and Delete walk the list only.
TEST_F(LayoutCheckWindowTest, TheListsFocusKeepsTheDesignersKeysOff) {
  TPTButton& button = DanglingButton(Window(0), 20, 30);
  main_.Execute(Command::kCheckLayout);
  Check().ListFocused();
  const int left = button.Left();
  main_.KeyPress(DesignerKey::kRight);
  main_.KeyPress(DesignerKey::kDelete);
  EXPECT_EQ(button.Left(), left);
  EXPECT_EQ(main_.State().current_control.Get(), &button);
  EXPECT_EQ(FindingControls().size(), 1u);
}

TEST_F(LayoutCheckWindowTest, AControlOfAHiddenDialogHasItsDialogShownFirst) {
  TChildFrm& form = Window(0);
  auto* dialog1 = As<TPTDialog>(&Place(form, PaletteButton::kDialog, 60, 100));
  ASSERT_NE(dialog1, nullptr);
  ASSERT_EQ(form.ShownDialog(), dialog1);
  // A click inside the shown dialog places the Button in it.
  TPTButton& inside = DanglingButton(form, 90, 130);
  ASSERT_EQ(inside.Parent(), dialog1);
  auto* dialog2 = As<TPTDialog>(&Place(form, PaletteButton::kDialog, 60, 100));
  ASSERT_NE(dialog2, nullptr);
  ASSERT_EQ(form.ShownDialog(), dialog2);
  ASSERT_FALSE(dialog1->Visible());
  main_.Execute(Command::kCheckLayout);
  std::size_t index = Check().Findings().size();
  for (std::size_t i = 0; i < Check().Findings().size(); ++i)
    if (Check().Findings()[i].control == inside.Name()) index = i;
  ASSERT_LT(index, Check().Findings().size()) << FindingsText(Check().Findings());

  Check().OpenFinding(index);
  EXPECT_EQ(form.ShownDialog(), dialog1);
  EXPECT_TRUE(dialog1->Visible());
  EXPECT_EQ(dialog1->Tag(), 1);
  EXPECT_FALSE(dialog2->Visible());
  ExpectCurrent(form, inside);
}

TEST_F(LayoutCheckWindowTest, AFindingAboutTheFormSelectsTheForm) {
  TChildFrm& form2 = main_.Forms().NewForm();
  TControl& button = Place(form2, PaletteButton::kButton, 20, 30);
  Edit(form2, [&] { form2.SetName("FORM1"); });
  main_.Execute(Command::kCheckLayout);
  ASSERT_EQ(FindingControls(), (std::vector<std::string>{"FORM1:"}));
  main_.Activate(Window(0));

  Check().OpenFinding(0);
  EXPECT_EQ(main_.State().current_window.Get(), &form2);
  EXPECT_EQ(main_.State().current_control.Get(), &form2.Client());
  EXPECT_FALSE(button.Selected());
  EXPECT_EQ(InspectorValue("Name"), "FORM1");
}

TEST_F(LayoutCheckWindowTest, AFindingGoneStaleSaysSoAndChecksAgain) {
  TPTButton& button = DanglingButton(Window(0), 20, 30);
  const std::string old_name = button.Name();
  main_.Execute(Command::kCheckLayout);
  Edit(Window(0), [&] { button.SetName("Renamed"); });
  Check().OpenFinding(0);
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].caption, "Information");
  EXPECT_EQ(ui_.ShownLog()[0].text, "The form Form1 has no control named " + old_name +
                                        " any more. The layout is checked again.");
  EXPECT_EQ(FindingControls(), (std::vector<std::string>{"Form1:Renamed"}));

  // The form closed since the check.
  TChildFrm& form2 = main_.Forms().NewForm();
  DanglingButton(form2, 20, 30);
  main_.Execute(Command::kCheckLayout);
  ASSERT_EQ(FindingControls().size(), 2u) << FindingsText(Check().Findings());
  ui_.AnswerMessage(kMbNo);  // not saved
  main_.Forms().CloseFormWindow(form2);
  ui_.ClearLog();
  Check().OpenFinding(1);
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].text,
            "No open form is named Form2 any more. The layout is checked again.");
  EXPECT_EQ(FindingControls(), (std::vector<std::string>{"Form1:Renamed"}));
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

class GenerateCheckTest : public LayoutCheckWindowTest {
 protected:
  GenerateCheckTest() { main_.State().project_path = Path("Demo.qbp"); }
};

TEST_F(GenerateCheckTest, ErrorsAskAndNoGeneratesNothing) {
  DanglingButton(Window(0), 20, 30);
  ui_.AnswerMessage(kMbNo);
  main_.View().GenerateCode();
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  const Shown& asked = ui_.ShownLog()[0];
  EXPECT_EQ(asked.caption, "Confirm");
  EXPECT_EQ(asked.text, "The layout check found 1 error. Generate anyway?");
  EXPECT_EQ(asked.buttons, kMbYesNo);
  EXPECT_EQ(asked.icon, MsgIcon::kQuestion);
  EXPECT_EQ(generate_.shown, 0);
  EXPECT_TRUE(Check().Visible());
  EXPECT_EQ(Check().Findings().size(), 1u);

  ui_.ClearLog();
  ui_.AnswerMessage(kMbYes);
  main_.View().GenerateCode();
  EXPECT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(generate_.shown, 1);
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

TEST_F(GenerateCheckTest, WarningsAloneDoNotAsk) {
  TControl& a = Place(Window(0), PaletteButton::kButton, 20, 30);
  TControl& b = Place(Window(0), PaletteButton::kButton, 20, 80);
  Edit(Window(0), [&] {
    b.SetLeft(a.Left() + 2);
    b.SetTop(a.Top() + 2);
  });
  main_.View().GenerateCode();
  ASSERT_FALSE(Check().Findings().empty());
  EXPECT_FALSE(HasErrors(Check().Findings())) << FindingsText(Check().Findings());
  EXPECT_TRUE(ui_.ShownLog().empty());
  EXPECT_EQ(generate_.shown, 1);
  EXPECT_FALSE(Check().Visible());
}

TEST_F(GenerateCheckTest, AnUnsavedProjectIsNotChecked) {
  main_.State().project_path.clear();
  DanglingButton(Window(0), 20, 30);
  ui_.AnswerFile(std::nullopt);  // the Save Project dialog cancelled
  main_.View().GenerateCode();
  ASSERT_GE(ui_.ShownLog().size(), 2u);
  EXPECT_EQ(ui_.ShownLog()[1].what, "save");
  EXPECT_EQ(ui_.ShownLog()[0].text, "You must save the project before code generation");
  EXPECT_EQ(generate_.shown, 0);
  EXPECT_EQ(Check().Version(), 0u);
}

}  // namespace
}  // namespace qb::test

namespace qb::test {
namespace {

// CControls menus take no marks: a finding about one makes it current without marks, and
// leaves the other controls unmarked.
class CControlsCheckTest : public MainTest {
 protected:
  CControlsCheckTest() {
    StartProject(LibraryId::kCControls);
    ui_.ClearLog();
  }
};

TEST_F(CControlsCheckTest, AFindingAboutAMenuMakesItCurrentWithoutMarks) {
  TChildFrm& form2 = main_.Forms().NewForm();
  main_.State().pressed_button = PaletteButton::kMenu;
  Designer& d = main_.GetDesigner();
  const Point at{TChildFrm::kScreenLeft + 20, TChildFrm::kScreenTop + 40};
  d.MouseDown(form2, MouseButton::kLeft, kSsLeft, at);
  d.MouseUp(form2, MouseButton::kLeft, kSsLeft, at);
  TControl* menu = main_.State().current_control.Get();
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->Class(), ControlClass::kCCMenu);
  // The first form's name differs from the menu's only in letter case.
  std::string upper = menu->Name();
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  Edit(Window(0), [&] { Window(0).SetName(upper); });
  main_.Activate(Window(0));
  main_.Execute(Command::kCheckLayout);
  std::size_t index = main_.LayoutCheck().Findings().size();
  for (std::size_t i = 0; i < main_.LayoutCheck().Findings().size(); ++i)
    if (main_.LayoutCheck().Findings()[i].control == menu->Name()) index = i;
  ASSERT_LT(index, main_.LayoutCheck().Findings().size())
      << FindingsText(main_.LayoutCheck().Findings());

  main_.LayoutCheck().OpenFinding(index);
  EXPECT_EQ(main_.State().current_window.Get(), &form2);
  EXPECT_EQ(main_.State().current_control.Get(), menu);
  EXPECT_FALSE(menu->Selected());
  std::string name;
  for (const GridRow& r : inspector_.Rows())
    if (r.name == "Name") name = r.value;
  EXPECT_EQ(name, menu->Name());
}

}  // namespace
}  // namespace qb::test
