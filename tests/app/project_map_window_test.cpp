// Project > Project Map as the main window runs it: the open project's forms in the map's
// order from the project's first form, a redraw after a change, a double-click leading to a
// form or a control, and the design left exactly as it was.

#include "app/project_map_window.h"

#include <string>

#include "controls/PTButton.h"
#include "form/form_file.h"
#include "main_fixture.h"

namespace qb::test {
namespace {

class ProjectMapWindowTest : public MainTest {
 protected:
  ProjectMapWindowTest() {
    StartProject(LibraryId::kPToolboxLib);
    main_.Forms().NewForm();
    main_.Forms().NewForm();
    // Form1 -> Form3 -> Form2.
    Button(Window(0), "Go", "Form3", 20);
    Button(Window(2), "On", "Form2", 20);
    Button(Window(2), "Off", "Nowhere", 50);
  }

  ProjectMapWindow& Map() { return main_.MapWindow(); }

  TPTButton& Button(TChildFrm& form, const std::string& name, const std::string& target, int y) {
    main_.Activate(form);
    main_.State().pressed_button = PaletteButton::kButton;
    const Point at{20 + TChildFrm::kScreenLeft, y + TChildFrm::kScreenTop};
    Designer& d = main_.GetDesigner();
    d.MouseMove(form, 0, at);
    d.MouseDown(form, MouseButton::kLeft, kSsLeft, at);
    d.MouseUp(form, MouseButton::kLeft, kSsLeft, at);
    auto* button = As<TPTButton>(main_.State().current_control.Get());
    EXPECT_NE(button, nullptr);
    Edit(form, [&] {
      button->SetName(name);
      button->SetShowForm(target);
    });
    return *button;
  }

  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const MapThumbnail& t : Map().Map().thumbnails) names.push_back(t.name);
    return names;
  }

  const MapLink& LinkFrom(const std::string& control) {
    for (const MapLink& l : Map().Map().links)
      if (l.control == control) return l;
    ADD_FAILURE() << control;
    return Map().Map().links.front();
  }
};

TEST_F(ProjectMapWindowTest, OpensWithTheFormsInTheMapsOrder) {
  EXPECT_FALSE(Map().Visible());
  main_.Execute(Command::kProjectMap);
  EXPECT_TRUE(Map().Visible());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Form1", "Form3", "Form2"}));
  EXPECT_TRUE(Map().Note().empty());
  EXPECT_TRUE(LinkFrom("Off").missing);
  EXPECT_FALSE(LinkFrom("Go").missing);
}

TEST_F(ProjectMapWindowTest, StartsFromTheProjectsFirstForm) {
  const std::string project = Path("three.qbp");
  main_.State().project_path = project;
  IniFile ini;
  ini.WriteString("Code", "FirstForm", "Form2");
  ASSERT_TRUE(ini.Save(project));
  EXPECT_EQ(ProjectFirstForm(project), "Form2");
  main_.Execute(Command::kProjectMap);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Form2", "Form1", "Form3"}));
}

TEST_F(ProjectMapWindowTest, FollowsEachChangeAndOnlyThen) {
  main_.Execute(Command::kProjectMap);
  const unsigned version = Map().Version();
  EXPECT_FALSE(Map().Follow());
  EXPECT_EQ(Map().Version(), version);
  Button(Window(1), "Back", "Form1", 80);
  EXPECT_TRUE(Map().Follow());
  EXPECT_EQ(Map().Version(), version + 1);
  EXPECT_FALSE(Map().Follow());
  // A link changed, which the form's change count does not see, is drawn too.
  Edit(Window(1), [&] { As<TPTButton>(Window(1).FindControl("Back"))->SetShowForm("Form3"); });
  EXPECT_TRUE(Map().Follow());
  EXPECT_EQ(LinkFrom("Back").to, Map().Map().FormThumbnail(2));
  // Closed, it follows nothing.
  Map().Close();
  Edit(Window(1), [&] { As<TPTButton>(Window(1).FindControl("Back"))->SetText("Later"); });
  EXPECT_FALSE(Map().Follow());
}

