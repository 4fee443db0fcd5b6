// quillboard-cli generate over files the user wrote code in: the code survives --force after
// a change of the design, and --no-keep-code writes the fresh texts.

#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"
#include "codegen/cc_place.h"
#include "form/form_file.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

using test::CliRun;
using test::ReadFileBytes;
using test::TempDir;

const char kWritten[] = "  Alert(\"saved\"); // d\xE9j\xE0 vu\r\n";

TEST(CliKeepCode, WrittenCodeSurvivesForceAndNoKeepCodeGivesTheFreshText) {
  TempDir dir;
  const std::string cwd = dir.Root().string();
  TChildFrm form;
  form.SetName("Form1");
  test::PlaceButton(form.Screen(), "Button1", 10, 20);
  test::FakeUi ui;
  ASSERT_TRUE(WriteForm(LibraryId::kCControls, form, dir.Path("Form1.qbf"), ui));
  test::WriteFileBytes(dir.Path("Demo.qbp"), "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=" +
                                                 dir.Path("Form1.qbf") + "\r\n");
  ASSERT_EQ(test::RunCli(dir, "generate Demo.qbp --out out", cwd).status, 0);

  // A line written in the handler, then one more button in the design.
  const std::string events_path = dir.Path("out/DemoEvents.pc");
  std::string events = ReadFileBytes(events_path);
  const std::string head = "OnButton1(){\r\n";
  ASSERT_NE(events.find(head), std::string::npos) << events;
  events.insert(events.find(head) + head.size(), kWritten);
  test::WriteFileBytes(events_path, events);
  test::PlaceButton(form.Screen(), "Button2", 10, 60);
  ASSERT_TRUE(WriteForm(LibraryId::kCControls, form, dir.Path("Form1.qbf"), ui));

  const CliRun kept = test::RunCli(dir, "generate Demo.qbp --out out --force", cwd);
  ASSERT_EQ(kept.status, 0) << kept.err;
  EXPECT_EQ(ReadFileBytes(events_path),
            "#include \"Demo.h\"\r\n"
            "OnButton1(){\r\n" +
                std::string(kWritten) +
                "}\r\n"
                "\r\n"
                "OnButton2(){\r\n"
                "}\r\n"
                "\r\n"
                "Form1Events(){\r\n"
                "  int e;\r\n"
                "  while(1){\r\n"
                "    e=event(1);\r\n"
                "    if (Cevent(Button1,e)) OnButton1();\r\n"
                "    else if (Cevent(Button2,e)) OnButton2();\r\n"
                "  }\r\n"
                "}\r\n"
                "\r\n");
  EXPECT_NE(kept.err.find("quillboard-cli: Kept your code in 1 handler.\n"), std::string::npos)
      << kept.err;
  EXPECT_EQ(kept.out.find(".base"), std::string::npos) << kept.out;

  const CliRun fresh = test::RunCli(dir, "generate Demo.qbp --out out --force --no-keep-code", cwd);
  ASSERT_EQ(fresh.status, 0) << fresh.err;
  const std::string fresh_events = ReadFileBytes(events_path);
  EXPECT_EQ(fresh_events.find("Alert"), std::string::npos) << fresh_events;
  EXPECT_EQ(fresh_events, ReadFileBytes(events_path + ".base"));
  EXPECT_EQ(fresh.err.find("Kept"), std::string::npos) << fresh.err;
  // The command line leaves the project file alone: the box stays on for the dialog.
  EXPECT_EQ(ReadFileBytes(dir.Path("Demo.qbp")).find("KeepCode"), std::string::npos);
}

}  // namespace
}  // namespace qb
