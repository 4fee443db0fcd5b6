#include "preview/preview_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCListBox.h"
#include "controls/CCMenu.h"
#include "controls/CCPopUp.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "controls/designer_client.h"
#include "controls/factory.h"
#include "controls/palm_look.h"
#include "designer/hit_test.h"
#include "form/form_file.h"
#include "form/shown_dialog.h"
#include "model/datamod.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

template <class T>
T& Add(TChildFrm& form, TControl& parent, const std::string& name, Rect r, int tag = 0) {
  auto c = CreateControl(T::kClass, &form.Document());
  c->SetTag(tag);
  c->SetName(name);
  c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  c->SetPalmForm(&parent);
  return static_cast<T&>(*parent.AddChild(std::move(c)));
}

TChildFrm& NewForm(AppState& state, const std::string& name, const std::string& title) {
  state.windows.push_back(std::make_unique<TChildFrm>());
  TChildFrm& form = *state.windows.back();
  form.SetName(name);
  form.Screen().SetTitle(title);
  return form;
}

// Two PToolboxLib forms: "Main" with one control of every kind and a dialog, "Second" with a
// button that leads back into the dialog-free first form.
class PreviewPT : public ::testing::Test {
 public:
  PreviewPT() {
    design_.library = LibraryId::kPToolboxLib;
    TChildFrm& main = NewForm(design_, "Main", "Main form");
    TCCForm& s = main.Screen();
    Add<TPTButton>(main, s, "Go", {5, 20, 45, 33}).SetShowForm("Second");
    Add<TPTButton>(main, s, "Dlg", {50, 20, 90, 33}).SetShowForm("Info");
    auto& select = Add<TCCButton>(main, s, "Sel", {95, 20, 135, 33}, kSelectTag);
    select.SetShowForm("(None)");
    select.SetContent("Pick");
    Add<TCCSwitch>(main, s, "P1", {5, 40, 25, 53}, 1);
    Add<TCCSwitch>(main, s, "P2", {30, 40, 50, 53}, 1);
    Add<TCCSwitch>(main, s, "P3", {55, 40, 75, 53}, 0);
    auto& radio = Add<TCCRadio>(main, s, "R1", {80, 40, 140, 53}, 1);
    radio.SetItems({"a", "b", "c"});
    radio.SetSelectedItem(0);
    Add<TPTCheckbox>(main, s, "CB", {5, 60, 55, 72});
    auto& list = Add<TPTList>(main, s, "L", {5, 80, 65, 100});
    list.SetStyle(0);
    list.SetItems({"one", "two", "three", "four", "five"});
    list.SetMaxItems(2);
    Add<TPTPopTrigger>(main, s, "T", {80, 60, 120, 72});
    auto& pop = Add<TPTList>(main, s, "PL", {80, 75, 130, 100});
    pop.SetItems({"x", "y", "z"});
    pop.SetMaxItems(3);
    pop.SetTrigger("T");
    auto& field = Add<TPTEdit>(main, s, "F", {80, 120, 140, 135});
    field.SetMaxChars(5);
    field.SetText("");
    auto& dialog = Add<TPTDialog>(main, s, "Info", {5, 105, 75, 155});
    dialog.SetTitle("Info");
    dialog.SetVisible(false);
    Add<TPTButton>(main, dialog, "Close", {5, 20, 40, 33}).SetShowForm("Second");
    TChildFrm& second = NewForm(design_, "Second", "Second form");
    Add<TPTButton>(second, second.Screen(), "Home", {5, 20, 45, 33}).SetShowForm("Main");
    for (auto& w : design_.windows) w->ClearPictureDirty();
  }

  TChildFrm& Main() { return *design_.windows[0]; }

  // The centre of a control of the form shown, in device pixels.
  static Point At(PreviewSession& p, const std::string& name, int dx = -1, int dy = -1) {
    TControl* c = p.Find(name);
    EXPECT_NE(c, nullptr) << name;
    const Point o = OriginInClient(p.Shown(), *c);
    return {o.x + (dx < 0 ? c->Width() / 2 : dx), o.y + (dy < 0 ? c->Height() / 2 : dy)};
  }
  static void TapAt(PreviewSession& p, Point at) {
    p.PenDown(at);
    p.PenUp(at);
  }
  static void Tap(PreviewSession& p, const std::string& name) { TapAt(p, At(p, name)); }

  AppState design_;
  FontRegistry fonts_;
};

// State before and after one tap, per kind.
struct TapCase {
  const char* kind;
  std::function<void(PreviewSession&)> act;
  std::function<std::string(PreviewSession&)> read;
  std::string before;
  std::string after;
};

