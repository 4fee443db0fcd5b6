// Esc under the user's hands: a drag, a resize or a selection rectangle in progress ends with
// the form as it was at the press and no step; a pressed palette button comes up. And after
// undo and redo the marks carry the colours of the rule again.

#include <functional>

#include "app/workbench.h"
#include "controls/PTDialog.h"
#include "designer/hit_test.h"
#include "form/form_file.h"
#include "main_fixture.h"

namespace qb::test {
namespace {

constexpr LibraryId kPT = LibraryId::kPToolboxLib;
constexpr LibraryId kCC = LibraryId::kCControls;

class HandsBench {
 public:
  explicit HandsBench(LibraryId lib) : bench_(ui_, dir_.Path("program"), WritableEnvironment()) {
    std::filesystem::create_directory(dir_.Path("program"));
    bench_.Main().FirstShown();
    StartNewProject(bench_.Main(), ui_, lib);
  }
  TChildFrm& Form() { return *bench_.State().windows.at(0); }
  TMain& Main() { return bench_.Main(); }
  Designer& D() { return bench_.GetDesigner(); }
  AppState& State() { return bench_.State(); }
  TControl* Current() { return bench_.State().current_control.Get(); }
  std::string Text() { return WriteFormToIni(bench_.State().library, Form()).Text(); }

  void Press(Point at, ShiftState keys = 0) {
    D().MouseMove(Form(), keys, at);
    D().MouseDown(Form(), MouseButton::kLeft, keys | kSsLeft, at);
  }
  void MoveHeld(Point to) { D().MouseMove(Form(), kSsLeft, to); }
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
  Point Corner(TControl& c) {
    Point o = OriginInClient(Form(), c);
    return {o.x + c.Width() - 1, o.y + c.Height() - 1};
  }
  std::vector<std::string> Marked() {
    std::vector<std::string> out;
    for (TControl* c : Form().AllControls())
      if (c->Selected()) out.push_back(c->Name());
    return out;
  }

 private:
  TempDir dir_;
  FakeUi ui_;
  Workbench bench_;
};

struct EscapeCase {
  const char* name;
  LibraryId lib;
  // Places and marks what the action needs.
  std::function<void(HandsBench&)> setup;
  // Starts the action and leaves the button held; returns where the release will come.
  std::function<Point(HandsBench&)> start;
};

void OneButton(HandsBench& b) { b.Place(PaletteButton::kButton, 30, 40); }

void TwoMarked(HandsBench& b) {
  TControl& a = *b.Place(PaletteButton::kButton, 10, 10);
  TControl& c = *b.Place(PaletteButton::kButton, 70, 60);
  b.Click(b.Centre(a));
  b.Click(b.Centre(c), kSsShift);
}

TControl& First(HandsBench& b) { return *b.Form().Screen().Children().front(); }

std::vector<EscapeCase> EscapeCases() {
  std::vector<EscapeCase> cases;
  for (LibraryId lib : {kPT, kCC}) {
    cases.push_back({"move", lib, OneButton, [](HandsBench& b) {
                       Point from = b.Centre(First(b));
                       b.Press(from);
                       for (int i = 1; i <= 4; ++i) b.MoveHeld({from.x + 5 * i, from.y + 3 * i});
                       return Point{from.x + 20, from.y + 12};
                     }});
    cases.push_back({"resize", lib, OneButton, [](HandsBench& b) {
                       Point from = b.Corner(First(b));
                       b.Press(from);
                       for (int i = 1; i <= 4; ++i) b.MoveHeld({from.x + 4 * i, from.y + 4 * i});
                       return Point{from.x + 16, from.y + 16};
                     }});
    cases.push_back({"group move", lib, TwoMarked, [](HandsBench& b) {
                       Point from = b.Centre(First(b));
                       b.Press(from);
                       b.MoveHeld({from.x + 12, from.y + 8});
                       return Point{from.x + 12, from.y + 8};
                     }});
    cases.push_back({"rectangle", lib, TwoMarked, [](HandsBench& b) {
                       // From free panel area over the first button only.
                       Point from{TChildFrm::kScreenLeft + 2, TChildFrm::kScreenTop + 100};
                       b.Press(from);
                       b.MoveHeld({from.x + 30, from.y - 95});
                       return Point{from.x + 30, from.y - 95};
                     }});
  }
  return cases;
}

class EscapeDuringMouse : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeDuringMouse, PutsTheFormBackAndRecordsNoStep) {
  const EscapeCase& c = GetParam();
  HandsBench b(c.lib);
  c.setup(b);
  // Everything before the press is saved as it stands, so that "modified" can be read.
  b.Form().Undo().MarkClean();
  const std::string before = b.Text();
  const std::size_t steps = b.Form().Undo().Size();
  const std::vector<std::string> marks = b.Marked();
  const Point release = c.start(b);
  EXPECT_TRUE(b.D().MouseStepOpen());

