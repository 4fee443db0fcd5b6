// Cut, Copy and Paste of the current control: names, parents, the kind in the current
// library, the commands that do nothing, and content that is refused.

#include <regex>

#include "controls/CCButton.h"
#include "controls/CCLabel.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/PTButton.h"
#include "controls/PTDialog.h"
#include "designer/control_clipboard.h"
#include "designer/menus.h"
#include "designer_fixture.h"
#include "form/clipboard_format.h"
#include "model/user_error.h"
#include "support/form_dump.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;
using B = PaletteButton;

// The control's properties without its name and its selection marks, which differ by design.
std::string Props(const TControl& c) {
  std::string line = DumpControlLine(c);
  line = std::regex_replace(line, std::regex("^(\\S+) \\S+ "), "$1 ");
  return std::regex_replace(line, std::regex(" selectcolor=\\d+ selected=\\d"), "");
}

std::string Refusal(const std::function<void()>& command) {
  try {
    command();
  } catch (const UserError& e) {
    return e.what();
  }
  return "";
}

class ClipboardTest : public DesignerTest {
 protected:
  std::string ClipboardText() const {
    for (const ClipboardEntry& e : ui.clipboard_)
      if (e.mime == "application/x-quillboard-control") return e.data;
    return "";
  }
  void Select(TChildFrm& form, TControl& control) {
    designer.Inspect(form, control);
    designer.ShowSelection(form, false);
  }
  std::vector<std::string> ListTexts(const TChildFrm& form) const {
    std::vector<std::string> out;
    for (const ControlListEntry& e : form.ControlList()) out.push_back(e.text);
    return out;
  }

  ControlClipboard clipboard{state, ui, designer};
};

TEST_F(ClipboardTest, CopyThenPasteGivesASecondControlWithAFreshName) {
  TChildFrm& form = NewForm(kCC);
  auto* button = As<TCCButton>(Place(form, B::kButton, 20, 30));
  ASSERT_NE(button, nullptr);
  button->SetContent("Go on");
  button->SetRadius(2);
  clipboard.Copy();
  EXPECT_EQ(button->Name(), "Button1");
  // The private format only: no plain text for text boxes to paste.
  ASSERT_EQ(ui.clipboard_.size(), 1u);
  EXPECT_EQ(ui.clipboard_[0].mime, "application/x-quillboard-control");
  EXPECT_NE(ClipboardText().find("\r\nName=Copiado\r\n"), std::string::npos);

  clipboard.Paste();
  ASSERT_EQ(form.Screen().Children().size(), 2u);
  TControl* pasted = form.Screen().Children().back().get();
  EXPECT_EQ(pasted->Name(), "Button2");
  EXPECT_EQ(button->Name(), "Button1");
  EXPECT_EQ(Props(*pasted), Props(*button));
  EXPECT_EQ(state.current_control.Get(), pasted);
  EXPECT_TRUE(pasted->Selected());
  EXPECT_FALSE(button->Selected());
  EXPECT_TRUE(pasted->ResizeNotification());
  EXPECT_EQ(ListTexts(form),
            (std::vector<std::string>{"Button1: Button", "Button2: Button", "Form1: Form"}));
  EXPECT_TRUE(links.Logged("FillInspector Button2"));
  EXPECT_TRUE(links.Logged("SelectChooserEntry Button2"));
  // Pasting again gives a third.
  clipboard.Paste();
  EXPECT_EQ(form.Screen().Children().back()->Name(), "Button3");
}

