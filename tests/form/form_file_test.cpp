// The form reader and writer on the cases that catch real faults.

#include "form/form_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "controls/CCButton.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCLabel.h"
#include "controls/CCListBox.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/CCRadio.h"
#include "controls/CCTable.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "form/app_state.h"
#include "form/form_lookup.h"
#include "support/cpu_timer.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;

struct Read {
  std::unique_ptr<TChildFrm> form = std::make_unique<TChildFrm>();
  AppState state;
  FormReadResult result;
  TControl* operator[](const std::string& name) const { return form->FindControl(name); }
};

// Reads a form file given as text with "\n" line ends.
std::unique_ptr<Read> ReadText(LibraryId lib, const std::string& text,
                               Color control_color = kWhite) {
  auto read = std::make_unique<Read>();
  read->state.control_color = control_color;
  read->form->SetName("Form1");
  IniFile ini;
  ini.Parse(text);
  read->result = ReadFormFromIni(lib, *read->form, ini, read->state);
  return read;
}

template <class T>
T& Place(TChildFrm& form, TControl& parent, const std::string& name) {
  auto owned = std::make_unique<T>(&form.Document());
  owned->SetName(name);
  return static_cast<T&>(*parent.AddChild(std::move(owned)));
}

// ---- Encodings of single keys ----

TEST(FormFileAlignment, LabelAndEditUseZeroLeftOneCentreTwoRight) {
  TChildFrm form;
  auto& right = Place<TCCLabel>(form, form.Screen(), "Label1");
  right.SetAlignment(TextAlign::kRight);
  auto& centre = Place<TCCEdit>(form, form.Screen(), "Edit1");
  centre.SetAlignment(TextAlign::kCenter);
  IniFile ini = WriteFormToIni(kCC, form);
  EXPECT_EQ(ini.ReadString("Label1", "Alignment", ""), "2");
  EXPECT_EQ(ini.ReadString("Edit1", "Alignment", ""), "1");

  auto read = ReadText(kCC, ini.Text());
  EXPECT_EQ((*read)["Label1"]->Alignment(), TextAlign::kRight);
  EXPECT_EQ((*read)["Edit1"]->Alignment(), TextAlign::kCenter);
}

TEST(FormFileAlignment, SelectUsesTheToolkitNumberingAndOutOfRangeMeansLeft) {
  auto read = ReadText(kPT,
                       "[S1]\nControl=Select\nName=S1\nAlign=1\n"
                       "[S2]\nControl=Select\nName=S2\nAlign=2\n"
                       "[S3]\nControl=Select\nName=S3\nAlign=7\n"
                       "[L1]\nControl=Label\nName=L1\nAlignment=9\n");
  EXPECT_EQ((*read)["S1"]->Alignment(), TextAlign::kRight);
  EXPECT_EQ((*read)["S2"]->Alignment(), TextAlign::kCenter);
  EXPECT_EQ((*read)["S3"]->Alignment(), TextAlign::kLeft);
  auto cc = ReadText(kCC, "[L1]\nControl=Label\nName=L1\nAlignment=9\n");
  EXPECT_EQ((*cc)["L1"]->Alignment(), TextAlign::kLeft);
}

TEST(FormFileColour, APToolboxCheckBoxWithRedTextIsWrittenAs255) {
  TChildFrm form;
  Place<TPTCheckbox>(form, form.Screen(), "CheckBox1").SetColorText(kRed);
  IniFile ini = WriteFormToIni(kPT, form);
  EXPECT_EQ(ini.ReadString("CheckBox1", "ColorText", ""), "255");
  auto read = ReadText(kPT, ini.Text());
  EXPECT_EQ(As<TPTCheckbox>((*read)["CheckBox1"])->ColorText(), kRed);
}

TEST(FormFileInteger, AHexadecimalTopReadsAsItsValue) {
  auto read = ReadText(kCC, "[B]\nControl=Button\nName=B\nTop=0x1A\nLeft=$10\nWidth=junk\n");
  EXPECT_EQ((*read)["B"]->Top(), 26);
  EXPECT_EQ((*read)["B"]->Left(), 16);
  EXPECT_EQ((*read)["B"]->Width(), 34) << "an unreadable integer takes its default";
}