std::string StateOf(PreviewSession& p, const std::string& name) {
  TControl* c = p.Find(name);
  if (auto* s = As<TCCSwitch>(c)) return std::to_string(s->State());
  if (auto* r = As<TCCRadio>(c)) return std::to_string(r->SelectedItem());
  if (auto* b = As<TPTCheckbox>(c)) return std::to_string(b->State());
  if (auto* l = As<TPTList>(c))
    return std::to_string(l->SelectedItem()) + (l->Visible() ? " open" : " closed") + " " +
           (l->Items().empty() ? "" : l->Items()[0]);
  if (auto* t = As<TPTPopTrigger>(c)) return t->Text();
  if (auto* f = As<TPTEdit>(c)) return f->Text();
  return "?";
}

TEST_F(PreviewPT, TapRulesPerKind) {
  auto tap = [](const char* name) { return [name](PreviewSession& p) { Tap(p, name); }; };
  auto state = [](const char* name) {
    return [name](PreviewSession& p) { return StateOf(p, name); };
  };
  const std::vector<TapCase> cases = {
      {"CheckBox toggles on", tap("CB"), state("CB"), "0", "1"},
      {"Push without group toggles", tap("P3"), state("P3"), "0", "1"},
      {"Push of a group selects", tap("P2"), state("P2"), "0", "1"},
      {"Radio selects the third cell", [](PreviewSession& p) { TapAt(p, At(p, "R1", 55)); },
       state("R1"), "0", "2"},
      {"List selects the second row", [](PreviewSession& p) { TapAt(p, At(p, "L", 5, 14)); },
       state("L"), "-1 open one", "1 open one"},
      {"List scrolls with its arrow", [](PreviewSession& p) { TapAt(p, At(p, "L", 57, 14)); },
       state("L"), "-1 open one", "-1 open two"},
      {"PopTrigger opens its list", tap("T"), state("PL"), "-1 closed x", "-1 open x"},
  };
  for (const TapCase& c : cases) {
    SCOPED_TRACE(c.kind);
    PreviewSession p(design_, Main(), fonts_);
    EXPECT_EQ(c.read(p), c.before);
    c.act(p);
    EXPECT_EQ(c.read(p), c.after);
  }
}

TEST_F(PreviewPT, PushAndRadioOfAGroupReleaseTheOthers) {
  PreviewSession p(design_, Main(), fonts_);
  Tap(p, "P1");
  EXPECT_EQ(StateOf(p, "P1"), "1");
  EXPECT_EQ(StateOf(p, "R1"), "-1");  // the radio of group 1 lets go
  Tap(p, "P2");
  EXPECT_EQ(StateOf(p, "P1"), "0");
  EXPECT_EQ(StateOf(p, "P2"), "1");
  TapAt(p, At(p, "R1", 30));
  EXPECT_EQ(StateOf(p, "R1"), "1");
  EXPECT_EQ(StateOf(p, "P2"), "0");
  EXPECT_EQ(StateOf(p, "P3"), "0");  // group 0 is no group
  Tap(p, "P2");
  Tap(p, "P2");  // a selected Push of a group stays selected
  EXPECT_EQ(StateOf(p, "P2"), "1");
}

TEST_F(PreviewPT, ListScrollsDownAndBackUpKeepingTheChosenRow) {
  PreviewSession p(design_, Main(), fonts_);
  TapAt(p, At(p, "L", 5, 3));  // row "one"
  for (int i = 0; i < 3; ++i) TapAt(p, At(p, "L", 57, 14));
  // Five items, two shown: three steps reach the end; the chosen row scrolled out of sight.
  EXPECT_EQ(StateOf(p, "L"), "-1 open four");
  // With nothing more below, the arrow's place is part of the row again.
  TapAt(p, At(p, "L", 57, 14));
  EXPECT_EQ(StateOf(p, "L"), "1 open four");  // "five", shown as the second row
  TapAt(p, At(p, "L", 57, 3));
  EXPECT_EQ(StateOf(p, "L"), "2 open three");
}

TEST_F(PreviewPT, PopTriggerTakesTheChosenEntry) {
  PreviewSession p(design_, Main(), fonts_);
  Tap(p, "T");
  auto* list = As<TPTList>(p.Find("PL"));
  ASSERT_TRUE(list->Visible());
  EXPECT_EQ(p.OpenList(), list);
  TapAt(p, At(p, "PL", 5, list->RowHeight() * 2 + 2));
  EXPECT_EQ(StateOf(p, "T"), "z");
  EXPECT_EQ(StateOf(p, "PL"), "2 closed x");
  // A tap outside an open list only closes it.
  Tap(p, "T");
  Tap(p, "CB");
  EXPECT_FALSE(list->Visible());
  EXPECT_EQ(StateOf(p, "CB"), "0");
}

