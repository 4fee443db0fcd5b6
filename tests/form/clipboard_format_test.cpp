// The clipboard text of one control: every class of both libraries round-trips with every
// property, and content that this writer did not produce is refused without a crash.

#include "form/clipboard_format.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCForm.h"
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
#include "controls/factory.h"
#include "model/user_error.h"
#include "support/form_dump.h"

namespace qb {
namespace {

using C = ControlClass;

// Values unlike every default, with blanks, quotes and INI punctuation in the texts.
struct ClassCase {
  ControlClass cls;
  std::function<void(TControl&)> set;
};

template <class T>
std::function<void(TControl&)> On(std::function<void(T&)> set) {
  return [set](TControl& c) { set(static_cast<T&>(c)); };
}

const std::vector<ClassCase>& ClassCases() {
  static const std::vector<ClassCase> kCases = {
      {C::kCCButton, On<TCCButton>([](TCCButton& c) {
         c.SetContent(" Go = now; [x] ");
         c.SetColorFill(kRed);
         c.SetColorText(kNavy);
         c.SetLine(2);
         c.SetRadius(7);
         c.SetShowForm("Form3");
         c.SetDOTColors("Red,White,Black,White,Black,White,Blue");
         c.SetDOTFormat(12);
         c.SetDOTPicker(1);
         c.SetDOTTitle("Pick \"a\" day");
       })},
      {C::kCCSwitch, On<TCCSwitch>([](TCCSwitch& c) {
         c.SetContent("On");
         c.SetLine(0);
         c.SetRadius(3);
         c.SetState(1);
       })},
      {C::kCCCheckbox, On<TCCCheckbox>([](TCCCheckbox& c) {
         c.SetContent("");
         c.SetState(1);
       })},
      {C::kCCLabel, On<TCCLabel>([](TCCLabel& c) {
         c.SetContent("  Name:");
         c.SetLine(2);
         c.SetStyle(0);
       })},
      {C::kCCEdit, On<TCCEdit>([](TCCEdit& c) {
         c.SetContent("text");
         c.SetLine(0);
         c.SetStyle(2);
         c.SetTopic("Notes");
       })},
      {C::kCCListBox, On<TCCListBox>([](TCCListBox& c) {
         c.SetItems({"One", " two ", ""});
         c.SetSelectedItem(2);
       })},
      {C::kCCRadio, On<TCCRadio>([](TCCRadio& c) {
         c.SetItems({"A", "B"});
         c.SetOrientation(1);
         c.SetSelectedItem(1);
       })},
      {C::kCCDropDown, On<TCCDropDown>([](TCCDropDown& c) {
         c.SetItems({"x"});
         c.SetVisibleItems(5);
         c.SetSelectedItem(0);
         c.SetTestItems(1);
       })},
      {C::kCCPopUp, On<TCCPopUp>([](TCCPopUp& c) {
         c.SetItems({"p", "q"});
         c.SetSelectedItem(1);
         c.SetTest(1);
       })},
      {C::kCCMenuBar, On<TCCMenuBar>([](TCCMenuBar& c) { c.SetTest(1); })},
      {C::kCCMenu, On<TCCMenu>([](TCCMenu& c) {
         c.SetTopic("File");
         c.SetTopicWidth(40);
         c.SetUserWidth(50);
         c.SetUserLeft(21);
         c.SetItems({"Open", "Close"});
         c.SetTest(1);
       })},
      {C::kCCBitmap, On<TCCBitmap>([](TCCBitmap& c) {
         c.SetStringBits("0F0F,F0F0");
         c.SetColorFore(kGreen);
       })},
      {C::kCCTable, On<TCCTable>([](TCCTable& c) {
         c.SetItems({"a~b", "c~d"});
         c.SetColWidths({"20", "30"});
         c.SetColAlign({"0", "2"});
         c.SetCols(2);
         c.SetVisibleRows(3);
         c.SetSelectedRow(1);
       })},
      {C::kPTDialog, On<TPTDialog>([](TPTDialog& c) {
         c.SetTitle("Ask");
         c.SetColorDialogFill(Color{65535});
         c.SetColorDialogFrame(kRed);
         c.SetColorFill(kSilver);
         c.SetColorFrame(kBlue);
         c.SetColorText(kMaroon);
         c.SetColorSelectedFill(kGreen);
         c.SetColorSelectedFore(kNavy);
         c.SetGridVisible(1);
         c.SetGridSpace(6);
       })},
      {C::kPTButton, On<TPTButton>([](TPTButton& c) {
         c.SetText("OK");
         c.SetFrame(2);
         c.SetButtonType(1);
         c.SetColorFill(Color{16776960});
         c.SetColorText(kRed);
         c.SetShowForm("Form2");
       })},
      {C::kPTPopTrigger, On<TPTPopTrigger>([](TPTPopTrigger& c) {
         c.SetText("Pick");
         c.SetColorText(kRed);
       })},
      {C::kPTEdit, On<TPTEdit>([](TPTEdit& c) {
         c.SetText("field");
         c.SetSingleLine(1);
         c.SetJustification(1);
         c.SetUnderline(1);
         c.SetEditable(1);
         c.SetNumbersOnly(1);
         c.SetMaxChars(99);
         c.SetColorFill(Color{65535});
         c.SetColorText(kRed);
         c.SetColorLines(kBlue);
         c.SetColorCaret(kGreen);
         c.SetColorHighlightBack(kNavy);
         c.SetColorHighlightFore(kSilver);
       })},
      {C::kPTCheckbox, On<TPTCheckbox>([](TPTCheckbox& c) {
         c.SetContent("Tick");
         c.SetState(1);
         c.SetGroupNumber(7);
         c.SetColorText(kRed);
       })},
      {C::kPTLabel, On<TPTLabel>([](TPTLabel& c) {
         c.SetContent("Label text");
         c.SetColorText(kBlue);
       })},
      {C::kPTList, On<TPTList>([](TPTList& c) {
         c.SetItems({"1", "2", "3"});
         c.SetMaxItems(4);
         c.SetSelectedItem(1);
         c.SetStyle(1);
         c.SetTrigger("Pop3");
       })},
      {C::kPTGsi, [](TControl&) {}},
  };
  return kCases;
}

std::unique_ptr<TControl> Sample(const ClassCase& c) {
  std::unique_ptr<TControl> control = CreateControl(c.cls, nullptr);
  control->SetName("Sample7");
  c.set(*control);
  // The common values last: the class's setters may have reshaped the control.
  control->SetTag(2);
  control->SetColor(0x123456);
  Font font;
  font.name = kPilotBold;
  font.size = 9;
  font.bold = true;
  font.underline = true;
  font.pitch = 1;
  font.color = kRed;
  font.charset = 0;
  control->SetFont(font);
  control->SetAlignment(TextAlign::kRight);
  control->SetBounds(-3, 9, 41, 23);
  return control;
}

TEST(ClipboardFormatTest, EveryClassOfBothLibrariesKeepsEveryProperty) {
  // Every class but the screen panel and the client area.
  ASSERT_EQ(ClassCases().size(), static_cast<std::size_t>(ControlClass::kDesignerClient) - 1);
  TCCForm screen(nullptr);
  for (const ClassCase& c : ClassCases()) {
    SCOPED_TRACE(ClassName(c.cls));
    std::unique_ptr<TControl> original = Sample(c);
    original->SetPalmForm(&screen);
    ClipboardControl read =
        ReadClipboardControl(WriteClipboardControl(*original, "Sample7"), nullptr);
    ASSERT_NE(read.control, nullptr);
    EXPECT_EQ(read.control->Class(), c.cls);
    EXPECT_EQ(read.palm_form, "panScreen");
    EXPECT_EQ(read.control->Parent(), nullptr);
    read.control->SetPalmForm(&screen);
    EXPECT_EQ(test::DumpControlLine(*read.control), test::DumpControlLine(*original));
  }
}

TEST(ClipboardFormatTest, TheNameGivenAndThePanelByName) {
  TCCButton button(nullptr);
  button.SetName("Button2");
  TPTDialog dialog(nullptr);
  dialog.SetName("Dialog1");
  button.SetPalmForm(&dialog);
  std::string text = WriteClipboardControl(button, "Copiado");
  EXPECT_NE(text.find("[QuillboardControl]\r\nVersion=1\r\nClass=TCCButton\r\nName=Copiado\r\n"
                      "PalmForm=Dialog1\r\n"),
            std::string::npos);
  EXPECT_EQ(button.Name(), "Button2");
  ClipboardControl read = ReadClipboardControl(text, nullptr);
  EXPECT_EQ(read.control->Name(), "Copiado");
  EXPECT_EQ(read.palm_form, "Dialog1");

  button.SetPalmForm(nullptr);
  EXPECT_EQ(ReadClipboardControl(WriteClipboardControl(button, "B"), nullptr).palm_form, "");
}

TEST(ClipboardFormatTest, ADialogIsWrittenWithoutItsControls) {
  TPTDialog dialog(nullptr);
  auto inside = std::make_unique<TPTButton>(nullptr);
  inside->SetName("Inner1");
  inside->SetText("Inner text");
  dialog.AddChild(std::move(inside));
  std::string text = WriteClipboardControl(dialog, "Dialog1");
  EXPECT_EQ(text.find("Inner"), std::string::npos);
  EXPECT_TRUE(ReadClipboardControl(text, nullptr).control->Children().empty());
}

TEST(ClipboardFormatTest, ValuesOutsideThePalmRangeAreHeldToIt) {
  TCCButton button(nullptr);
  button.SetBounds(-100000, 10, 200000, 14);
  ClipboardControl read = ReadClipboardControl(WriteClipboardControl(button, "B1"), nullptr);
  EXPECT_EQ(read.control->Left(), -32768);
  EXPECT_EQ(read.control->Width(), 65535);
}

// ---- Refused content ----

std::string ValidText() {
  TCCListBox list(nullptr);
  list.SetItems({"One", "Two"});
  return WriteClipboardControl(list, "ListBox1");
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string RefusalOf(std::string_view text) {
  try {
    ReadClipboardControl(text, nullptr);
  } catch (const UserError& e) {
    return e.what();
  }
  return "";
}

TEST(ClipboardFormatTest, ContentThisWriterDidNotProduceIsRefusedWithAClearMessage) {
  const std::string valid = ValidText();
  const std::string damaged = "The control on the clipboard cannot be pasted: ";
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"", damaged + "it does not begin with its header."},
      {"Hello, world", damaged + "it does not begin with its header."},
      {Replace(valid, "Version=1", "Version=2"),
       "The control on the clipboard was copied by a newer version of the program and cannot be "
       "pasted."},
      {Replace(valid, "Version=1", "Version=one"),
       damaged + "the value of Version is not a valid number."},
      {Replace(valid, "Class=TCCListBox", "Class=TCCGauge"),
       damaged + "the class TCCGauge is unknown."},
      {Replace(valid, "Class=TCCListBox", "Class=TCCForm"),
       damaged + "the class TCCForm is unknown."},
      {Replace(valid, "Class=TCCListBox", "Class=TChildFrm"),
       damaged + "the class TChildFrm is unknown."},
      {Replace(valid, "Name=ListBox1", "Name=List Box"),
       damaged + "the value of Name is not a name."},
      {Replace(valid, "Name=ListBox1", "Name="), damaged + "the value of Name is not a name."},
      {Replace(valid, "Left=", "Left=1x"), damaged + "the value of Left is not a valid number."},
      {Replace(valid, "Width=", "Width=9999999"),
       damaged + "the value of Width is not a valid number."},
      {Replace(valid, "Color=", "Color=white"),
       damaged + "the value of Color is not a valid colour."},
      {Replace(valid, "Font=", "Font=PilotBold,9;"),
       damaged + "the value of Font is not a valid font."},
      {Replace(valid, "Alignment=0", "Alignment=3"),
       damaged + "the value of Alignment is not a valid number."},
      {Replace(valid, "Item0=\"One\"", "Item0=One"),
       damaged + "the value of Item0 is not a quoted text."},
      {Replace(valid, "Count=2", "Count=70000"),
       damaged + "the value of Count is not a valid number."},
      {Replace(valid, "Count=2", "Count=-1"),
       damaged + "the value of Count is not a valid number."},
      // A key the class needs under another name: the count of the end mark still agrees.
      {Replace(valid, "VisibleItems=", "Other="), damaged + "the key VisibleItems is missing."},
      {Replace(valid, "[End]", "[Tail]"), damaged + "it is incomplete."},
      // A section repeated by a hostile writer is merged into the first: the count disagrees.
      {Replace(valid, "[End]", "[QuillboardControl]\r\nLeft=99\r\n\r\n[End]"),
       damaged + "it is not laid out as this program writes it."},
      {Replace(valid, "Top=", "; a comment\r\nTop="),
       damaged + "it is not laid out as this program writes it."},
      {Replace(valid, "\r\n", "\n"), damaged + "it is not laid out as this program writes it."},
      {std::string(kMaxClipboardBytes + 1, 'x'),
       "The control on the clipboard is too large to be pasted."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 200));
    EXPECT_EQ(RefusalOf(c.text), c.message);
  }
  EXPECT_EQ(RefusalOf(valid), "");
}

