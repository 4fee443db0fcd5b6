// Form and project files in UTF-8 or, from older tools, Windows-1252: both read as the same
// texts, and are saved back as UTF-8. The clipboard refuses what the device cannot show.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/CCLabel.h"
#include "controls/CCListBox.h"
#include "form/app_state.h"
#include "form/clipboard_format.h"
#include "form/form_file.h"
#include "model/code_page.h"
#include "model/user_error.h"
#include "support/fake_ui.h"
#include "support/form_dump.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;

// "Año", "€", "…" and curly quotes in the title, a label and a list.
const std::string kUtf8Form =
    "[FORM]\r\nName=Main\r\nTop=0\r\nLeft=0\r\nTitle=A\xC3\xB1o\r\nLib=1\r\n\r\n"
    "[lbl1]\r\nControl=Label\r\nName=lbl1\r\nContent=A\xC3\xB1o \xE2\x80\x9Cq\xE2\x80\x9D\r\n"
    "Width=40\r\nLeft=5\r\nTop=5\r\nParent=panScreen\r\n\r\n"
    "[lst1]\r\nCount=2\r\nItem0=\xE2\x82\xAC"
    "5\r\nItem1=Wait\xE2\x80\xA6\r\nControl=ListBox\r\n"
    "Name=lst1\r\nWidth=40\r\nLeft=5\r\nTop=30\r\nParent=panScreen\r\n";
// The same form as an older Windows tool wrote it.
const std::string kCp1252Form =
    "[FORM]\r\nName=Main\r\nTop=0\r\nLeft=0\r\nTitle=A\xF1o\r\nLib=1\r\n\r\n"
    "[lbl1]\r\nControl=Label\r\nName=lbl1\r\nContent=A\xF1o \x93q\x94\r\n"
    "Width=40\r\nLeft=5\r\nTop=5\r\nParent=panScreen\r\n\r\n"
    "[lst1]\r\nCount=2\r\nItem0=\x80"
    "5\r\nItem1=Wait\x85\r\nControl=ListBox\r\n"
    "Name=lst1\r\nWidth=40\r\nLeft=5\r\nTop=30\r\nParent=panScreen\r\n";

struct Opened {
  AppState state;
  std::unique_ptr<TChildFrm> form = std::make_unique<TChildFrm>();
};

std::unique_ptr<Opened> Open(const std::string& path) {
  auto opened = std::make_unique<Opened>();
  opened->form->SetName("Main");
  ReadForm(kCC, *opened->form, path, opened->state);
  return opened;
}

