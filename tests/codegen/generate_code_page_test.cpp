// The generate dialog under the one text policy: the text areas show UTF-8, the saved files
// and the converter's texts carry Windows-1252 bytes, and a text the device cannot show is
// named with its control while nothing is generated.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "codegen/bitmap_string.h"
#include "codegen/frmGenerateCode.h"
#include "codegen/generate_fixture.h"

namespace fs = std::filesystem;

namespace qb {
namespace {

using Lines = std::vector<std::string>;
using test::GenerateTest;
using test::ReadFileBytes;

const std::string kHeading =
    "The code was not generated: these texts hold characters that cannot be shown on the Palm "
    "(they have no Windows-1252 form):";

class CodePageGenerateTest : public GenerateTest {
 protected:
  void Prepare(const std::string& title, bool memo) {
    AddForm("Form1", title);
    WriteProject("[Code]\r\nFirstForm=Form1\r\nOutput=" + Out("") +
                 "\r\nMemo=" + (memo ? "1" : "0") + "\r\n");
    Show();
  }
  std::string Out(const std::string& name) const {
    return (fs::path(dir_.Path("out")) / name).string();
  }
};

TEST_F(CodePageGenerateTest, SavedFilesCarryWindows1252WhileTheAreaShowsUtf8) {
  Prepare("A\xC3\xB1o \xE2\x82\xAC\xE2\x80\xA6", false);
  dialog_.Generate();
  ASSERT_TRUE(dialog_.SaveEnabled());
  const std::string shown = dialog_.Area(CodeText::kForms).Text();
  EXPECT_NE(shown.find("  title(\"A\xC3\xB1o \xE2\x82\xAC\xE2\x80\xA6\");\n"), std::string::npos);
  dialog_.Save();
  const std::string saved = ReadFileBytes(Out("DemoForms.pc"));
  EXPECT_NE(saved.find("\r\n  title(\"A\xF1o \x80\x85\");\r\n"), std::string::npos) << saved;
  EXPECT_EQ(saved.find('\xC3'), std::string::npos);
}

TEST_F(CodePageGenerateTest, TheConvertersTextsCarryWindows1252) {
  Prepare("A\xC3\xB1o", true);
  dialog_.Generate();
  const std::string forms = ReadFileBytes(InProgram("temp002.txt"));
  EXPECT_NE(forms.find("\r\n  title(\"A\xF1o\");\r\n"), std::string::npos) << forms;
  EXPECT_EQ(forms.find('\xC3'), std::string::npos);
}

struct RefusedCase {
  const char* what;
  bool memo;
};

TEST_F(CodePageGenerateTest, ATextTheDeviceCannotShowIsNamedAndNothingIsGenerated) {
  for (const RefusedCase& c : {RefusedCase{"desktop compiler", false}, RefusedCase{"memo", true}}) {
    SCOPED_TRACE(c.what);
    forms_.clear();
    ui_.ClearLog();
    Prepare("Go \xE2\x86\x92", c.memo);
    dialog_.Generate();
    EXPECT_EQ(ui_.Texts(), (Lines{kHeading + "\nForm1 Title \"Go \xE2\x86\x92\": the character "
                                             "\"\xE2\x86\x92\" (U+2192)"}));
    EXPECT_FALSE(dialog_.SaveEnabled());
    EXPECT_EQ(dialog_.Area(CodeText::kForms).Text(), "");
    EXPECT_FALSE(fs::exists(InProgram("temp002.txt")));
  }
}

TEST_F(CodePageGenerateTest, ARefusedGenerateLeavesNoEarlierTextsToConvert) {
  TChildFrm& form = AddForm("Form1", "Fine");
  WriteProject("[Code]\r\nFirstForm=Form1\r\nMemo=1\r\n");
  Show();
  InstallConverter();
  dialog_.Generate();
  ASSERT_TRUE(fs::exists(InProgram("temp002.txt")));
  form.Screen().SetTitle("\xE2\x86\x92");
  dialog_.Generate();
  for (const char* name : {"temp001.txt", "temp002.txt", "temp003.txt", "temp004.txt"})
    EXPECT_FALSE(fs::exists(InProgram(name))) << name;
  ui_.ClearLog();
  dialog_.SaveDoc();
  EXPECT_TRUE(ui_.started_.empty());
  EXPECT_EQ(ui_.Texts(), (Lines{InProgram("temp001.txt") +
                                " not found. Generate the code for Palm memos / DOC files first"}));
}

TEST_F(CodePageGenerateTest, AnEditedAreaTheDeviceCannotShowIsNotSaved) {
  Prepare("Main", false);
  dialog_.Generate();
  ui_.ClearLog();
  dialog_.Area(CodeText::kEvents).SetText("// ok\n// \xE2\x86\x92\n");
  dialog_.Save();
  EXPECT_EQ(ui_.Texts(),
            (Lines{"The code was not saved: these lines hold characters that cannot be shown on "
                   "the Palm (they have no Windows-1252 form):\nEvents, line 2 (// \xE2\x86\x92): "
                   "the character \"\xE2\x86\x92\" (U+2192)"}));
  EXPECT_FALSE(fs::exists(Out("DemoForms.pc")));
  EXPECT_FALSE(fs::exists(Out("DemoEvents.pc")));
}

TEST_F(CodePageGenerateTest, APrcFieldTheDeviceCannotShowIsNamedByItsLine) {
  Prepare("Main", false);
  dialog_.SetAppName("App \xD0\x96");
  dialog_.Generate();
  EXPECT_EQ(ui_.Texts(),
            (Lines{kHeading + "\nMain, line 2 (@name \"App \xD0\x96\";): the character "
                              "\"\xD0\x96\" (U+0416)"}));
  EXPECT_FALSE(dialog_.SaveEnabled());
}

TEST(BitmapStringCodePage, ALongTextIsSplitAfter255CharactersNotBytes) {
  // A damaged bit text of two-byte characters: cut by bytes, the 128th would be halved.
  std::string bits;
  for (int i = 0; i < 300; ++i) bits += "\xC3\xA9";
  const std::string out = BitmapString(8, bits);
  const std::string first(bits.begin(), bits.begin() + 510);
  const std::string rest(bits.begin() + 510, bits.end());
  EXPECT_EQ(out, "08\" + \"" + first + "\" + \"" + rest);
  // 255 characters stay one literal.
  const std::string exact = bits.substr(0, 510);
  EXPECT_EQ(BitmapString(8, exact), "08\" + \"" + exact);
}

}  // namespace
}  // namespace qb