TEST_F(ClipboardTest, CutThenPasteGivesTheControlBackUnderANewName) {
  TChildFrm& form = NewForm(kCC);
  Place(form, B::kButton, 10, 10);
  TControl* cut = Place(form, B::kButton, 20, 40);
  Place(form, B::kLabel, 10, 80);
  Place(form, B::kLabel, 10, 100);
  Select(form, *cut);
  std::string props = Props(*cut);
  WeakRef<TControl> gone(cut);
  links.calls.clear();
  clipboard.Cut();

  EXPECT_EQ(gone.Get(), nullptr);
  EXPECT_EQ(form.FindControl("Button2"), nullptr);
  EXPECT_NE(ClipboardText().find("\r\nName=Button2\r\n"), std::string::npos);
  // The form is shown and current; the chooser no longer lists the control.
  EXPECT_EQ(state.current_control.Get(), &form.Client());
  EXPECT_TRUE(links.Logged("ShowFormRows Form1"));
  EXPECT_TRUE(links.Logged("LoadChooser 4"));
  EXPECT_EQ(ListTexts(form), (std::vector<std::string>{"Button1: Button", "Label3: Label",
                                                       "Label4: Label", "Form1: Form"}));
  EXPECT_NE(form.LastSelected(), cut);

  clipboard.Paste();
  TControl* back = form.Screen().Children().back().get();
  EXPECT_EQ(back->Name(), "Button5");
  EXPECT_EQ(Props(*back), props);
}

TEST_F(ClipboardTest, CuttingTheShownDialogTakesItsControlsAndLeavesNothingBehind) {
  TChildFrm& form = NewForm(kPT);
  auto* dialog = As<TPTDialog>(Place(form, B::kDialog, 0, 0));
  ASSERT_NE(dialog, nullptr);
  TControl* inside = Place(form, B::kButton, 20, 70);
  ASSERT_EQ(inside->Parent(), dialog);
  WeakRef<TControl> inside_ref(inside);
  Select(form, *inside);
  Select(form, *dialog);
  clipboard.Cut();
  EXPECT_EQ(inside_ref.Get(), nullptr);
  EXPECT_EQ(form.ShownDialog(), nullptr);
  EXPECT_EQ(form.SnapDialog().SnapToGridWindow(), nullptr);
  EXPECT_TRUE(form.Screen().Children().empty());
  EXPECT_EQ(state.current_control.Get(), &form.Client());
  EXPECT_EQ(ListTexts(form), (std::vector<std::string>{"Form1: Form"}));
}

TEST_F(ClipboardTest, ACopiedDialogOfThreeControlsPastesEmptyOnTheScreen) {
  TChildFrm& form = NewForm(kPT, true);
  auto* dialog = As<TPTDialog>(Place(form, B::kDialog, 0, 0));
  ASSERT_NE(dialog, nullptr);
  dialog->SetTitle("Ask");
  for (int y : {65, 85, 105}) ASSERT_EQ(Place(form, B::kButton, 20, y)->Parent(), dialog);
  Select(form, *dialog);
  clipboard.Copy();
  EXPECT_EQ(ClipboardText().find("Button"), std::string::npos);
  // The dialog is current: a pasted dialog still goes on the screen panel.
  clipboard.Paste();
  auto* pasted = As<TPTDialog>(form.Screen().Children().back().get());
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->Name(), "Dialog5");
  EXPECT_EQ(pasted->Parent(), &form.Screen());
  EXPECT_TRUE(pasted->Children().empty());
  EXPECT_EQ(pasted->Title(), "Ask");
  EXPECT_EQ(dialog->Children().size(), 3u);
  // Like a placed dialog, it becomes the shown one, with the screen's grid.
  EXPECT_EQ(form.ShownDialog(), pasted);
  EXPECT_EQ(pasted->Tag(), 1);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(dialog->Tag(), 0);
  EXPECT_EQ(form.SnapDialog().SnapToGridWindow(), pasted);
  EXPECT_EQ(pasted->GridVisible(), 1);
  EXPECT_EQ(pasted->GridSpace(), 6);
  EXPECT_EQ(state.current_control.Get(), pasted);
}