TEST(FormFileInteger, HugeValuesAreHeldToTheDeviceRange) {
  auto read = ReadText(kCC,
                       "[L]\nControl=ListBox\nName=L\nLeft=999999999\nTop=-999999999\n"
                       "VisibleItems=2147483647\n"
                       "[M]\nControl=Menu\nName=M\nLeft=-2147483648\nWidth=2147483647\n");
  TControl* list = (*read)["L"];
  EXPECT_EQ(list->Left(), 65535);
  EXPECT_EQ(list->Top(), -32768);
  EXPECT_EQ(list->Height(), 65535 * 11 + 2);
  auto* menu = As<TCCMenu>((*read)["M"]);
  EXPECT_EQ(menu->UserLeft(), -32768);
  EXPECT_EQ(menu->UserWidth(), 65535);
}

TEST(FormFileFont, TwoFieldsSetNameAndSizeAndLeaveTheRestAsCreated) {
  auto read = ReadText(kCC, "[B]\nControl=Button\nName=B\nFont=PilotBold,9\n");
  Font expected;  // as the constructor made it
  expected.name = kPilotBold;
  expected.size = 9;
  EXPECT_EQ((*read)["B"]->Font(), expected);
}

TEST(FormFileFont, AMissingFontKeyLeavesTheConstructorFontAndDropDownsTakeTheStandardName) {
  auto read = ReadText(kCC,
                       "[B]\nControl=Button\nName=B\n"
                       "[D]\nControl=DropDown\nName=D\nFont=PilotBold,12\n"
                       "[M]\nControl=Menu\nName=M\n");
  EXPECT_EQ((*read)["B"]->Font(), Font());
  EXPECT_EQ((*read)["D"]->Font().name, kPilotStandard) << "DropDown has no Font key";
  EXPECT_EQ((*read)["M"]->Font().name, kPilotBold) << "menus keep their constructor font";
}

// ---- Lists ----

TEST(FormFileList, ATableWritesItsThreeListSectionsAfterItsOwn) {
  TChildFrm form;
  auto& table = Place<TCCTable>(form, form.Screen(), "T1");
  table.SetItems({"a~b", "c~d"});
  table.SetColWidths({"30", "40"});
  table.SetColAlign({"2", "1"});
  IniFile ini = WriteFormToIni(kCC, form);
  EXPECT_EQ(ini.SectionNames(),
            (std::vector<std::string>{"FORM", "T1", "T1Items", "T1ColWidths", "T1ColAlign"}));
  EXPECT_EQ(ini.Keys("T1Items"), (std::vector<std::string>{"Count", "Item0", "Item1"}));
  EXPECT_FALSE(ini.HasKey("T1", "Count"));

  auto read = ReadText(kCC, ini.Text());
  EXPECT_EQ(read->result.controls, 1) << "the list sections are not controls";
  auto* back = As<TCCTable>((*read)["T1"]);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Items(), (StringList{"a~b", "c~d"}));
  EXPECT_EQ(back->ColWidths(), (StringList{"30", "40"}));
  EXPECT_EQ(back->ColAlign(), (StringList{"2", "1"}));
}

TEST(FormFileList, CountMissingKeepsTheCreatedItemsZeroEmptiesAndMissingItemsAreSkipped) {
  auto read = ReadText(kCC,
                       "[NoCount]\nControl=ListBox\nName=NoCount\nItem0=ignored\n"
                       "[Zero]\nControl=ListBox\nName=Zero\nCount=0\nItem0=ignored\n"
                       "[Gap]\nControl=ListBox\nName=Gap\nCount=3\nItem0=One\nItem2=Three\n"
                       "[M]\nControl=Menu\nName=M\nCount=2\nItem0=Open\nItem1=Close\n");
  EXPECT_TRUE(As<TCCListBox>((*read)["NoCount"])->Items().empty());
  EXPECT_TRUE(As<TCCListBox>((*read)["Zero"])->Items().empty());
  EXPECT_EQ(As<TCCListBox>((*read)["Gap"])->Items(), (StringList{"One", "Three"}));
  auto* menu = As<TCCMenu>((*read)["M"]);
  EXPECT_EQ(menu->Items(), (StringList{"Open", "Close"}));
  EXPECT_EQ(menu->Height(), 2 * 11 + 16) << "the menu's item setter sized it";
}