TEST_F(ProjectMapWindowTest, ADoubleClickLeadsToTheFormOrTheControl) {
  main_.Activate(Window(2));
  for (std::size_t i = 0; i < 3; ++i) Window(i).Undo().Clear();
  main_.Execute(Command::kProjectMap);
  const ProjectMap& map = Map().Map();
  // Form1's thumbnail away from any control: Form1's window becomes the current one.
  const Rect first = map.thumbnails[0].rect;
  Map().OpenAt({first.left + 2, first.bottom - 3});
  EXPECT_EQ(main_.State().current_window.Get(), &Window(0));
  // On the start of On's arrow: On is current and marked on Form3.
  Map().OpenAt(LinkFrom("On").start);
  EXPECT_EQ(main_.State().current_window.Get(), &Window(2));
  EXPECT_EQ(main_.State().current_control.Get(), Window(2).FindControl("On"));
  EXPECT_TRUE(Window(2).FindControl("On")->Selected());
  // Leading there is no change of the form.
  EXPECT_FALSE(main_.Modified(Window(2)));
  // The background leads nowhere.
  Map().OpenAt({0, 0});
  EXPECT_EQ(main_.State().current_window.Get(), &Window(2));
  // A control renamed since the map was drawn: said so, and the map drawn again.
  const Point start = LinkFrom("Go").start;
  Edit(Window(0), [&] { Window(0).FindControl("Go")->SetName("Went"); });
  ui_.ClearLog();
  ui_.AnswerMessage(kMbOk);
  Map().OpenAt(start);
  EXPECT_EQ(ui_.Texts(), (std::vector<std::string>{
                             "The form Form1 has no control named Go any more. The map is drawn "
                             "again."}));
  EXPECT_EQ(LinkFrom("Went").form, 0u);
}

TEST_F(ProjectMapWindowTest, DrawingChangesNothingOfTheDesign) {
  for (std::size_t i = 0; i < 3; ++i) Window(i).Undo().Clear();
  std::vector<std::string> files;
  std::vector<std::uint64_t> changes;
  for (std::size_t i = 0; i < 3; ++i) {
    files.push_back(WriteFormToIni(LibraryId::kPToolboxLib, Window(i)).Text());
    changes.push_back(Window(i).ChangeCount());
  }
  TControl* current = main_.State().current_control.Get();
  main_.Execute(Command::kProjectMap);
  Map().Follow();
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(WriteFormToIni(LibraryId::kPToolboxLib, Window(i)).Text(), files[i]) << i;
    EXPECT_EQ(Window(i).ChangeCount(), changes[i]) << i;
    EXPECT_FALSE(main_.Modified(Window(i))) << i;
    EXPECT_FALSE(Window(i).Undo().CanUndo()) << i;
  }
  EXPECT_EQ(main_.State().current_control.Get(), current);
  EXPECT_FALSE(main_.AnyFormModified());
}

TEST_F(ProjectMapWindowTest, ListedFormsThatCouldNotBeOpenedArePlaceholders) {
  // A CControls form in a PToolboxLib project is refused, and a listed file that is gone.
  const std::string foreign = Path("Foreign.qbf");
  IniFile form;
  form.WriteString("FORM", "Name", "Foreign");
  form.WriteString("FORM", "Lib", "1");
  ASSERT_TRUE(form.Save(foreign));
  const std::string project = Path("lost.qbp");
  IniFile ini;
  ini.WriteString("Project", "Lib", "2");
  ini.WriteString("ActiveForms", "Form0", foreign);
  ini.WriteString("ActiveForms", "Form1", Path("Gone.qbf"));
  ASSERT_TRUE(ini.Save(project));
  ui_.AnswerMessage(kMbNo);
  main_.Project().CloseAll();
  ui_.AnswerMessage(kMbOk);
  main_.State().project_path = project;
  main_.Project().LoadProject(project);
  main_.Execute(Command::kProjectMap);
  ASSERT_EQ(Names(), (std::vector<std::string>{"Foreign.qbf", "Gone.qbf"}));
  EXPECT_EQ(Map().Map().thumbnails[0].kind, MapThumbnailKind::kPlaceholder);
  EXPECT_EQ(Map().Map().thumbnails[1].kind, MapThumbnailKind::kPlaceholder);
  // Nothing to lead to on a placeholder.
  const TChildFrm* before = main_.State().current_window.Get();
  const Rect r = Map().Map().thumbnails.back().rect;
  Map().OpenAt({r.left + 5, r.top + 5});
  EXPECT_EQ(main_.State().current_window.Get(), before);
}

TEST_F(ProjectMapWindowTest, WithoutFormsItSaysSo) {
  ui_.AnswerMessage(kMbNo);
  main_.Project().CloseAll();
  main_.Execute(Command::kProjectMap);
  EXPECT_TRUE(Map().Visible());
  EXPECT_EQ(Map().Note(), "No form is open to map.");
  EXPECT_TRUE(Map().Map().thumbnails.empty());
}

}  // namespace
}  // namespace qb::test