TEST_F(PreviewPT, FieldTakesTypedTextWithinMaxChars) {
  PreviewSession p(design_, Main(), fonts_);
  p.Type("ab");  // nothing has the focus yet
  EXPECT_EQ(StateOf(p, "F"), "");
  Tap(p, "F");
  EXPECT_EQ(p.Focused(), p.Find("F"));
  p.Type(
      "abc\x01"
      "defg");
  EXPECT_EQ(StateOf(p, "F"), "abcde");
  p.Backspace();
  p.Backspace();
  EXPECT_EQ(StateOf(p, "F"), "abc");
  p.Type("\xC3\xA9\xC3\xA9\xC3\xA9");  // two-byte characters count once each
  EXPECT_EQ(StateOf(p, "F"), "abc\xC3\xA9\xC3\xA9");
  p.Backspace();
  EXPECT_EQ(StateOf(p, "F"), "abc\xC3\xA9");
  As<TPTEdit>(p.Find("F"))->SetNumbersOnly(1);
  p.Type("x9");
  EXPECT_EQ(StateOf(p, "F"),
            "abc\xC3\xA9"
            "9");
}

TEST_F(PreviewPT, AFieldThatIsNotEditableTakesNoText) {
  As<TPTEdit>(Main().FindControl("F"))->SetEditable(1);
  PreviewSession p(design_, Main(), fonts_);
  Tap(p, "F");
  EXPECT_EQ(p.Focused(), nullptr);
  p.Type("abc");
  EXPECT_EQ(StateOf(p, "F"), "");
}

TEST_F(PreviewPT, ALongPasteStopsAtTheLimit) {
  As<TPTEdit>(Main().FindControl("F"))->SetMaxChars(0);
  PreviewSession p(design_, Main(), fonts_);
  Tap(p, "F");
  p.Type(std::string(100000, 'w'));
  EXPECT_EQ(StateOf(p, "F").size(), 32767u);
}

TEST_F(PreviewPT, ShownDialogIsDrawnOverTheFormAndGoneAfterBack) {
  PreviewSession p(design_, Main(), fonts_);
  const PalmCanvas form = p.Frame();
  Tap(p, "Dlg");
  const PalmCanvas dialog = p.Frame();
  const Rect r = PictureRect(*p.Find("Info"));
  int inside = 0;
  for (int y = 0; y < form.Height(); ++y)
    for (int x = 0; x < form.Width(); ++x) {
      if (r.Contains(x, y))
        inside += form.At(x, y) != dialog.At(x, y);
      else
        ASSERT_EQ(form.At(x, y), dialog.At(x, y)) << x << "," << y;
    }
  EXPECT_GT(inside, 0);
  p.Back();
  EXPECT_EQ(p.Frame().Pixels(), form.Pixels());
}

TEST_F(PreviewPT, ShowFormSwitchesFormsAndDialogsAndBackReturns) {
  PreviewSession p(design_, Main(), fonts_);
  EXPECT_EQ(p.Title(), "Main form");
  EXPECT_FALSE(p.CanGoBack());
  Tap(p, "Dlg");
  EXPECT_EQ(p.FormName(), "Main");
  EXPECT_EQ(p.DialogName(), "Info");
  EXPECT_TRUE(p.CanGoBack());
  // The dialog takes the taps: the checkbox under nothing still answers only without it.
  Tap(p, "CB");
  EXPECT_EQ(StateOf(p, "CB"), "0");
  Tap(p, "Close");
  EXPECT_EQ(p.FormName(), "Second");
  EXPECT_EQ(p.Title(), "Second form");
  EXPECT_EQ(p.DialogName(), "");
  Tap(p, "Home");
  EXPECT_EQ(p.FormName(), "Main");
  EXPECT_EQ(p.DialogName(), "");
  p.Back();
  EXPECT_EQ(p.FormName(), "Second");
  p.Back();
  EXPECT_EQ(p.FormName(), "Main");
  EXPECT_EQ(p.DialogName(), "Info");
  p.Back();
  EXPECT_EQ(p.DialogName(), "");
  EXPECT_FALSE(p.CanGoBack());
  p.Back();  // nothing further back
  EXPECT_EQ(p.Title(), "Main form");
  Tap(p, "Go");
  EXPECT_EQ(p.Title(), "Second form");
}

// The look of a control drawn in the form's selected colours by its own painter: a Button or
// Select filled with the selected fill and lettered in the selected text colour, a Push on.
void LookPressed(TControl& c, Color fill, Color fore) {
  if (auto* b = As<TPTButton>(&c)) {
    b->SetColorFill(fill);
    b->SetColorText(fore);
  } else if (auto* s = As<TCCButton>(&c)) {
    s->SetColorFill(fill);
    s->SetColorText(fore);
  } else if (auto* push = As<TCCSwitch>(&c)) {
    push->SetState(1);
  }
}

