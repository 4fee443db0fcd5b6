// Generate over files the user has written code in: the dialog merges each text with its
// file against the base saved beside it, says what it kept, adds to the replace question, and
// writes the bases with the files. The check box and its key.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "codegen/cc_place.h"
#include "codegen/frmGenerateCode.h"
#include "codegen/generate_fixture.h"
#include "model/ini_file.h"

namespace fs = std::filesystem;

namespace qb {
namespace {

using test::GenerateTest;
using test::ReadFileBytes;
using test::WriteFileBytes;

const char kOneButton[] =
    "#include \"Demo.h\"\r\n"
    "OnButton1(){\r\n"
    "}\r\n"
    "\r\n"
    "Form1Events(){\r\n"
    "  int e;\r\n"
    "  while(1){\r\n"
    "    e=event(1);\r\n"
    "    if (Cevent(Button1,e)) OnButton1();\r\n"
    "  }\r\n"
    "}\r\n"
    "\r\n";

class KeepTest : public GenerateTest {
 protected:
  void SetUp() override {
    TChildFrm& form = AddForm("Form1", "First");
    test::PlaceButton(form.Screen(), "Button1", 10, 20);
    WriteProject("[Code]\r\nOutput=" + Out("") + "\r\n");
    Show();
    dialog_.Generate();
    dialog_.Save();  // nothing there yet: no question
    ui_.ClearLog();
  }
  std::string Out(const std::string& name) const {
    return (fs::path(dir_.Path("out")) / name).string();
  }
  // The user writes in the saved events file and places one more button.
  void EditAndPlace() {
    std::string events = ReadFileBytes(Out("DemoEvents.pc"));
    const std::string head = "OnButton1(){\r\n";
    events.insert(events.find(head) + head.size(), "  Beep(1); // caf\xE9\r\n");
    ASSERT_TRUE(WriteFileBytes(Out("DemoEvents.pc"), events));
    test::PlaceButton(forms_[0]->Screen(), "Button2", 10, 60);
  }
};

TEST_F(KeepTest, SavingWritesEachFileWithItsBase) {
  EXPECT_EQ(ReadFileBytes(Out("DemoEvents.pc")), kOneButton);
  for (const char* name : {"Demo.pc", "DemoForms.pc", "DemoEvents.pc", "Demo.h"})
    EXPECT_EQ(ReadFileBytes(Out(std::string(name) + ".base")), ReadFileBytes(Out(name))) << name;
  EXPECT_EQ(dialog_.KeptText(), "");
  EXPECT_EQ(dialog_.BaseTargets(),
            (std::vector<std::string>{Out("Demo.pc.base"), Out("DemoForms.pc.base"),
                                      Out("DemoEvents.pc.base"), Out("Demo.h.base")}));
}

TEST_F(KeepTest, WrittenCodeStaysInItsHandlerBesideTheNewOne) {
  EditAndPlace();
  Show();
  dialog_.Generate();
  EXPECT_EQ(dialog_.Area(CodeText::kEvents).Text(),
            "#include \"Demo.h\"\n"
            "OnButton1(){\n"
            "  Beep(1); // caf\xC3\xA9\n"
            "}\n"
            "\n"
            "OnButton2(){\n"
            "}\n"
            "\n"
            "Form1Events(){\n"
            "  int e;\n"
            "  while(1){\n"
            "    e=event(1);\n"
            "    if (Cevent(Button1,e)) OnButton1();\n"
            "    else if (Cevent(Button2,e)) OnButton2();\n"
            "  }\n"
            "}\n"
            "\n");
  EXPECT_EQ(dialog_.KeptText(), "Kept your code in 1 handler.");

  for (int i = 0; i < 4; ++i) ui_.AnswerMessage(kMbYes);
  dialog_.Save();
  const std::vector<std::string> asked = ui_.Texts();
  ASSERT_EQ(asked.size(), 5u);  // four questions and the missing library
  EXPECT_EQ(asked[0],
            fs::absolute(Out("Demo.pc")).string() + " already exists. Do you want to replace it?");
  EXPECT_EQ(asked[2], fs::absolute(Out("DemoEvents.pc")).string() +
                          " already exists. Do you want to replace it? Your code in it is kept.");
  const std::string saved = ReadFileBytes(Out("DemoEvents.pc"));
  EXPECT_NE(saved.find("OnButton1(){\r\n  Beep(1); // caf\xE9\r\n}\r\n"), std::string::npos)
      << saved;
  EXPECT_NE(saved.find("OnButton2(){\r\n}\r\n"), std::string::npos) << saved;
  // The base is what the generator wrote, without the user's line.
  const std::string base = ReadFileBytes(Out("DemoEvents.pc.base"));
  EXPECT_EQ(base.find("Beep"), std::string::npos);
  EXPECT_NE(base.find("OnButton2(){\r\n}\r\n"), std::string::npos);
}

TEST_F(KeepTest, AnswerNoLeavesTheFileAndItsBase) {
  EditAndPlace();
  const std::string events = ReadFileBytes(Out("DemoEvents.pc"));
  const std::string base = ReadFileBytes(Out("DemoEvents.pc.base"));
  Show();
  dialog_.Generate();
  for (int i = 0; i < 4; ++i) ui_.AnswerMessage(kMbNo);
  dialog_.Save();
  EXPECT_EQ(ReadFileBytes(Out("DemoEvents.pc")), events);
  EXPECT_EQ(ReadFileBytes(Out("DemoEvents.pc.base")), base);
}

TEST_F(KeepTest, WithoutABaseOrWithTheBoxOffTheTextIsTheFreshOne) {
  EditAndPlace();
  const std::string fresh_events =
      "#include \"Demo.h\"\nOnButton1(){\n}\n\nOnButton2(){\n}\n\nForm1Events(){\n  int e;\n"
      "  while(1){\n    e=event(1);\n    if (Cevent(Button1,e)) OnButton1();\n"
      "    else if (Cevent(Button2,e)) OnButton2();\n  }\n}\n\n";
  Show();
  dialog_.ClickKeepCode(false);
  dialog_.Generate();
  EXPECT_EQ(dialog_.Area(CodeText::kEvents).Text(), fresh_events);
  EXPECT_EQ(dialog_.KeptText(), "");
  IniFile ini;
  ASSERT_TRUE(ini.Load(project_path_));
  EXPECT_EQ(ini.ReadString("Code", "KeepCode", "?"), "0");

  // Read back as off; turned on again, the key goes.
  Show();
  EXPECT_FALSE(dialog_.KeepCodeChecked());
  dialog_.ClickKeepCode(true);
  dialog_.Generate();
  ASSERT_TRUE(ini.Load(project_path_));
  EXPECT_FALSE(ini.HasKey("Code", "KeepCode"));
  EXPECT_NE(dialog_.Area(CodeText::kEvents).Text().find("Beep"), std::string::npos);

  fs::remove(Out("DemoEvents.pc.base"));
  dialog_.Generate();
  EXPECT_EQ(dialog_.Area(CodeText::kEvents).Text(), fresh_events);
}

TEST_F(KeepTest, ChangingTheFolderGeneratesTheMergedTextsAgain) {
  EditAndPlace();
  const std::string out = Out("");
  Show();
  dialog_.SetOutputFolder(dir_.Path("elsewhere"));
  dialog_.Generate();
  EXPECT_EQ(dialog_.Area(CodeText::kEvents).Text().find("Beep"), std::string::npos);
  const int runs = dialog_.GenerateCount();
  const std::string project = ReadFileBytes(project_path_);
  dialog_.SetOutputFolder(out);  // the folder with the written code: merged now
  EXPECT_EQ(dialog_.GenerateCount(), runs + 1);
  EXPECT_EQ(ReadFileBytes(project_path_), project) << "typing a folder records nothing";
  EXPECT_NE(dialog_.Area(CodeText::kEvents).Text().find("Beep"), std::string::npos);
  dialog_.SetOutputFolder(dir_.Path("elsewhere"));  // and fresh again
  EXPECT_EQ(dialog_.Area(CodeText::kEvents).Text().find("Beep"), std::string::npos);
  EXPECT_EQ(dialog_.KeptText(), "");
}

TEST_F(KeepTest, AFileChangedAfterGenerateIsNotSaidToKeepItsCode) {
  EditAndPlace();
  Show();
  dialog_.Generate();
  ASSERT_TRUE(WriteFileBytes(Out("DemoEvents.pc"), "changed since"));
  for (int i = 0; i < 4; ++i) ui_.AnswerMessage(kMbNo);
  dialog_.Save();
  EXPECT_EQ(ui_.Texts()[2], fs::absolute(Out("DemoEvents.pc")).string() +
                                " already exists. Do you want to replace it?");
}

}  // namespace
}  // namespace qb
