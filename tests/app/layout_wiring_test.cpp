// The layout commands as the running designer reaches them: the "Align & Size" toolbar, the
// Delete key and the context menu, with the inspector following.

#include <algorithm>

#include "app/workbench.h"
#include "designer/hit_test.h"
#include "main_fixture.h"

namespace qb::test {
namespace {

class LayoutWiring : public ::testing::Test {
 protected:
  LayoutWiring() : bench_(ui_, dir_.Path("program"), WritableEnvironment()) {
    std::filesystem::create_directory(dir_.Path("program"));
    bench_.Main().FirstShown();
    StartNewProject(bench_.Main(), ui_, LibraryId::kPToolboxLib);
  }

  TChildFrm& Form(std::size_t i) { return *bench_.State().windows.at(i); }

  void Click(TChildFrm& form, Point client, ShiftState keys = 0) {
    Designer& d = bench_.GetDesigner();
    d.MouseMove(form, keys, client);
    d.MouseDown(form, MouseButton::kLeft, keys | kSsLeft, client);
    d.MouseUp(form, MouseButton::kLeft, keys | kSsLeft, client);
  }

  TControl* Place(TChildFrm& form, PaletteButton button, int x, int y) {
    bench_.State().pressed_button = button;
    Click(form, {x + TChildFrm::kScreenLeft, y + TChildFrm::kScreenTop});
    return bench_.State().current_control.Get();
  }

  void Pick(TChildFrm& form, TControl& control, bool add = false) {
    Point origin = OriginInClient(form, control);
    Click(form, {origin.x + control.Width() / 2, origin.y + control.Height() / 2},
          add ? ShiftState{kSsShift} : ShiftState{0});
  }

  std::vector<std::string> ChooserTexts() {
    std::vector<std::string> out;
    for (const ChooserEntry& entry : bench_.Inspector().ChooserEntries()) out.push_back(entry.text);
    return out;
  }

  TempDir dir_;
  FakeUi ui_;
  Workbench bench_;
};

TEST_F(LayoutWiring, TheToolbarAlignsTheCurrentWindowsMarks) {
  TChildFrm& form = Form(0);
  TControl* button = Place(form, PaletteButton::kButton, 20, 10);
  TControl* label = Place(form, PaletteButton::kLabel, 60, 60);
  ASSERT_NE(button, label);
  Pick(form, *button);
  Pick(form, *label, true);

  bench_.Main().Execute(Command::kAlignLeft);
  EXPECT_EQ(label->Left(), 20);  // a PToolboxLib Label's left is its panel left
  bench_.Main().Execute(Command::kAlignTop);
  EXPECT_EQ(label->Top(), 10);
  // The inspector shows the current control's new place at once.
  ASSERT_EQ(bench_.State().current_control.Get(), label);
  std::string left, top;
  for (const GridRow& row : bench_.Inspector().Rows()) {
    if (row.name == "Left") left = row.value;
    if (row.name == "Top") top = row.value;
  }
  EXPECT_EQ(left, "20");
  EXPECT_EQ(top, "10");
}

TEST_F(LayoutWiring, TheDeleteKeyDestroysTheCurrentControlAndTheInspectorShowsTheForm) {
  TChildFrm& form = Form(0);
  Place(form, PaletteButton::kButton, 20, 10);
  TControl* label = Place(form, PaletteButton::kLabel, 60, 60);
  const std::string entry = label->Name() + ": Label";
  Pick(form, *label);
  std::vector<std::string> before = ChooserTexts();
  ASSERT_EQ(std::count(before.begin(), before.end(), entry), 1);

  bench_.Main().KeyPress(DesignerKey::kDelete);
  EXPECT_EQ(form.Screen().Children().size(), 1u);
  std::vector<std::string> texts = ChooserTexts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), entry), 0);
  TfrmProperties& inspector = bench_.Inspector();
  ASSERT_EQ(inspector.RowCount(), 9);  // a PToolboxLib form: name, title and seven colours
  EXPECT_EQ(inspector.Rows()[0].name, "Name");
  EXPECT_EQ(inspector.Rows()[0].value, form.Name());
  EXPECT_EQ(inspector.Rows()[1].name, "Title");
  EXPECT_EQ(inspector.Rows()[8].name, "ObjSelectedForeColor");
  ASSERT_GE(inspector.ChooserIndex(), 0);
  EXPECT_EQ(inspector.ChooserEntries()[inspector.ChooserIndex()].text, form.Name() + ": Form");
  EXPECT_EQ(bench_.State().current_control.Get(), &form.Client());
}

TEST_F(LayoutWiring, SendToBackOfTheFormLowersItsWindow) {
  TChildFrm& first = Form(0);
  TChildFrm& second = bench_.Main().Forms().NewForm();
  bench_.Main().Activate(first);
  ASSERT_EQ(bench_.Main().FrontWindow(), &first);
  ASSERT_EQ(bench_.State().current_control.Get(), &first.Client());

  bench_.GetDesigner().RunPopCommand(first, PopCommand::kSendToBack);
  EXPECT_EQ(bench_.Main().WindowsFrontToBack(), (std::vector<TChildFrm*>{&second, &first}));
  bench_.GetDesigner().RunPopCommand(first, PopCommand::kBringToFront);
  EXPECT_EQ(bench_.Main().FrontWindow(), &first);
}

}  // namespace
}  // namespace qb::test