TEST_F(PreviewPT, ButtonSelectAndPushArePressedOnlyWhileThePenIsOnThem) {
  struct Case {
    const char* name;
    Color selected_fill;
    Color selected_fore;
  };
  // The form's own selected colours, the defaults and others.
  for (const Case& c :
       {Case{"Go", kBlack, kWhite}, Case{"Sel", kBlack, kWhite}, Case{"P1", kBlack, kWhite},
        Case{"Go", kRed, Color{65535}}, Case{"Sel", kNavy, Color{65280}}}) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.selected_fill));
    const char* name = c.name;
    Main().Screen().SetColorSelectedFill(c.selected_fill);
    Main().Screen().SetColorSelectedFore(c.selected_fore);
    PreviewSession p(design_, Main(), fonts_);
    const PalmCanvas up = p.Frame();
    const Rect r = PictureRect(*p.Find(name));
    p.PenDown(At(p, name));
    EXPECT_EQ(p.Pressed(), p.Find(name));
    const PalmCanvas down = p.Frame();
    PreviewSession look(design_, Main(), fonts_);
    LookPressed(*look.Find(name), c.selected_fill, c.selected_fore);
    // Only the control changes, drawn by its painter in the selected colours: its corners
    // and the frame ring keep their pixels, the inside takes the selected fill.
    EXPECT_EQ(down.Pixels(), look.Frame().Pixels());
    EXPECT_EQ(down.At(r.left, r.top), up.At(r.left, r.top));
    EXPECT_EQ(down.At(r.right - 1, r.bottom - 1), up.At(r.right - 1, r.bottom - 1));
    EXPECT_EQ(down.At(r.left + 3, (r.top + r.bottom) / 2), c.selected_fill);
    int changed = 0;
    for (int y = 0; y < up.Height(); ++y)
      for (int x = 0; x < up.Width(); ++x) {
        if (!r.Contains(x, y)) {
          ASSERT_EQ(down.At(x, y), up.At(x, y)) << x << "," << y;
        }
        changed += down.At(x, y) != up.At(x, y);
      }
    EXPECT_GT(changed, 10 * 6);
    const Point away{r.right + 2, r.top};
    p.PenMove(away);  // leaving releases it
    EXPECT_EQ(p.Pressed(), nullptr);
    EXPECT_EQ(p.Frame().Pixels(), up.Pixels());
    p.PenMove(At(p, name));  // coming back presses it again
    EXPECT_EQ(p.Frame().Pixels(), down.Pixels());
    p.PenMove(away);
    p.PenUp(away);  // lifted elsewhere: no tap
    EXPECT_EQ(p.Frame().Pixels(), up.Pixels());
    EXPECT_EQ(p.FormName(), "Main");
    EXPECT_EQ(StateOf(p, "P1"), "0");
  }
}

TEST_F(PreviewPT, FrameShowsNoSelectionMarksGridOrDialogOfTheDesign) {
  const PalmCanvas plain = PreviewSession(design_, Main(), fonts_).Frame();
  Main().FindControl("CB")->SetSelected(true);
  Main().FindControl("L")->SetSelected(true);
  Main().ApplyGridOption(true);
  ShowDialog(Main(), *As<TPTDialog>(Main().FindControl("Info")));
  FormPicture designer(fonts_);
  EXPECT_NE(designer.Render(Main().Client()).Pixels(), plain.Pixels());
  EXPECT_EQ(PreviewSession(design_, Main(), fonts_).Frame().Pixels(), plain.Pixels());
}

TEST_F(PreviewPT, ToggledCheckBoxIsDrawnByItsPainterInTheCheckedState) {
  PreviewSession tapped(design_, Main(), fonts_);
  const PalmCanvas before = tapped.Frame();
  Tap(tapped, "CB");
  const PalmCanvas after = tapped.Frame();
  PreviewSession set(design_, Main(), fonts_);
  As<TPTCheckbox>(set.Find("CB"))->SetState(1);
  EXPECT_EQ(after.Pixels(), set.Frame().Pixels());
  // Only the check box's own pixels changed.
  const Rect r = PictureRect(*tapped.Find("CB"));
  int changed = 0;
  for (int y = 0; y < before.Height(); ++y)
    for (int x = 0; x < before.Width(); ++x)
      if (before.At(x, y) != after.At(x, y)) {
        ASSERT_TRUE(r.Contains(x, y)) << x << "," << y;
        ++changed;
      }
  EXPECT_GT(changed, 0);
}