TEST_F(ClipboardTest, PastingWhileADialogIsCurrentPutsTheControlInsideAtTheCopiedPlace) {
  TChildFrm& form = NewForm(kPT);
  TControl* button = Place(form, B::kButton, 20, 20);
  ASSERT_EQ(button->Parent(), &form.Screen());
  ASSERT_EQ(button->PalmForm(), &form.Screen());
  TControl* dialog = Place(form, B::kDialog, 0, 0);
  Select(form, *button);
  clipboard.Copy();
  Select(form, *dialog);
  clipboard.Paste();
  ASSERT_EQ(dialog->Children().size(), 1u);
  TControl* pasted = dialog->Children().front().get();
  EXPECT_EQ(pasted->Name(), "Button3");
  EXPECT_EQ(pasted->Left(), button->Left());
  EXPECT_EQ(pasted->Top(), button->Top());
  // PalmForm follows the new parent.
  EXPECT_EQ(pasted->PalmForm(), dialog);
  EXPECT_EQ(pasted->SelectColor(), 255u);  // marked as a control inside a dialog

  // And back out: a control copied inside the dialog pastes onto the screen with the
  // screen as its PalmForm.
  Select(form, *pasted);
  clipboard.Copy();
  Select(form, form.Client());
  clipboard.Paste();
  TControl* out = form.Screen().Children().back().get();
  EXPECT_EQ(out->Name(), "Button4");
  EXPECT_EQ(out->PalmForm(), &form.Screen());
}

TEST_F(ClipboardTest, APastedControlIsNamedAfterItsKindWhateverShortNamesSay) {
  struct Case {
    LibraryId lib;
    PaletteButton button;
    const char* placed;
    const char* pasted;
  };
  for (Case c :
       {Case{kCC, B::kLabel, "Lb1", "Label2"}, Case{kPT, B::kPopTrigger, "Pt3", "PopTrigger4"},
        Case{kCC, B::kEditLine, "El5", "EditLine6"}, Case{kPT, B::kGsi, "GSI7", "GSI8"}}) {
    state.short_names = true;
    TChildFrm& form = NewForm(c.lib);
    TControl* placed = Place(form, c.button, 10, 10);
    EXPECT_EQ(placed->Name(), c.placed);
    clipboard.Copy();
    clipboard.Paste();
    EXPECT_EQ(state.current_control.Get()->Name(), c.pasted);
  }
}

TEST_F(ClipboardTest, MenusAndTheMenuBarAreLeftAlone) {
  TChildFrm& form = NewForm(kCC);
  TControl* label = Place(form, B::kLabel, 10, 10);
  Select(form, *label);
  clipboard.Copy();
  const auto copied = ui.clipboard_;
  TControl* menu = Place(form, B::kMenu, 50, 80);
  ASSERT_NE(As<TCCMenu>(menu), nullptr);
  TCCMenuBar* bar = FindMenuBar(form);
  ASSERT_NE(bar, nullptr);
  for (TControl* selected : {menu, static_cast<TControl*>(bar)}) {
    state.current_control.Reset(selected);
    std::string before = DumpForm(form);
    ui.clipboard_.clear();
    clipboard.Copy();
    clipboard.Cut();
    EXPECT_TRUE(ui.clipboard_.empty());
    ui.clipboard_ = copied;
    clipboard.Paste();
    EXPECT_EQ(DumpForm(form), before);
    EXPECT_EQ(state.current_control.Get(), selected);
  }
}

TEST_F(ClipboardTest, CopyAndCutLeaveTheFormAloneButPasteWorksOnIt) {
  TChildFrm& form = NewForm(kPT);
  TControl* label = Place(form, B::kLabel, 10, 10);
  clipboard.Copy();
  const auto copied = ui.clipboard_;
  designer.ShowFormProperties(form);
  ui.clipboard_.clear();
  clipboard.Copy();
  clipboard.Cut();
  EXPECT_TRUE(ui.clipboard_.empty());
  EXPECT_EQ(form.Screen().Children().size(), 1u);
  ui.clipboard_ = copied;
  clipboard.Paste();
  ASSERT_EQ(form.Screen().Children().size(), 2u);
  EXPECT_EQ(form.Screen().Children().back()->Name(), "Label2");
  EXPECT_EQ(label->Name(), "Label1");
}