TEST(FormFileList, ListsComeFirstInTheirSection) {
  TChildFrm form;
  Place<TCCListBox>(form, form.Screen(), "L").SetItems({"x"});
  IniFile ini = WriteFormToIni(kCC, form);
  std::vector<std::string> keys = ini.Keys("L");
  ASSERT_GE(keys.size(), 3u);
  EXPECT_EQ(keys[0], "Count");
  EXPECT_EQ(keys[1], "Item0");
  EXPECT_EQ(keys[2], "Control");
}

// ---- Parents and dialogs ----

TEST(FormFileParent, AControlBeforeItsDialogLandsOnTheScreenPanel) {
  auto read = ReadText(kCC,
                       "[Early]\nControl=Button\nName=Early\nParent=Dlg\n"
                       "[Dlg]\nControl=Dialog\nName=Dlg\nTest=1\n"
                       "[Late]\nControl=Button\nName=Late\nParent=Dlg\n"
                       "[Lost]\nControl=Button\nName=Lost\nParent=NoSuchDialog\n"
                       "[Cased]\nControl=Button\nName=Cased\nParent=dlg\n");
  TCCForm& screen = read->form->Screen();
  EXPECT_EQ((*read)["Early"]->Parent(), &screen);
  EXPECT_EQ((*read)["Late"]->Parent(), (*read)["Dlg"]);
  EXPECT_EQ((*read)["Lost"]->Parent(), &screen);
  EXPECT_EQ((*read)["Cased"]->Parent(), &screen) << "parent names match exactly";
}

TEST(FormFileParent, OnlyDialogsAreParents) {
  auto read = ReadText(kCC,
                       "[B1]\nControl=Button\nName=B1\n"
                       "[B2]\nControl=Button\nName=B2\nParent=B1\n");
  EXPECT_EQ((*read)["B2"]->Parent(), &read->form->Screen());
  EXPECT_EQ(&FindParentByName(*read->form, "panScreen"), &read->form->Screen());
}

TEST(FormFileDialog, ADialogSavedWithTestZeroIsReadHiddenWithItsControls) {
  auto read = ReadText(kPT,
                       "[D]\nControl=Dialog\nName=D\nTest=0\n"
                       "[In]\nControl=Label\nName=In\nParent=D\n"
                       "[Odd]\nControl=Dialog\nName=Odd\nTest=5\n");
  auto* dialog = As<TPTDialog>((*read)["D"]);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(dialog->Tag(), 0);
  EXPECT_EQ((*read)["In"]->Parent(), dialog);
  EXPECT_FALSE((*read)["In"]->Showing());
  EXPECT_FALSE((*read)["Odd"]->Visible());
  EXPECT_EQ((*read)["Odd"]->Tag(), 0);
  EXPECT_EQ(read->form->ShownDialog(), nullptr);
}

TEST(FormFileDialog, TestOneMakesTheShownDialogAndALaterOneWins) {
  auto read = ReadText(kCC,
                       "[D1]\nControl=Dialog\nName=D1\nTest=1\n"
                       "[D2]\nControl=Dialog\nName=D2\nTest=1\n");
  EXPECT_EQ(read->form->ShownDialog(), (*read)["D2"]);
  EXPECT_FALSE((*read)["D1"]->Visible());
  EXPECT_EQ((*read)["D1"]->Tag(), 0);
  EXPECT_EQ(read->form->Screen().ChildIndex((*read)["D1"]), 0) << "child order is kept";
}

TEST(FormFileDialog, DialogsTakeTheScreenPanelsGrid) {
  auto read = std::make_unique<Read>();
  read->form->Screen().SetGridVisible(1);
  read->form->Screen().SetGridSpace(8);
  IniFile ini;
  ini.Parse("[D]\nControl=Dialog\nName=D\n");
  ReadFormFromIni(kPT, *read->form, ini, read->state);
  auto* dialog = As<TPTDialog>((*read)["D"]);
  EXPECT_EQ(dialog->GridVisible(), 1);
  EXPECT_EQ(dialog->GridSpace(), 8);
}

// ---- Per-kind rules ----

TEST(FormFileKinds, EditLineAndSelectGetTheirVariantMarkers) {
  auto cc = ReadText(kCC, "[E]\nControl=Edit\nName=E\n[EL]\nControl=EditLine\nName=EL\nType=0\n");
  EXPECT_FALSE(As<TCCEdit>((*cc)["E"])->IsEditLine());
  EXPECT_TRUE(As<TCCEdit>((*cc)["EL"])->IsEditLine());
  auto pt = ReadText(kPT, "[S]\nControl=Select\nName=S\n");
  auto* select = As<TCCButton>((*pt)["S"]);
  EXPECT_TRUE(select->IsSelect());
  EXPECT_EQ(select->Radius(), 0);
  EXPECT_EQ(select->Line(), 2);
}