TEST_F(PreviewPT, CaretStandsBehindTheTypedText) {
  PreviewSession p(design_, Main(), fonts_);
  EXPECT_TRUE(p.CaretRect().Empty());
  const PalmCanvas unfocused = p.Frame();
  Tap(p, "F");
  p.Type("ab");
  const Rect caret = p.CaretRect();
  const Rect field = PictureRect(*p.Find("F"));
  ASSERT_FALSE(caret.Empty());
  EXPECT_EQ(caret.right - caret.left, 1);
  PalmCanvas measure(1, 1);
  measure.SetFace(&fonts_.Face(p.Find("F")->Font().name));
  // The field draws its text from its top-left corner.
  EXPECT_EQ(caret.left, field.left + measure.TextWidth("ab"));
  EXPECT_EQ(caret.top, field.top);
  EXPECT_EQ(caret.bottom - caret.top, measure.TextHeight("A"));
  const PalmCanvas frame = p.Frame();
  for (int y = caret.top; y < caret.bottom; ++y) EXPECT_EQ(frame.At(caret.left, y), kBlack) << y;
  // Without the focus the same column shows what the field draws.
  Tap(p, "CB");
  EXPECT_TRUE(p.CaretRect().Empty());
  const PalmCanvas& plain = p.Frame();
  int differs = 0;
  for (int y = caret.top; y < caret.bottom; ++y)
    differs += plain.At(caret.left, y) != frame.At(caret.left, y);
  EXPECT_GT(differs, 0);
  (void)unfocused;
}

TEST_F(PreviewPT, TapsOutsideAnyControlOrOffTheDeviceChangeNothing) {
  PreviewSession p(design_, Main(), fonts_);
  const PalmCanvas start = p.Frame();
  const std::vector<Point> points = {{-5, -5},           {0, 0},    {100000, 3}, {3, -100000},
                                     {1 << 30, 1 << 30}, {150, 150}};
  for (Point at : points) {
    SCOPED_TRACE(std::to_string(at.x) + "," + std::to_string(at.y));
    p.PenDown(at);
    p.PenMove({at.x + 1, at.y});
    p.PenUp(at);
    p.Type("q");
    p.Backspace();
    EXPECT_EQ(p.Frame().Pixels(), start.Pixels());
    EXPECT_FALSE(p.CanGoBack());
  }
  // A pen that goes down on one control and comes up on another is no tap.
  p.PenDown(At(p, "CB"));
  p.PenUp(At(p, "P3"));
  EXPECT_EQ(StateOf(p, "CB"), "0");
  EXPECT_EQ(StateOf(p, "P3"), "0");
}

TEST_F(PreviewPT, AFormThatShowsItselfOrNothingKnownStaysPut) {
  As<TPTButton>(Main().FindControl("Go"))->SetShowForm("main");
  As<TPTButton>(Main().FindControl("Dlg"))->SetShowForm("Nowhere");
  PreviewSession p(design_, Main(), fonts_);
  Tap(p, "Go");
  Tap(p, "Dlg");
  EXPECT_EQ(p.FormName(), "Main");
  EXPECT_FALSE(p.CanGoBack());
}

TEST(PreviewStart, StartsOnTheGivenFormOrTheFirstOrAnEmptyOne) {
  FontRegistry fonts;
  AppState design;
  design.library = LibraryId::kPToolboxLib;
  {
    TChildFrm stranger;
    PreviewSession none(design, stranger, fonts);
    EXPECT_EQ(none.FormName(), "");
    EXPECT_FALSE(none.Frame().Pixels().empty());
  }
  NewForm(design, "A", "First");
  TChildFrm& b = NewForm(design, "B", "Second");
  EXPECT_EQ(PreviewSession(design, b, fonts).Title(), "Second");
  TChildFrm stranger;
  EXPECT_EQ(PreviewSession(design, stranger, fonts).Title(), "First");
}

// Writes every form of the design the way the project saves it.
std::vector<std::string> FormFiles(AppState& state, const test::TempDir& dir, const char* tag) {
  std::vector<std::string> bytes;
  test::FakeUi ui;
  for (auto& w : state.windows) {
    const std::string path = dir.Path(std::string(tag) + w->Name() + ".qbf");
    EXPECT_TRUE(WriteForm(state.library, *w, path, ui));
    bytes.push_back(test::ReadFileBytes(path));
  }
  return bytes;
}

TEST_F(PreviewPT, ASessionLeavesTheDesignAsItWas) {
  test::TempDir dir;
  const std::vector<std::string> before = FormFiles(design_, dir, "before");
  std::vector<std::uint64_t> counts;
  for (auto& w : design_.windows) {
    counts.push_back(w->ChangeCount());
    w->ClearPictureDirty();
  }
  {
    PreviewSession p(design_, Main(), fonts_);
    for (const char* name : {"CB", "P1", "P3", "R1", "L", "T", "Sel"}) Tap(p, name);
    TapAt(p, At(p, "PL", 3, 3));
    TapAt(p, At(p, "L", 57, 14));
    Tap(p, "F");
    p.Type("zz");
    p.Frame();
    Tap(p, "Dlg");
    p.Frame();
    Tap(p, "Close");
    p.Frame();
  }
  for (std::size_t i = 0; i < design_.windows.size(); ++i) {
    EXPECT_EQ(design_.windows[i]->ChangeCount(), counts[i]);
    EXPECT_FALSE(design_.windows[i]->PictureDirty());
    EXPECT_FALSE(design_.windows[i]->Undo().CanUndo());
  }
  EXPECT_EQ(FormFiles(design_, dir, "after"), before);
  EXPECT_FALSE(As<TPTDialog>(Main().FindControl("Info"))->Visible());
}

