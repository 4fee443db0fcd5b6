#include "codegen/cc_demo_project.h"

#include "codegen/cc_place.h"

namespace qb::test {

namespace {

void BuildForm1(TChildFrm& form) {
  NameForm(form, "Form1", "Welcome");
  TCCForm& screen = form.Screen();

  auto& button1 = PlaceButton(screen, "Button1", 10, 20);
  button1.SetShowForm("Form2");
  button1.SetFontName(kPilotBold);

  auto& label2 = PlaceLabel(screen, "Label2", 10, 40);
  label2.SetContent("Say \"hi\"");
  label2.SetAlignment(TextAlign::kCenter);
  label2.SetFontName(kPilotLarge);

  auto& check3 = PlaceCheckBox(screen, "CheckBox3", 60, 40);
  check3.SetState(1);
  check3.SetFontName(kPilotBold12);

  PlaceSwitch(screen, "Switch4", 100, 20);

  auto& edit5 = PlaceEdit(screen, "Edit5", 10, 60);
  edit5.SetAlignment(TextAlign::kRight);
  edit5.SetFontName(kPilotBold);  // an Edit's content never carries a font code
  edit5.SetTopic("Name:");

  auto& line6 = PlaceEditLine(screen, "EditLine6", 50, 60);
  line6.SetLine(1);
  line6.SetStyle(2);

  PlaceListBox(screen, "ListBox7", 10, 80);
  PlaceDropDown(screen, "DropDown8", 60, 80);
  PlaceRadio(screen, "Radio9", 100, 80).SetSelectedItem(2);
  PlacePopUp(screen, "PopUp10", 10, 100);

  auto& image11 = PlaceImage(screen, "Image11", 120, 100);
  image11.SetWidth(10);
  image11.SetHeight(3);
  image11.SetStringBits("ffc801ffc");

  auto& image12 = PlaceImage(screen, "Image12", 140, 100);
  image12.SetTag(0);
  image12.SetWidth(8);
  image12.SetHeight(2);
  image12.SetStringBits("ff81");

  auto& table13 = PlaceTable(screen, "Table13", 10, 120);
  table13.SetItems({"Name~Qty~Price", "Tea~2"});
  table13.SetColWidths({"35", "15", "25"});
  table13.SetColAlign({"0", "2", "1"});

  auto& dialog14 = PlaceDialog(form, "Dialog14");
  dialog14.SetTitle("Options");
  PlaceButton(dialog14, "Button15", 10, 10).SetContent("OK");
  auto& image16 = PlaceImage(dialog14, "Image16", 100, 10);
  image16.SetTag(0);
  image16.SetWidth(10);
  image16.SetHeight(3);
  image16.SetStringBits("0f00f00f0");
  PlaceLabel(dialog14, "Label17", 10, 30);
  PlaceImage(dialog14, "Image18", 120, 30);

  // Placing it hides Dialog14, which is generated all the same.
  auto& dialog19 = PlaceDialog(form, "Dialog19");
  dialog19.SetUserTop(20);
  dialog19.SetUserLeft(10);
  dialog19.SetUserHeight(40);
  dialog19.SetUserWidth(100);

  PlaceButton(screen, "Button20", 120, 140).SetContent("Go");

  auto& menu21 = PlaceMenu(form, "Menu21");
  menu21.SetTopic("File");
  menu21.SetItems({"Open", "Save"});
  auto& menu22 = PlaceMenu(form, "Menu22");
  menu22.SetTopic("Edit");
  menu22.SetItems({"Copy"});
  menu22.SetUserLeft(45);
  menu22.SetTopicWidth(30);
  menu22.SetUserWidth(50);
}

void BuildForm2(TChildFrm& form) {
  NameForm(form, "Form2", "Second");
  auto& button23 = PlaceButton(form.Screen(), "Button23", 50, 70);
  button23.SetShowForm("Form1");
  button23.SetContent("Back");
  PlaceLabel(form.Screen(), "Label24", 50, 100);
}

}  // namespace

GeneratorInput DemoProject::Input(bool memo) const {
  GeneratorInput input;
  input.forms = {form1.get(), form2.get()};
  input.first_form = form1.get();
  input.project_name = "Demo";
  input.memo = memo;
  return input;
}

DemoProject BuildDemoProject() {
  DemoProject project{std::make_unique<TChildFrm>(), std::make_unique<TChildFrm>()};
  BuildForm1(*project.form1);
  BuildForm2(*project.form2);
  return project;
}

}  // namespace qb::test