TEST(FormFileKinds, KindsAreMatchedExactlyAndOtherLibrariesKindsAreSkipped) {
  auto read = ReadText(kCC,
                       "[a]\nControl=button\nName=a\n"
                       "[b]\nControl=Field\nName=b\n"
                       "[c]\nName=c\n"
                       "[d]\nControl=Button\nName=d\n");
  EXPECT_EQ(read->result.controls, 1);
  EXPECT_NE((*read)["d"], nullptr);
}

TEST(FormFileKinds, AMenuBarReadClosesTheMenusReadBeforeIt) {
  auto read = ReadText(kCC,
                       "[M1]\nControl=Menu\nName=M1\nTest=1\n"
                       "[M2]\nControl=Menu\nName=M2\nTest=0\n"
                       "[Bar]\nControl=MenuBar\nName=Bar\nTest=1\n"
                       "[Bar2]\nControl=MenuBar\nName=Bar2\n");
  for (const char* name : {"M1", "M2"}) {
    auto* menu = As<TCCMenu>((*read)[name]);
    EXPECT_EQ(menu->Test(), 0) << name;
    EXPECT_FALSE(menu->Visible()) << name;
    EXPECT_EQ(menu->Parent(), &read->form->Client());
    EXPECT_EQ(menu->Top(), TChildFrm::kScreenTop);
  }
  auto* bar = As<TCCMenuBar>((*read)["Bar"]);
  EXPECT_EQ(bar->Test(), 0);
  EXPECT_FALSE(bar->Visible());
  EXPECT_EQ(bar->Left(), TChildFrm::kScreenLeft);
  EXPECT_EQ(bar->Top(), TChildFrm::kScreenTop);
  EXPECT_EQ((*read)["Bar2"], nullptr) << "a window has one menu bar";
}

TEST(FormFileKinds, PToolboxControlsGetTheirPanelAsPalmFormExceptFieldsAndDialogs) {
  auto read = ReadText(kPT,
                       "[D]\nControl=Dialog\nName=D\nTest=1\n"
                       "[InD]\nControl=Button\nName=InD\nParent=D\n"
                       "[OnScreen]\nControl=Label\nName=OnScreen\n"
                       "[F]\nControl=Field\nName=F\n");
  EXPECT_EQ((*read)["InD"]->PalmForm(), (*read)["D"]);
  EXPECT_EQ((*read)["OnScreen"]->PalmForm(), &read->form->Screen());
  EXPECT_EQ((*read)["F"]->PalmForm(), nullptr);
  EXPECT_EQ((*read)["D"]->PalmForm(), nullptr);
  auto cc = ReadText(kCC, "[B]\nControl=Button\nName=B\n");
  EXPECT_EQ((*cc)["B"]->PalmForm(), nullptr) << "CControls never sets it";
}

TEST(FormFileKinds, EveryControlReadGetsTheControlColourAndTheResizeNotification) {
  const Color kColour = 0x123456;
  auto read = ReadText(kCC,
                       "[B]\nControl=Button\nName=B\n[T]\nControl=Table\nName=T\n"
                       "[D]\nControl=Dialog\nName=D\n[M]\nControl=Menu\nName=M\n"
                       "[Bar]\nControl=MenuBar\nName=Bar\n",
                       kColour);
  for (TControl* c : read->form->AllControls()) EXPECT_EQ(c->Color(), kColour) << c->Name();
  EXPECT_TRUE((*read)["B"]->ResizeNotification());
  EXPECT_TRUE((*read)["D"]->ResizeNotification());
  EXPECT_FALSE((*read)["M"]->ResizeNotification());
  EXPECT_FALSE((*read)["Bar"]->ResizeNotification());
}

TEST(FormFileKinds, AVerticalRadioKeepsTheGeometryOfItsFile) {
  auto read = ReadText(kPT,
                       "[R]\nCount=3\nItem0=A\nItem1=B\nItem2=C\nControl=Radio\nName=R\n"
                       "Width=20\nHeight=40\nOrientation=1\n");
  auto* radio = As<TCCRadio>((*read)["R"]);
  EXPECT_EQ(radio->Orientation(), 1);
  EXPECT_EQ(radio->Width(), 20);
  EXPECT_EQ(radio->Height(), 40);
}