TEST_F(ClipboardTest, NothingWithoutACurrentControlOrWindow) {
  TChildFrm& form = NewForm(kCC);
  Place(form, B::kButton, 10, 10);
  clipboard.Copy();
  const auto copied = ui.clipboard_;
  state.current_control.Reset();
  ui.clipboard_.clear();
  clipboard.Copy();
  clipboard.Cut();
  EXPECT_TRUE(ui.clipboard_.empty());
  ui.clipboard_ = copied;
  state.current_window.Reset();
  std::string before = DumpForm(form);
  clipboard.Paste();
  EXPECT_EQ(DumpForm(form), before);
}

TEST_F(ClipboardTest, ACControlsButtonPastedIntoPToolboxBecomesASelect) {
  TChildFrm& cc = NewForm(kCC);
  auto* button = As<TCCButton>(Place(cc, B::kButton, 20, 30));
  ASSERT_NE(button, nullptr);
  button->SetContent("Pick");
  clipboard.Copy();
  TChildFrm& pt = NewForm(kPT);
  clipboard.Paste();
  auto* select = As<TCCButton>(pt.Screen().Children().back().get());
  ASSERT_NE(select, nullptr);
  EXPECT_EQ(select->Name(), "Select2");
  EXPECT_TRUE(select->IsSelect());
  EXPECT_EQ(select->Content(), "Pick");
  EXPECT_EQ(select->Radius(), 0);
  EXPECT_EQ(select->Line(), 2);
  EXPECT_EQ(select->PalmForm(), &pt.Screen());
  EXPECT_EQ(ListTexts(pt).front(), "Select2: Select");

  // And back: the Select is a plain Button in CControls, not one that sizes itself.
  clipboard.Copy();
  designer.Activate(cc);
  state.library = kCC;
  clipboard.Paste();
  TControl* plain = cc.Screen().Children().back().get();
  EXPECT_EQ(plain->Name(), "Button3");
  EXPECT_EQ(plain->Tag(), 0);
  EXPECT_EQ(plain->PalmForm(), nullptr);
  EXPECT_EQ(ListTexts(cc),
            (std::vector<std::string>{"Button1: Button", "Button3: Button", "Form1: Form"}));
}

TEST_F(ClipboardTest, AClassTheLibraryHasNoKindForIsRefused) {
  TChildFrm& pt = NewForm(kPT);
  Place(pt, B::kEdit, 10, 10);  // a Field
  clipboard.Copy();
  TChildFrm& cc = NewForm(kCC);
  TControl* current = state.current_control.Get();
  std::string before = DumpForm(cc);
  EXPECT_EQ(Refusal([&] { clipboard.Paste(); }),
            "A TPTEdit cannot be pasted into a CControls project.");
  EXPECT_EQ(DumpForm(cc), before);
  EXPECT_EQ(state.current_control.Get(), current);
}

TEST_F(ClipboardTest, ANameTheFormAlreadyHoldsStopsThePaste) {
  TChildFrm& form = NewForm(kCC);
  TControl* label = Place(form, B::kLabel, 10, 10);
  clipboard.Copy();
  label->SetName("copiado");
  std::string before = DumpForm(form);
  EXPECT_EQ(Refusal([&] { clipboard.Paste(); }), "A component named Copiado already exists");
  EXPECT_EQ(DumpForm(form), before);

  // After a cut, the cut control's own name counts.
  TChildFrm& other = NewForm(kCC);
  TControl* second = Place(other, B::kButton, 10, 10);
  ASSERT_EQ(second->Name(), "Button2");
  Place(form, B::kButton, 30, 30)->SetName("Button2");
  clipboard.Cut();  // the renamed button of `form`, now current
  designer.Activate(other);
  EXPECT_EQ(Refusal([&] { clipboard.Paste(); }), "A component named Button2 already exists");
  EXPECT_EQ(other.Screen().Children().size(), 1u);
  // A window part's name counts as well.
  ui.clipboard_ = {{kControlClipboardMime, WriteClipboardControl(*second, "panScreen")}};
  EXPECT_EQ(Refusal([&] { clipboard.Paste(); }), "A component named panScreen already exists");
}