  EXPECT_TRUE(b.Main().Escape());
  EXPECT_FALSE(b.D().MouseStepOpen());
  EXPECT_EQ(b.Text(), before);
  EXPECT_EQ(b.Marked(), marks);
  EXPECT_EQ(b.Form().Undo().Size(), steps);
  EXPECT_FALSE(b.Form().Undo().Modified());
  // The moves and the release that follow do nothing more.
  b.MoveHeld({release.x + 3, release.y + 3});
  b.Release(release);
  EXPECT_EQ(b.Text(), before);
  EXPECT_EQ(b.Marked(), marks);
  EXPECT_EQ(b.Form().Undo().Size(), steps);
  EXPECT_FALSE(b.Form().Undo().Modified());
  // The next press works as ever.
  EXPECT_FALSE(b.Main().Escape());
}

INSTANTIATE_TEST_SUITE_P(Actions, EscapeDuringMouse, ::testing::ValuesIn(EscapeCases()),
                         [](const auto& info) {
                           std::string name = std::string(info.param.name) +
                                              (info.param.lib == kPT ? "_pt" : "_cc");
                           for (char& ch : name)
                             if (ch == ' ') ch = '_';
                           return name;
                         });

TEST(Escape, ReleasesAPressedPaletteButtonSoThatTheNextClickPlacesNothing) {
  for (LibraryId lib : {kPT, kCC}) {
    HandsBench b(lib);
    b.Main().PressPalette(PaletteButton::kButton);
    ASSERT_EQ(b.State().pressed_button, PaletteButton::kButton);
    EXPECT_TRUE(b.Main().Escape());
    EXPECT_EQ(b.State().pressed_button, PaletteButton::kNone);
    b.Click({TChildFrm::kScreenLeft + 40, TChildFrm::kScreenTop + 40});
    EXPECT_TRUE(b.Form().Screen().Children().empty());
    EXPECT_FALSE(b.Main().Escape());
  }
}

struct MarkCase {
  const char* name;
  LibraryId lib;
  PaletteButton kind;
  bool in_dialog;
  Color expected;
};

TEST(Marks, AfterUndoAndRedoTheyTakeTheRulesColours) {
  const MarkCase cases[] = {
      {"CControls Image", kCC, PaletteButton::kBitmap, false, kBlue},
      {"CControls Button", kCC, PaletteButton::kButton, false, kBlue},
      {"PToolboxLib Button", kPT, PaletteButton::kButton, false, kBlue},
      {"PToolboxLib Label", kPT, PaletteButton::kLabel, false, kBlue},
      {"PToolboxLib Button in a dialog", kPT, PaletteButton::kButton, true, kRed},
      {"CControls Button in a dialog", kCC, PaletteButton::kButton, true, kRed},
  };
  for (const MarkCase& c : cases) {
    HandsBench b(c.lib);
    if (c.in_dialog) b.Place(PaletteButton::kDialog, 0, 0);
    TControl* placed = b.Place(c.kind, 40, 80);
    ASSERT_TRUE(placed) << c.name;
    ASSERT_EQ(placed->Parent() != &b.Form().Screen(), c.in_dialog) << c.name;
    // A move of the control, then undone and redone.
    Point from = b.Centre(*placed);
    b.Press(from);
    b.MoveHeld({from.x + 8, from.y + 4});
    b.Release({from.x + 8, from.y + 4});
    for (Command step : {Command::kUndo, Command::kRedo, Command::kUndo}) {
      b.Main().Execute(step);
      TControl* current = b.Current();
      ASSERT_TRUE(current) << c.name;
      EXPECT_TRUE(current->Selected()) << c.name;
      EXPECT_EQ(current->SelectColor(), c.expected) << c.name;
    }
  }
}

TEST(Marks, AfterUndoTheCurrentControlLeadsAndTheOthersFollow) {
  HandsBench b(kPT);
  TControl* a = b.Place(PaletteButton::kButton, 10, 10);
  TControl* c = b.Place(PaletteButton::kButton, 70, 60);
  b.Click(b.Centre(*a));
  b.Click(b.Centre(*c), kSsShift);
  // The group moved together by a drag of the second, then undone.
  Point from = b.Centre(*c);
  b.Press(from);
  b.MoveHeld({from.x + 8, from.y + 8});
  b.Release({from.x + 8, from.y + 8});
  b.Main().Execute(Command::kUndo);
  const std::string lead = b.Current()->Name();
  for (TControl* control : b.Form().AllControls()) {
    ASSERT_TRUE(control->Selected()) << control->Name();
    EXPECT_EQ(control->SelectColor(), control->Name() == lead ? kBlue : kNavy) << control->Name();
  }
}

}  // namespace
}  // namespace qb::test