// CControls: the lists that open, the edits and the menu bar.
class PreviewCC : public ::testing::Test {
 protected:
  PreviewCC() {
    design_.library = LibraryId::kCControls;
    TChildFrm& form = NewForm(design_, "Cc", "CC form");
    TCCForm& s = form.Screen();
    auto& drop = Add<TCCDropDown>(form, s, "Dd", {5, 20, 65, 32});
    drop.SetItems({"red", "green", "blue"});
    drop.SetSelectedItem(0);
    auto& pop = Add<TCCPopUp>(form, s, "Pu", {80, 20, 140, 56});
    pop.SetItems({"p", "q", "r"});
    Add<TCCCheckbox>(form, s, "Cb", {5, 70, 60, 82});
    Add<TCCSwitch>(form, s, "Sw", {70, 70, 110, 83});
    auto& box = Add<TCCListBox>(form, s, "Lb", {5, 90, 65, 114});
    box.SetItems({"1", "2", "3"});
    Add<TCCEdit>(form, s, "Ed", {80, 90, 140, 104}).SetContent("");
    Add<TCCEdit>(form, s, "El", {80, 110, 140, 122}, kEditLineTag).SetContent("x");
  }
  AppState design_;
  FontRegistry fonts_;
};

TEST_F(PreviewCC, TapRulesPerKind) {
  PreviewSession p(design_, *design_.windows[0], fonts_);
  auto* drop = As<TCCDropDown>(p.Find("Dd"));
  auto* pop = As<TCCPopUp>(p.Find("Pu"));
  EXPECT_EQ(drop->TestItems(), 0);
  PreviewPT::Tap(p, "Cb");
  EXPECT_EQ(As<TCCCheckbox>(p.Find("Cb"))->State(), 1);
  PreviewPT::Tap(p, "Sw");
  PreviewPT::Tap(p, "Sw");
  PreviewPT::Tap(p, "Sw");
  EXPECT_EQ(As<TCCSwitch>(p.Find("Sw"))->State(), 1);
  PreviewPT::TapAt(p, PreviewPT::At(p, "Lb", 5, 12));
  EXPECT_EQ(As<TCCListBox>(p.Find("Lb"))->SelectedItem(), 1);
  PreviewPT::Tap(p, "Pu");
  EXPECT_EQ(pop->Test(), 1);
  PreviewPT::TapAt(p, PreviewPT::At(p, "Pu", 5, 25));
  EXPECT_EQ(pop->Test(), 0);
  EXPECT_EQ(pop->SelectedItem(), 2);
  PreviewPT::Tap(p, "Dd");
  EXPECT_EQ(drop->TestItems(), 1);
  PreviewPT::TapAt(p, PreviewPT::At(p, "Dd", 5, 13));
  EXPECT_EQ(drop->TestItems(), 0);
  EXPECT_EQ(drop->SelectedItem(), 1);
  PreviewPT::Tap(p, "El");
  p.Type("yz");
  p.Backspace();
  EXPECT_EQ(As<TCCEdit>(p.Find("El"))->Content(), "xy");
  PreviewPT::Tap(p, "Ed");
  p.Type("hello");
  EXPECT_EQ(As<TCCEdit>(p.Find("Ed"))->Content(), "hello");
}

TEST_F(PreviewCC, ASessionLeavesTheDesignAsItWas) {
  TChildFrm& form = *design_.windows[0];
  test::TempDir dir;
  const std::vector<std::string> before = FormFiles(design_, dir, "before");
  const std::uint64_t count = form.ChangeCount();
  form.ClearPictureDirty();
  {
    PreviewSession p(design_, form, fonts_);
    for (const char* name : {"Cb", "Sw", "Lb", "Pu", "Dd", "Ed"}) {
      PreviewPT::Tap(p, name);
      p.Frame();
    }
    p.Type("typed");
    PreviewPT::Tap(p, "Dd");
    PreviewPT::TapAt(p, PreviewPT::At(p, "Dd", 5, 25));
    p.Frame();
  }
  EXPECT_EQ(form.ChangeCount(), count);
  EXPECT_FALSE(form.PictureDirty());
  EXPECT_FALSE(form.Undo().CanUndo());
  EXPECT_EQ(FormFiles(design_, dir, "after"), before);
  EXPECT_EQ(As<TCCDropDown>(form.FindControl("Dd"))->TestItems(), 0);
  EXPECT_EQ(As<TCCDropDown>(form.FindControl("Dd"))->SelectedItem(), 0);
}