struct DefaultCase {
  LibraryId lib;
  const char* kind;
  const char* name;
  int left, top, width, height;
};

TEST(FormFileKinds, MissingKeysTakeEachKindsDefaults) {
  const DefaultCase kCases[] = {
      {kCC, "Button", "Button", 10, 10, 34, 14},
      {kCC, "Label", "Label", 10, 10, 34, 13},
      {kCC, "Image", "Image", 10, 10, 34, 14},
      {kCC, "DropDown", "Drop", 10, 10, 34, 25},
      {kCC, "ListBox", "ListBox", 10, 10, 34, 24},
      {kCC, "Table", "Table", 10, 10, 34, 46},
      {kCC, "Dialog", "Dialog", 5, 60, 152, 80},
      {kCC, "Menu", "Menu", 8, 2, 41, 36},
      {kPT, "Button", "Button", 5, 18, 46, 17},
      {kPT, "Select", "Select", 10, 18, 34, 14},
      {kPT, "CheckBox", "CheckBox", 10, 10, 34, 15},
      {kPT, "Label", "Label", 10, 18, 32, 13},
      {kPT, "List", "List", 10, 10, 34, 25},
      {kPT, "PopTrigger", "PopTrigger", 10, 18, 34, 15},
      {kPT, "Field", "Field", 10, 18, 34, 15},
      {kPT, "GSI", "GSI", 150, 150, 8, 9},
      {kPT, "Bitmap", "Bitmap", 10, 18, 20, 20},
      {kPT, "Radio", "Radio", 10, 10, 34, 15},
      {kPT, "Push", "Push", 10, 10, 34, 14},
      {kPT, "Dialog", "Dialog", 5, 60, 152, 80},
  };
  for (const DefaultCase& c : kCases) {
    auto read = ReadText(c.lib, std::string("[S]\nControl=") + c.kind + "\n");
    ASSERT_EQ(read->result.controls, 1) << c.kind;
    TControl* control = (*read)[c.name];
    ASSERT_NE(control, nullptr) << c.kind;
    EXPECT_EQ(control->Left(), c.left) << c.kind;
    EXPECT_EQ(control->Top(), c.top) << c.kind;
    EXPECT_EQ(control->Width(), c.width) << c.kind;
    EXPECT_EQ(control->Height(), c.height) << c.kind;
  }
  auto bar = ReadText(kCC, "[S]\nControl=MenuBar\n");
  EXPECT_NE((*bar)["MenuBarForm1"], nullptr);
  auto pt = ReadText(kPT,
                     "[B]\nControl=Button\n[L]\nControl=List\n[F]\nControl=Field\n"
                     "[R]\nControl=Radio\n[S]\nControl=Select\n");
  EXPECT_EQ(As<TPTButton>((*pt)["Button"])->ShowForm(), "(None)");
  EXPECT_EQ(As<TPTList>((*pt)["List"])->Trigger(), "(None)");
  EXPECT_EQ(As<TPTEdit>((*pt)["Field"])->MaxChars(), 20);
  EXPECT_EQ((*pt)["Radio"]->Tag(), 1) << "GroupNumber";
  EXPECT_EQ(As<TCCButton>((*pt)["Select"])->DOTColors(),
            "Black,White,Black,White,Black,White,Black");
  EXPECT_EQ(As<TCCButton>((*pt)["Select"])->DOTFormat(), 0);
}

// ---- The FORM section ----

TEST(FormFileForm, TheFormSectionSetsTitleAndWindowPositionAndPToolboxColours) {
  auto read = ReadText(kPT, "[FORM]\nName=Other\nTop=7\nLeft=9\nTitle=Hello\nFormColorFill=255\n");
  EXPECT_EQ(read->form->Screen().Title(), "Hello");
  EXPECT_EQ(read->form->WindowTop(), 7);
  EXPECT_EQ(read->form->WindowLeft(), 9);
  EXPECT_EQ(read->form->Screen().ColorFormFill(), kRed);
  EXPECT_EQ(read->form->Screen().ColorSelectedFill(), kNavy) << "the default when missing";
  EXPECT_EQ(read->form->Name(), "Form1") << "the opener names the window";
  auto empty = ReadText(kCC, "");
  EXPECT_EQ(empty->form->Screen().Title(), "Form");
}

