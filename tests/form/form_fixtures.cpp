#include "form_fixtures.h"

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCLabel.h"
#include "controls/CCListBox.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/CCPopUp.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/CCTable.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTGsi.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"

namespace qb::test {

namespace {

// A control as the reader leaves it: named, on its parent, white, and for PToolboxLib
// kinds with PalmForm tied to its panel.
template <class T>
T& Add(TChildFrm& form, TControl& parent, const std::string& name, bool palm_form = false) {
  auto owned = std::make_unique<T>(&form.Document());
  owned->SetName(name);
  T& c = static_cast<T&>(*parent.AddChild(std::move(owned)));
  c.SetColor(kWhite);
  if (palm_form) c.SetPalmForm(&parent);
  return c;
}

Font FontOf(const char* name, int size = 8, bool bold = false) {
  Font f;
  f.name = name;
  f.size = size;
  f.bold = bold;
  return f;
}

void AddCControlsScreen(TChildFrm& form) {
  TCCForm& screen = form.Screen();
  auto& ok = Add<TCCButton>(form, screen, "btnOk");
  ok.SetContent("OK");
  ok.SetBounds(9, 19, 40, 14);
  ok.SetRadius(3);
  ok.SetLine(2);
  ok.SetFont(FontOf(kPilotBold, 9, true));
  ok.SetShowForm("Second");

  auto& right = Add<TCCLabel>(form, screen, "lblRight");
  right.SetContent("Total:");
  right.SetBounds(5, 40, 40, 13);
  right.SetFont(StandardFont());
  right.SetLine(0);
  right.SetAlignment(TextAlign::kRight);
  right.SetStyle(0);

  auto& agree = Add<TCCCheckbox>(form, screen, "chkAgree");
  agree.SetContent("I agree");
  agree.SetBounds(5, 55, 50, 13);
  agree.SetFont(StandardFont());
  agree.SetState(1);

  auto& mode = Add<TCCSwitch>(form, screen, "swMode");
  mode.SetContent("Mode");
  mode.SetBounds(60, 55, 38, 14);
  mode.SetFont(StandardFont());
  mode.SetRadius(0);
  mode.SetLine(1);
  mode.SetState(1);

  auto& notes = Add<TCCEdit>(form, screen, "edNotes");
  notes.SetContent("Notes here");
  notes.SetBounds(5, 70, 80, 13);
  notes.SetFont(StandardFont());
  notes.SetStyle(2);
  notes.SetLine(2);
  notes.SetAlignment(TextAlign::kCenter);
  notes.SetTopic("Notes");

  auto& line = Add<TCCEdit>(form, screen, "elName");
  line.SetTag(kEditLineTag);
  line.SetContent("Name");
  line.SetBounds(90, 70, 60, 13);
  line.SetFont(StandardFont());
  line.SetStyle(1);
  line.SetLine(1);

  auto& colours = Add<TCCListBox>(form, screen, "lbColours");
  colours.SetItems({"Red", "Green", "Blue"});
  colours.SetBounds(5, 85, 50, 35);
  colours.SetSelectedItem(1);
  colours.SetFont(StandardFont());

  auto& size = Add<TCCDropDown>(form, screen, "ddSize");
  size.SetItems({"Small", "Large"});
  size.SetBounds(60, 85, 39, 14);
  size.SetVisibleItems(2);
  size.SetSelectedItem(0);
  size.SetTestItems(1);
  size.SetFontName(kPilotStandard);

  auto& level = Add<TCCRadio>(form, screen, "rdLevel");
  level.SetItems({"A", "B", "C"});
  level.SetBounds(5, 125, 31, 14);
  level.SetSelectedItem(2);
  level.SetFont(StandardFont());

  auto& pick = Add<TCCPopUp>(form, screen, "puPick");
  pick.SetItems({"One", "Two"});
  pick.SetBounds(100, 100, 37, 25);
  pick.SetSelectedItem(0);
  pick.SetFont(StandardFont());
  pick.SetTest(1);

  auto& logo = Add<TCCBitmap>(form, screen, "imgLogo");
  logo.SetStringBits("F00F9009");
  logo.SetBounds(120, 20, 8, 4);
  logo.SetTag(0);

  auto& scores = Add<TCCTable>(form, screen, "tbScores");
  scores.SetBounds(40, 120, 77, 24);
  scores.SetCols(2);
  scores.SetSelectedRow(1);
  scores.SetItems({"Ann~10", "Bob~7"});
  scores.SetColWidths({"40", "35"});
  scores.SetColAlign({"0", "2"});
  scores.SetFontName(kPilotStandard);
}

void AddCControlsDialogs(TChildFrm& form) {
  TCCForm& screen = form.Screen();
  auto& ask = Add<TPTDialog>(form, screen, "dlgAsk");
  ask.SetTitle("Question");
  ask.SetBounds(3, 58, 156, 84);
  ask.SetTag(1);
  form.SetShownDialog(&ask);

  auto& yes = Add<TCCButton>(form, ask, "btnYes");
  yes.SetContent("Yes");
  yes.SetBounds(10, 40, 30, 14);
  yes.SetRadius(4);
  yes.SetLine(1);
  yes.SetFont(StandardFont());
  yes.SetShowForm("(None)");

  auto& inner = Add<TCCTable>(form, ask, "tbInner");
  inner.SetBounds(60, 20, 50, 13);
  inner.SetCols(1);
  inner.SetSelectedRow(0);
  inner.SetItems({"x"});
  inner.SetColWidths({"48"});
  inner.SetColAlign({"1"});
  inner.SetFontName(kPilotStandard);

  auto& hidden = Add<TPTDialog>(form, screen, "dlgHidden");
  hidden.SetTitle("Hidden");
  hidden.SetBounds(20, 30, 100, 60);
  hidden.SetTag(0);
  hidden.SetVisible(false);

  auto& inside = Add<TCCLabel>(form, hidden, "lblInside");
  inside.SetContent("Inside");
  inside.SetBounds(4, 4, 34, 13);
  inside.SetFont(StandardFont());
  inside.SetLine(1);
  inside.SetStyle(1);
}

// Menus in the order of their setters as the reader applies them, closed by the bar.
TCCMenu& AddMenu(TChildFrm& form, const std::string& name, const StringList& items, int user_width,
                 int user_left, const std::string& topic, int topic_width) {
  auto& menu = Add<TCCMenu>(form, form.Client(), name);
  menu.SetItems(items);
  menu.SetUserWidth(user_width);
  menu.SetUserLeft(user_left);
  menu.SetTest(0);
  menu.SetTopic(topic);
  menu.SetTopicWidth(topic_width);
  menu.SetTop(TChildFrm::kScreenTop);
  menu.SetVisible(false);
  return menu;
}

void AddCControlsMenus(TChildFrm& form) {
  AddMenu(form, "mnFile", {"Open", "Save"}, 40, 9, "File", 20);
  AddMenu(form, "mnEdit", {"Copy"}, 30, 30, "Edit", 20);
  auto& bar = Add<TCCMenuBar>(form, form.Client(), "MenuBarMain");
  bar.SetTest(0);
  bar.SetBounds(TChildFrm::kScreenLeft, TChildFrm::kScreenTop, bar.Width(), bar.Height());
}

void AddPToolboxScreen(TChildFrm& form) {
  TCCForm& screen = form.Screen();
  auto& go = Add<TPTButton>(form, screen, "btnGo", true);
  go.SetText("Go");
  go.SetBounds(18, 28, 46, 17);
  go.SetFrame(1);
  go.SetFont(FontOf(kPilotBold));
  go.SetButtonType(1);
  go.SetShowForm("(None)");
  go.SetColorFill(65280);
  go.SetColorText(kBlue);

  auto& one = Add<TCCSwitch>(form, screen, "pbOne", true);
  one.SetContent("One");
  one.SetBounds(5, 50, 30, 15);
  one.SetFont(StandardFont());
  one.SetState(1);
  one.SetTag(2);

  auto& date = Add<TCCButton>(form, screen, "slDate", true);
  date.SetTag(kSelectTag);
  date.SetContent("Pick");
  date.SetBounds(50, 50, 40, 15);
  date.SetFont(StandardFont());
  date.SetAlignment(TextAlign::kRight);
  date.SetDOTPicker(1);
  date.SetDOTFormat(10);
  date.SetDOTTitle("Choose date");
  date.SetDOTColors("Red,White,Black,White,Black,White,Blue");
  date.SetRadius(0);
  date.SetLine(2);

  auto& red = Add<TPTCheckbox>(form, screen, "cbRed", true);
  red.SetContent("Red");
  red.SetBounds(5, 70, 40, 15);
  red.SetFont(StandardFont());
  red.SetGroupNumber(3);
  red.SetColorText(kRed);

  auto& title = Add<TPTLabel>(form, screen, "lbTitle", true);
  title.SetContent("Settings");
  title.SetBounds(10, 18, 32, 13);
  title.SetFont(FontOf(kPilotLarge));
  title.SetColorText(kGray);

  auto& items = Add<TPTList>(form, screen, "lsItems", true);
  items.SetItems({"a", "b", "c"});
  items.SetBounds(100, 30, 40, 25);
  items.SetMaxItems(3);
  items.SetSelectedItem(1);
  items.SetStyle(1);
  items.SetTrigger("ptOpen");
  items.SetFont(StandardFont());

  auto& open = Add<TPTPopTrigger>(form, screen, "ptOpen", true);
  open.SetText("Open");
  open.SetBounds(100, 70, 34, 15);
  open.SetFont(StandardFont());

  auto& name = Add<TPTEdit>(form, screen, "flName");
  name.SetText("Bob");
  name.SetBounds(5, 90, 60, 15);
  name.SetFont(StandardFont());
  name.SetSingleLine(1);
  name.SetUnderline(1);
  name.SetEditable(1);
  name.SetMaxChars(30);
  name.SetColorCaret(kRed);
  name.SetColorLines(kGreen);
}

void AddPToolboxDialog(TChildFrm& form) {
  TCCForm& screen = form.Screen();
  auto& opts = Add<TPTDialog>(form, screen, "dlgOpts");
  opts.SetTitle("Options");
  opts.SetBounds(3, 58, 156, 84);
  opts.SetTag(1);
  opts.SetColorDialogFrame(kMaroon);
  opts.SetColorSelectedFill(kBlack);
  form.SetShownDialog(&opts);

  auto& shift = Add<TPTGsi>(form, opts, "gsiShift", true);
  shift.SetBounds(140, 70, shift.Width(), shift.Height());

  auto& which = Add<TCCRadio>(form, opts, "rdWhich", true);
  which.SetItems({"A", "B"});
  which.SetOrientation(1);
  which.SetBounds(10, 20, 20, 27);
  which.SetTag(1);
  which.SetSelectedItem(1);
  which.SetFont(StandardFont());

  auto& icon = Add<TCCBitmap>(form, screen, "bmIcon", true);
  icon.SetStringBits("FF00FF00");
  icon.SetBounds(130, 5, 8, 4);
  icon.SetColorFore(kRed);
}

}  // namespace

Font StandardFont() { return FontOf(kPilotStandard); }

std::string FormDataPath(const std::string& name) {
  return std::string(QB_TEST_DATA_DIR) + "/forms/" + name;
}

std::unique_ptr<TChildFrm> CControlsAllKinds() {
  auto form = std::make_unique<TChildFrm>();
  form->SetName("Main");
  form->SetWindowPos(30, 12);
  form->Screen().SetTitle("Main form");
  AddCControlsScreen(*form);
  AddCControlsDialogs(*form);
  AddCControlsMenus(*form);
  form->RebuildControlList(LibraryId::kCControls);
  return form;
}

std::unique_ptr<TChildFrm> PToolboxAllKinds() {
  auto form = std::make_unique<TChildFrm>();
  form->SetName("Setup");
  TCCForm& screen = form->Screen();
  screen.SetTitle("Setup");
  screen.SetColorFormFill(kSilver);
  screen.SetColorFormFrame(kNavy);
  screen.SetColorSelectedFill(kRed);
  screen.SetColorSelectedFore(kWhite);
  screen.SetColorFrame(kBlack);
  screen.SetColorFill(65535);
  screen.SetColorText(kMaroon);
  AddPToolboxScreen(*form);
  AddPToolboxDialog(*form);
  form->RebuildControlList(LibraryId::kPToolboxLib);
  return form;
}

}  // namespace qb::test