TEST_F(PreviewCC, OpenDropDownIsDrawnAsItsPainterDrawsItOpen) {
  PreviewSession tapped(design_, *design_.windows[0], fonts_);
  const PalmCanvas closed = tapped.Frame();
  PreviewPT::Tap(tapped, "Dd");
  const PalmCanvas open = tapped.Frame();
  EXPECT_NE(open.Pixels(), closed.Pixels());
  PreviewSession set(design_, *design_.windows[0], fonts_);
  As<TCCDropDown>(set.Find("Dd"))->SetTestItems(1);
  EXPECT_EQ(set.Frame().Pixels(), open.Pixels());
  // Its rows are drawn: the chosen first row is filled in black from its left edge.
  const Rect r = PictureRect(*tapped.Find("Dd"));
  EXPECT_EQ(r.bottom - r.top, 3 * 11 + 3);
  EXPECT_EQ(open.At(r.left + 1, r.top + 5), kBlack);
}

TEST_F(PreviewCC, AnOpenListIsDrawnOverTheControlsAfterIt) {
  PreviewSession alone(design_, *design_.windows[0], fonts_);
  PreviewPT::Tap(alone, "Dd");
  const PalmCanvas open = alone.Frame();
  // A Button later in the panel's order, lying where the open list hangs.
  TChildFrm& form = *design_.windows[0];
  auto& button = Add<TCCButton>(form, form.Screen(), "Over", {5, 34, 65, 50});
  button.SetContent("Over");
  button.SetColorFill(kWhite);
  PreviewSession covered(design_, form, fonts_);
  const PalmCanvas closed = covered.Frame();
  PreviewPT::Tap(covered, "Dd");
  const PalmCanvas over = covered.Frame();
  const Rect list = PictureRect(*covered.Find("Dd"));
  const Rect under = PictureRect(*covered.Find("Over"));
  ASSERT_GT(list.Intersect(under).bottom, list.Intersect(under).top);
  int shown = 0;
  for (int y = 0; y < over.Height(); ++y)
    for (int x = 0; x < over.Width(); ++x) {
      if (list.Contains(x, y)) {
        // The list's pixels, as without the Button.
        ASSERT_EQ(over.At(x, y), open.At(x, y)) << x << "," << y;
        shown += under.Contains(x, y) && over.At(x, y) != closed.At(x, y);
      } else if (under.Contains(x, y)) {
        ASSERT_EQ(over.At(x, y), closed.At(x, y)) << x << "," << y;
      }
    }
  EXPECT_GT(shown, 0);
  // Closed again, the Button is drawn as before.
  PreviewPT::Tap(covered, "Cb");
  EXPECT_EQ(covered.Frame().Pixels(), closed.Pixels());
}

TEST_F(PreviewCC, CaretOfAnEditLineFollowsItsAlignedText) {
  for (TextAlign align : {TextAlign::kLeft, TextAlign::kCenter, TextAlign::kRight}) {
    design_.windows[0]->FindControl("El")->SetAlignment(align);
    PreviewSession p(design_, *design_.windows[0], fonts_);
    PreviewPT::Tap(p, "El");
    p.Type("ab");
    TControl& edit = *p.Find("El");
    const Rect area = PictureRect(edit);
    PalmCanvas measure(1, 1);
    measure.SetFace(&fonts_.Face(edit.Font().name));
    const int text_x = align == TextAlign::kLeft ? kTextInset
                       : align == TextAlign::kCenter
                           ? NearestDiv(edit.Width() - measure.TextWidth("xab"), 2)
                           : edit.Width() - measure.TextWidth("xab") - kTextInset;
    // Painting settles the line's height first; the caret stands where the text then is.
    const PalmCanvas frame = p.Frame();
    const Rect caret = p.CaretRect();
    EXPECT_EQ(caret.left, area.left + text_x + measure.TextWidth("xab")) << int(align);
    EXPECT_EQ(caret.top, area.top + VCenteredTextY(measure, "xab", edit.Height()));
    for (int y = caret.top; y < caret.bottom; ++y) EXPECT_EQ(frame.At(caret.left, y), kBlack);
  }
}