TEST(FormFileForm, AFileWithoutLibReadsAsLibraryZero) {
  test::TempDir dir;
  std::string path = dir.Path("nolib.qbf");
  ASSERT_TRUE(test::WriteFileBytes(path, "[FORM]\r\nName=Form1\r\n"));
  EXPECT_EQ(ReadFormLib(path), 0);
  EXPECT_EQ(ReadFormName(path), "Form1");
  EXPECT_EQ(ReadFormName(dir.Path("missing.qbf")), "");
  EXPECT_EQ(ReadFormLib(dir.Path("missing.qbf")), 0);
}

TEST(FormFileForm, ReadingRemembersThePathAndSetsTheCaption) {
  test::TempDir dir;
  std::string path = dir.Path("first.qbf");
  ASSERT_TRUE(test::WriteFileBytes(path, "[FORM]\r\nName=First\r\nLib=1\r\n"));
  AppState state;
  TChildFrm form;
  ReadForm(kCC, form, path, state);
  EXPECT_EQ(form.Path(), path);
  EXPECT_EQ(form.Caption(), "first.qbf");
}

// ---- Names ----

TEST(FormFileNames, ASectionWhoseNameIsTakenGetsTheNextFreeAutomaticName) {
  auto read = ReadText(kCC,
                       "[B]\nControl=Button\nName=Button1\nContent=first\n"
                       "[b2]\nControl=Button\nName=BUTTON1\nContent=second\n");
  EXPECT_EQ(read->result.controls, 2);
  EXPECT_EQ(As<TCCButton>((*read)["Button1"])->Content(), "first");
  EXPECT_EQ(As<TCCButton>((*read)["Button2"])->Content(), "second");
  EXPECT_EQ(read->state.control_counter, 2);
}

TEST(FormFileNames, ReservedAndInvalidNamesAreReplacedUsingTheShortPrefixWhenAsked) {
  auto read = std::make_unique<Read>();
  read->state.short_names = true;
  IniFile ini;
  ini.Parse(
      "[T]\nControl=Table\nName=T\n"
      "[x1]\nControl=Label\nName=FORM\n"
      "[x2]\nControl=Label\nName=TItems\n"
      "[x3]\nControl=Label\nName=panScreen\n"
      "[x4]\nControl=Label\nName=two words\n"
      "[x5]\nControl=Label\nName=\n");
  ReadFormFromIni(kCC, *read->form, ini, read->state);
  for (const char* bad : {"FORM", "TItems", "panScreen", "two words"})
    EXPECT_EQ((*read)[bad], nullptr) << bad;
  for (const char* good : {"T", "Lb1", "Lb2", "Lb3", "Lb4", "Lb5"})
    EXPECT_NE((*read)[good], nullptr) << good;
}

TEST(FormFileNames, ControlsWithoutAUsableNameAreWrittenUnderAFreeAutomaticName) {
  // A form made in code; the designer names every control when it is placed.
  TChildFrm form;
  Place<TCCButton>(form, form.Screen(), "");
  Place<TCCButton>(form, form.Screen(), "Button1");
  Place<TCCButton>(form, form.Screen(), "button1");
  Place<TCCLabel>(form, form.Screen(), "Form");
  Place<TCCMenuBar>(form, form.Client(), "");
  form.SetName("Main");
  IniFile ini = WriteFormToIni(kCC, form);
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"FORM", "Button2", "Button1", "Button3",
                                                          "Label4", "MenuBarMain"}));
  EXPECT_EQ(ini.ReadString("Button2", "Name", ""), "Button2");
  // Writing never changes the form: the controls keep their names.
  EXPECT_EQ(form.Screen().Children()[0]->Name(), "");
  EXPECT_EQ(form.Screen().Children()[2]->Name(), "button1");
}

// ---- Writing ----

TEST(FormFileWrite, AChildWithoutAWriterInTheLibraryIsNotWritten) {
  TChildFrm form;
  Place<TPTEdit>(form, form.Screen(), "Field1");
  Place<TCCLabel>(form, form.Screen(), "Label1");
  IniFile ini = WriteFormToIni(kCC, form);
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"FORM", "Label1"}));
}