TEST(ClipboardFormatTest, ContentCutShortAnywhereIsRefused) {
  const std::string valid = ValidText();
  // The last line end may go: the text still holds everything.
  ASSERT_EQ(valid.substr(valid.size() - 2), "\r\n");
  for (std::size_t size = 0; size + 2 < valid.size(); ++size)
    EXPECT_NE(RefusalOf(valid.substr(0, size)), "") << "cut at " << size;
}

TEST(ClipboardFormatTest, MutatedContentIsReadOrRefusedNeverMore) {
  std::mt19937 random(20240611);
  const std::string valid = WriteClipboardControl(*Sample(ClassCases()[0]), "Sample7");
  const std::string tokens[] = {"\r\n[",
                                "]",
                                "=",
                                "\"",
                                "\0",
                                "-",
                                "$",
                                ",",
                                "2147483647",
                                "99999999999",
                                "\r\nCount=65536\r\n",
                                "\r\n"};
  int read = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text = valid;
    int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits; ++e) {
      std::size_t at = random() % (text.size() + 1);
      switch (random() % 3) {
        case 0:
          text.insert(at, tokens[random() % std::size(tokens)]);
          break;
        case 1:
          text.erase(at, random() % 8);
          break;
        default:
          if (at < text.size()) text[at] = static_cast<char>(random() % 256);
          break;
      }
    }
    try {
      ClipboardControl result = ReadClipboardControl(text, nullptr);
      ASSERT_NE(result.control, nullptr);
      ++read;
    } catch (const UserError&) {
    }
  }
  // Most mutations break the content; some (inside a text) leave it readable.
  EXPECT_LT(read, 3000);
}

}  // namespace
}  // namespace qb