TEST(FormCodePage, AWindows1252FileReadsAsItsUtf8TwinAndIsSavedAsUtf8) {
  ASSERT_EQ(Cp1252FromUtf8(kUtf8Form), kCp1252Form);  // the twins hold the same texts
  test::TempDir dir;
  ASSERT_TRUE(test::WriteFileBytes(dir.Path("utf8.qbf"), kUtf8Form));
  ASSERT_TRUE(test::WriteFileBytes(dir.Path("old.qbf"), kCp1252Form));
  auto utf8 = Open(dir.Path("utf8.qbf"));
  auto old = Open(dir.Path("old.qbf"));

  EXPECT_EQ(old->form->Screen().Title(), "A\xC3\xB1o");
  auto* label = As<TCCLabel>(old->form->FindControl("lbl1"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Content(), "A\xC3\xB1o \xE2\x80\x9Cq\xE2\x80\x9D");
  auto* list = As<TCCListBox>(old->form->FindControl("lst1"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Items(), (StringList{"\xE2\x82\xAC"
                                       "5",
                                       "Wait\xE2\x80\xA6"}));
  // The same model but for the file's name.
  std::string old_dump = test::DumpForm(*old->form);
  for (std::size_t at; (at = old_dump.find("old.qbf")) != std::string::npos;)
    old_dump.replace(at, 7, "utf8.qbf");
  EXPECT_EQ(old_dump, test::DumpForm(*utf8->form));

  test::FakeUi ui;
  ASSERT_TRUE(WriteForm(kCC, *old->form, dir.Path("old.qbf"), ui));
  ASSERT_TRUE(WriteForm(kCC, *utf8->form, dir.Path("utf8.qbf"), ui));
  const std::string saved = test::ReadFileBytes(dir.Path("old.qbf"));
  EXPECT_EQ(saved, test::ReadFileBytes(dir.Path("utf8.qbf")));
  EXPECT_NE(saved.find("\r\nTitle=A\xC3\xB1o\r\n"), std::string::npos);
  EXPECT_NE(saved.find("\r\nContent=A\xC3\xB1o \xE2\x80\x9Cq\xE2\x80\x9D\r\n"), std::string::npos);
  EXPECT_NE(saved.find("\r\nItem0=\xE2\x82\xAC"
                       "5\r\n"),
            std::string::npos);
  EXPECT_TRUE(IsValidUtf8(saved));
}

TEST(FormCodePage, AFileHoldingACharacterTheDeviceLacksReadsAndListsIt) {
  test::TempDir dir;
  const std::string text =
      "[FORM]\r\nName=Main\r\nTitle=Go\r\nLib=1\r\n\r\n[lbl1]\r\nControl=Label\r\nName=lbl1\r\n"
      "Content=a\xE2\x86\x92"
      "b\r\nParent=panScreen\r\n";
  ASSERT_TRUE(test::WriteFileBytes(dir.Path("arrow.qbf"), text));
  auto opened = Open(dir.Path("arrow.qbf"));
  auto* label = As<TCCLabel>(opened->form->FindControl("lbl1"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Content(),
            "a\xE2\x86\x92"
            "b");

  bool listed = false;
  for (const FormText& t : FormTexts(kCC, *opened->form))
    if (t.control == "lbl1" && t.key == "Content") listed = t.text == label->Content();
  EXPECT_TRUE(listed);
}

TEST(FormCodePage, FormTextsListTheTitleEveryTextAndEveryItem) {
  test::TempDir dir;
  ASSERT_TRUE(test::WriteFileBytes(dir.Path("utf8.qbf"), kUtf8Form));
  auto opened = Open(dir.Path("utf8.qbf"));
  std::string listed;
  for (const FormText& t : FormTexts(kCC, *opened->form))
    if (CharacterCount(t.text) != t.text.size() || t.control == "Main")
      listed += t.control + "." + t.key + "=" + t.text + "\n";
  EXPECT_EQ(listed,
            "Main.Title=A\xC3\xB1o\n"
            "lbl1.Content=A\xC3\xB1o \xE2\x80\x9Cq\xE2\x80\x9D\n"
            "lst1.List=\xE2\x82\xAC"
            "5\n"
            "lst1.List=Wait\xE2\x80\xA6\n");
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

TEST(IniCodePage, AProjectFileInWindows1252ReadsAndIsSavedBackAsUtf8) {
  test::TempDir dir;
  const std::string path = dir.Path("old.qbp");
  ASSERT_TRUE(test::WriteFileBytes(path, "[ActiveForms]\r\nForm0=C:\\A\xF1o\\Main.qbf\r\n"));
  IniFile ini;
  ASSERT_TRUE(ini.Load(path));
  EXPECT_EQ(ini.ReadString("ActiveForms", "Form0", ""), "C:\\A\xC3\xB1o\\Main.qbf");
  ASSERT_TRUE(ini.Save(path));
  EXPECT_EQ(test::ReadFileBytes(path), "[ActiveForms]\r\nForm0=C:\\A\xC3\xB1o\\Main.qbf\r\n");
  // A UTF-8 file is left as it is.
  ASSERT_TRUE(ini.Load(path));
  EXPECT_EQ(ini.ReadString("ActiveForms", "Form0", ""), "C:\\A\xC3\xB1o\\Main.qbf");
}

TEST(ClipboardCodePage, PastingATextTheDeviceCannotShowIsRefused) {
  TCCLabel label(nullptr);
  label.SetName("lbl1");
  label.SetContent("A\xC3\xB1o \xE2\x82\xAC");
  ClipboardControl read = ReadClipboardControl(WriteClipboardControl(label, "Copiado"), nullptr);
  ASSERT_NE(As<TCCLabel>(read.control.get()), nullptr);
  EXPECT_EQ(As<TCCLabel>(read.control.get())->Content(), "A\xC3\xB1o \xE2\x82\xAC");

  label.SetContent(
      "a\xE2\x86\x92"
      "b");
  const std::string text = WriteClipboardControl(label, "Copiado");
  try {
    ReadClipboardControl(text, nullptr);
    ADD_FAILURE() << "pasted";
  } catch (const UserError& error) {
    EXPECT_STREQ(error.what(),
                 "The character \"\xE2\x86\x92\" (U+2192) cannot be shown on the Palm (it has no "
                 "Windows-1252 form); Copiado (Content) is not pasted.");
  }
}

}  // namespace
}  // namespace qb