TEST(FormFileWrite, OnlyTheFirstMenuBarIsWrittenAndMenusOnlyForCControls) {
  TChildFrm form;
  Place<TCCMenuBar>(form, form.Client(), "Bar1");
  Place<TCCMenu>(form, form.Client(), "Menu1");
  Place<TCCMenuBar>(form, form.Client(), "Bar2");
  EXPECT_EQ(WriteFormToIni(kCC, form).SectionNames(),
            (std::vector<std::string>{"FORM", "Menu1", "Bar1"}));
  EXPECT_EQ(WriteFormToIni(kPT, form).SectionNames(), std::vector<std::string>{"FORM"});
}

TEST(FormFileWrite, AFailedWriteReportsAndLeavesTheOldFileAndCaption) {
  test::TempDir dir;
  test::FakeUi ui;
  TChildFrm form;
  form.SetCaption("Form1.qbf");
  std::string missing = dir.Path("gone/Form1.qbf");
  EXPECT_FALSE(WriteForm(kCC, form, missing, ui));
  ASSERT_EQ(ui.ShownLog().size(), 1u);
  EXPECT_EQ(ui.ShownLog()[0].caption, "Error");
  EXPECT_EQ(ui.ShownLog()[0].text, "Unable to write to " + missing);
  EXPECT_EQ(ui.ShownLog()[0].icon, MsgIcon::kError);
  EXPECT_EQ(form.Caption(), "Form1.qbf");

  // A target the save cannot replace keeps what it holds.
  std::filesystem::path blocked = dir.Root() / "blocked.qbf";
  std::filesystem::create_directory(blocked);
  ASSERT_TRUE(test::WriteFileBytes((blocked / "keep").string(), "kept"));
  EXPECT_FALSE(WriteForm(kCC, form, blocked.string(), ui));
  EXPECT_EQ(test::ReadFileBytes((blocked / "keep").string()), "kept");
}

TEST(FormFileWrite, SavingOverAnOldFileLeavesNoOldSection) {
  test::TempDir dir;
  test::FakeUi ui;
  std::string path = dir.Path("f.qbf");
  ASSERT_TRUE(test::WriteFileBytes(path, "[Stale]\r\nControl=Button\r\n"));
  TChildFrm form;
  form.SetName("F");
  ASSERT_TRUE(WriteForm(kCC, form, path, ui));
  EXPECT_EQ(test::ReadFileBytes(path),
            "[FORM]\r\nName=F\r\nTop=0\r\nLeft=0\r\nTitle=Form1\r\nLib=1\r\n");
}

// ---- Limits ----

TEST(FormFileLimits, AFileWithTooManyControlsStopsAtTheLimitAndSaysHowManyWereDropped) {
  std::string text;
  for (int i = 0; i < kMaxFormControls + 10; ++i)
    text += "[B" + std::to_string(i) + "]\nControl=GSI\nName=B" + std::to_string(i) + "\n";
  test::CpuTimer timer;
  auto read = ReadText(kPT, text);
  if (test::kOptimisedBuild) {
    EXPECT_LT(timer.Seconds(), 10.0);
  }
  EXPECT_EQ(read->result.controls, kMaxFormControls);
  EXPECT_EQ(read->result.dropped, 10);
}

TEST(FormFileLimits, FiftyFormsOfAHundredControlsReadInUnderTwoHundredMilliseconds) {
  std::string text;
  for (int i = 0; i < 100; ++i) {
    const char* kinds[] = {"Button", "Label", "ListBox", "Table", "Edit"};
    std::string name = "C" + std::to_string(i);
    text += "[" + name + "]\nCount=2\nItem0=a\nItem1=b\nControl=" + kinds[i % 5] +
            "\nName=" + name +
            "\nLeft=10\nTop=20\nWidth=30\nFont=PilotStandard,8,,0,clWindowText,1\n"
            "Parent=panScreen\n";
  }
  test::CpuTimer timer;
  std::vector<std::unique_ptr<TChildFrm>> forms;
  AppState state;
  for (int f = 0; f < 50; ++f) {
    forms.push_back(std::make_unique<TChildFrm>());
    IniFile copy;
    copy.Parse(text);
    ReadFormFromIni(kCC, *forms.back(), copy, state);
  }
  double seconds = timer.Seconds();
  EXPECT_EQ(forms.back()->AllControls().size(), 100u);
  if (test::kOptimisedBuild) {
    EXPECT_LT(seconds, 0.2) << "a project of 50 forms opens in under 200 ms";
  }
}

}  // namespace
}  // namespace qb