TEST_F(ClipboardTest, ContentThatCannotBeReadChangesNothing) {
  TChildFrm& form = NewForm(kPT);
  TControl* label = Place(form, B::kLabel, 10, 10);
  clipboard.Copy();
  std::string good = ClipboardText();
  std::string before = DumpForm(form);
  const std::string bad[] = {
      "garbage",
      good.substr(0, good.size() / 2),
      std::regex_replace(good, std::regex("Version=1"), "Version=7"),
      std::regex_replace(good, std::regex("Class=TPTLabel"), "Class=TPTGauge"),
      std::regex_replace(good, std::regex("\r\nTop=\\d+"), "\r\nTop=0x1G"),
  };
  for (const std::string& text : bad) {
    ui.clipboard_ = {{kControlClipboardMime, text}};
    EXPECT_NE(Refusal([&] { clipboard.Paste(); }), "") << text;
    EXPECT_EQ(DumpForm(form), before);
    EXPECT_EQ(state.current_control.Get(), label);
  }
  EXPECT_EQ(state.control_counter, 1);
}

TEST_F(ClipboardTest, AnEmptyOrForeignClipboardPastesNothing) {
  TChildFrm& form = NewForm(kCC);
  TControl* label = Place(form, B::kLabel, 10, 10);
  std::string before = DumpForm(form);
  for (std::vector<ClipboardEntry> content :
       {std::vector<ClipboardEntry>{}, {{"text/plain", "Label1"}}, {{kControlClipboardMime, ""}}}) {
    ui.clipboard_ = content;
    clipboard.Paste();
    EXPECT_EQ(DumpForm(form), before);
    EXPECT_EQ(state.current_control.Get(), label);
  }
}

TEST_F(ClipboardTest, TheControlKeepsItsNameWhenTheClipboardCannotBeWritten) {
  struct BusyClipboard : FakeUi {
    void SetClipboard(const std::vector<ClipboardEntry>&) override {
      throw UserError("The clipboard is busy");
    }
  } busy;
  ControlClipboard failing{state, busy, designer};
  TChildFrm& form = NewForm(kCC);
  TControl* button = Place(form, B::kButton, 10, 10);
  EXPECT_EQ(Refusal([&] { failing.Copy(); }), "The clipboard is busy");
  EXPECT_EQ(button->Name(), "Button1");
  EXPECT_EQ(Refusal([&] { failing.Cut(); }), "The clipboard is busy");
  EXPECT_EQ(form.FindControl("Button1"), button);
  EXPECT_EQ(state.current_control.Get(), button);
}

// Every kind of both libraries but the menus, placed from the palette, copied and pasted.
TEST_F(ClipboardTest, EveryKindPastesWithTheSameProperties) {
  for (LibraryId lib : {kCC, kPT}) {
    for (const KindInfo& kind : KindsOf(lib)) {
      if (kind.button == PaletteButton::kNone || kind.button == B::kMenu) continue;
      SCOPED_TRACE(kind.kind);
      TChildFrm& form = NewForm(lib);
      TControl* placed = Place(form, kind.button, 30, 40);
      ASSERT_NE(placed, nullptr);
      clipboard.Copy();
      clipboard.Paste();
      TControl* pasted = state.current_control.Get();
      ASSERT_NE(pasted, placed);
      EXPECT_EQ(pasted->Name(), kind.kind + std::to_string(state.control_counter));
      EXPECT_EQ(ListTexts(form).back(), "Form" + std::to_string(state.form_counter) + ": Form");
      EXPECT_NE(std::find(ListTexts(form).begin(), ListTexts(form).end(),
                          pasted->Name() + ": " + kind.kind),
                ListTexts(form).end());
      if (kind.cls == ControlClass::kPTDialog) {
        // The placed dialog was hidden when the pasted one was shown.
        placed->SetVisible(true);
        placed->SetTag(1);
      }
      EXPECT_EQ(Props(*pasted), Props(*placed));
    }
  }
}

}  // namespace
}  // namespace qb::test
