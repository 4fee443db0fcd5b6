#include "pt_demo.h"

#include "form/shown_dialog.h"
#include "model/font.h"
#include "pt_builder.h"

namespace qb::test::pt {

namespace {

constexpr Color kYellow = 65535;
constexpr Color kLime = 65280;
constexpr Color kAqua = 16776960;
constexpr Color kUnnamed = 1234567;

std::unique_ptr<TChildFrm> BuildMain() {
  auto main = NewForm("Main", "Main Form");
  TCCForm& screen = main->Screen();
  screen.SetColorFormFrame(kNavy);

  auto& button = PlaceButton(*main, screen, "Button1", 5, 20);
  button.SetFrame(1);
  button.SetShowForm("Second");
  button.SetColorFill(kYellow);
  button.SetColorText(kBlue);
  button.SetFontName(kPilotBold);

  auto& repeat = PlaceButton(*main, screen, "Repeat2", 50, 20);
  repeat.SetButtonType(1);
  repeat.SetFrame(2);
  repeat.SetText("More");

  auto& date = PlaceSelect(*main, screen, "Date3", 5, 40);
  date.SetContent("Pick date");
  date.SetDOTPicker(1);
  date.SetDOTFormat(17);
  date.SetDOTTitle("Choose a date");
  date.SetDOTColors("Navy,Silver,Black,White,Red,Blue,Yellow");

  auto& time = PlaceSelect(*main, screen, "Time4", 60, 40);
  time.SetAlignment(TextAlign::kRight);
  time.SetDOTPicker(2);
  time.SetDOTFormat(5);
  time.SetDOTColors("Black,Grey");
  time.SetColorFill(kLime);
  time.SetColorText(kMaroon);

  auto& push = PlacePush(*main, screen, "Push5", 5, 60);
  push.SetTag(10);
  push.SetState(1);

  auto& check = PlaceCheckBox(*main, screen, "Check6", 40, 60);
  check.SetFontName(kPilotLarge);

  auto& label = PlaceLabel(*main, screen, "Label7", 5, 80);
  label.SetContent("Name:");
  label.SetColorText(kRed);

  auto& field = PlaceField(*main, screen, "Field8", 40, 78);
  field.SetSingleLine(1);
  field.SetNumbersOnly(1);
  field.SetColorLines(kUnnamed);
  field.SetColorCaret(kRed);

  auto& pop = PlacePopTrigger(*main, screen, "Pop9", 5, 100);
  pop.SetText("Colour");

  auto& colours = PlaceList(*main, screen, "List10", 40, 100);
  colours.SetItems({"Red", "Green", "Blue"});
  colours.SetTrigger("Pop9");

  auto& empty_list = PlaceList(*main, screen, "List11", 90, 100);
  empty_list.SetItems({});
  empty_list.SetMaxItems(3);

  auto& radio = PlaceRadio(*main, screen, "Radio12", 5, 125);
  radio.SetWidth(61);
  radio.SetSelectedItem(1);
  radio.SetFontName(kPilotBold);

  auto& bitmap = PlaceBitmap(*main, screen, "Bitmap13", 120, 125);
  bitmap.SetWidth(10);
  bitmap.SetHeight(4);
  bitmap.SetStringBits("ffc080408040ffc0");
  bitmap.SetColorFore(kGreen);

  PlaceGsi(*main, screen, "GSI14", 150, 148);

  auto& dialog = PlaceDialog(*main, "Dialog15");
  dialog.SetTitle("Options");
  dialog.SetColorDialogFrame(kBlue);
  dialog.SetColorDialogFill(kAqua);

  auto& ok = PlaceButton(*main, dialog, "OK16", 10, 55);
  ok.SetText("OK");

  auto& quoted = PlaceLabel(*main, dialog, "Label17", 10, 20);
  quoted.SetContent("Say \"hi\"");
  quoted.SetFontName(kPilotBold12);

  auto& read_only = PlaceField(*main, dialog, "Field18", 10, 35);
  read_only.SetWidth(80);
  read_only.SetText("");
  read_only.SetMaxChars(40);
  read_only.SetJustification(1);
  read_only.SetUnderline(1);
  read_only.SetEditable(1);

  // The dialog is generated although the designer no longer shows it.
  HideShownDialog(*main);
  return main;
}

std::unique_ptr<TChildFrm> BuildSecond() {
  auto second = NewForm("Second", "Second");
  TCCForm& screen = second->Screen();

  auto& back = PlaceButton(*second, screen, "Back19", 5, 140);
  back.SetText("Back");
  back.SetShowForm("Main");
  back.SetFrame(3);

  auto& label = PlaceLabel(*second, screen, "Label20", 5, 20);
  label.SetContent("Done");

  auto& radio = PlaceRadio(*second, screen, "Radio21", 100, 20);
  radio.SetItems({"X", "Y"});
  radio.SetTag(2);
  radio.SetOrientation(1);
  return second;
}

}  // namespace

GeneratorInput DemoProject::Input(bool memo, bool color) const {
  GeneratorInput input;
  for (const auto& form : forms) input.forms.push_back(form.get());
  input.first_form = forms.front().get();
  input.project_name = "Demo";
  input.memo = memo;
  input.color = color;
  return input;
}

DemoProject BuildDemoProject() {
  DemoProject project;
  project.forms.push_back(BuildMain());
  project.forms.push_back(BuildSecond());
  return project;
}

}  // namespace qb::test::pt