TEST_F(PreviewCC, OpenPopUpIsDrawnAsItsPainterDrawsItOpen) {
  PreviewSession tapped(design_, *design_.windows[0], fonts_);
  const PalmCanvas closed = tapped.Frame();
  PreviewPT::Tap(tapped, "Pu");
  const PalmCanvas open = tapped.Frame();
  PreviewSession set(design_, *design_.windows[0], fonts_);
  As<TCCPopUp>(set.Find("Pu"))->SetTest(1);
  EXPECT_EQ(set.Frame().Pixels(), open.Pixels());
  // Closed it draws nothing: its place shows the form; open, its frame's top edge is black.
  const Rect r = PictureRect(*tapped.Find("Pu"));
  for (int x = r.left + 1; x < r.right - 3; ++x) {
    EXPECT_EQ(closed.At(x, r.top), kWhite) << x;
    EXPECT_EQ(open.At(x, r.top), kBlack) << x;
  }
}

TEST_F(PreviewCC, MenuBarOpensItsMenus) {
  TChildFrm& form = *design_.windows[0];
  auto bar = CreateControl(ControlClass::kCCMenuBar, &form.Document());
  bar->SetName("Mb");
  bar->SetBounds(4, 2, 160, 13);
  form.Client().AddChild(std::move(bar));
  auto menu = CreateControl(ControlClass::kCCMenu, &form.Document());
  menu->SetName("File");
  menu->SetBounds(6, 2, 30, 13);
  static_cast<TCCMenu&>(*menu).SetItems({"Open", "Close"});
  form.Client().AddChild(std::move(menu));
  PreviewSession p(design_, form, fonts_);
  auto* file = As<TCCMenu>(p.Find("File"));
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Test(), 0);
  const PalmCanvas closed = p.Frame();
  PreviewPT::TapAt(
      p, {OriginInClient(p.Shown(), *file).x + 3, OriginInClient(p.Shown(), *file).y + 4});
  EXPECT_EQ(file->Test(), 1);
  EXPECT_EQ(p.OpenMenu(), file);
  EXPECT_NE(p.Frame().Pixels(), closed.Pixels());
  PreviewPT::Tap(p, "Cb");  // the next tap closes the menu and does nothing else
  EXPECT_EQ(file->Test(), 0);
  EXPECT_EQ(As<TCCCheckbox>(p.Find("Cb"))->State(), 0);
  // A tap on the bar beside the topics opens its first menu.
  PreviewPT::TapAt(p, {120, 6});
  EXPECT_EQ(p.OpenMenu(), file);
  EXPECT_EQ(file->Test(), 1);
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

// Pen down, a move to a neighbour and up at every third pixel of the window and a little
// beyond, typing and Back now and then: the session stays on a form of the design, draws a
// frame of the window's size, and leaves nothing pressed once the pen is up.
void Sweep(PreviewSession& p, const std::vector<std::string>& forms) {
  int taps = 0;
  for (int y = -4; y < TDesignerClient::kClientHeight + 4; y += 3) {
    for (int x = -4; x < TDesignerClient::kClientWidth + 4; x += 3) {
      p.PenDown({x, y});
      p.PenMove({x + 2, y + 1});
      p.PenUp({x + 2, y + 1});
      ASSERT_EQ(p.Pressed(), nullptr) << x << "," << y;
      if (++taps % 7 == 0) p.Type("9x");
      if (taps % 5 == 0) p.Backspace();
      if (taps % 97 == 0) p.Back();
      ASSERT_NE(std::find(forms.begin(), forms.end(), p.FormName()), forms.end());
      const PalmCanvas& frame = p.Frame();
      ASSERT_EQ(frame.Width(), TDesignerClient::kClientWidth);
      ASSERT_EQ(frame.Height(), TDesignerClient::kClientHeight);
    }
  }
}

TEST_F(PreviewPT, TapsEverywhereOnEmptyAndOversizedListsStayOnTheDevice) {
  auto& list = *As<TPTList>(Main().FindControl("L"));
  list.SetItems({});
  list.SetMaxItems(0);
  auto& pop = *As<TPTList>(Main().FindControl("PL"));
  pop.SetMaxItems(40);
  As<TCCRadio>(Main().FindControl("R1"))->SetItems({});
  As<TPTEdit>(Main().FindControl("F"))->SetMaxChars(-3);
  PreviewSession p(design_, Main(), fonts_);
  Sweep(p, {"Main", "Second"});
}

TEST_F(PreviewCC, TapsEverywhereOnEmptyListsStayOnTheDevice) {
  TChildFrm& form = *design_.windows[0];
  As<TCCDropDown>(form.FindControl("Dd"))->SetItems({});
  As<TCCDropDown>(form.FindControl("Dd"))->SetVisibleItems(0);
  As<TCCPopUp>(form.FindControl("Pu"))->SetItems({});
  As<TCCListBox>(form.FindControl("Lb"))->SetItems({});
  PreviewSession p(design_, form, fonts_);
  Sweep(p, {"Cc"});
}

}  // namespace
}  // namespace qb
