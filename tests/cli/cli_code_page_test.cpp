// The command line under the one text policy: a Windows-1252 form file draws and generates
// exactly as its UTF-8 twin, the generated files carry Windows-1252 bytes, and a text the
// device cannot show stops generation with its control named and nothing written.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli_run.h"
#include "model/code_page.h"
#include "support/png_reader.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

using test::CliRun;
using test::Quote;
using test::RunCli;

// A CControls form with one label whose content is `text` (bytes as the file holds them).
std::string LabelForm(const std::string& text) {
  return "[FORM]\r\nName=Main\r\nTop=0\r\nLeft=0\r\nTitle=Main\r\nLib=1\r\n\r\n"
         "[lbl1]\r\nControl=Label\r\nName=lbl1\r\nContent=" +
         text +
         "\r\nWidth=60\r\nLeft=5\r\nTop=5\r\nFont=PilotStandard,8,,0,clWindowText,1\r\n"
         "Parent=panScreen\r\n";
}

// A project in its own folder listing one form; returns the project's path.
std::string SaveProject(const TempDir& dir, const std::string& folder, const std::string& form) {
  fs::create_directories(dir.Path(folder));
  const std::string form_path = dir.Path(folder + "/Main.qbf");
  const std::string project_path = dir.Path(folder + "/Demo.qbp");
  WriteFileBytes(form_path, form);
  WriteFileBytes(project_path,
                 "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=" + form_path + "\r\n");
  return project_path;
}

const char* const kTextFiles[] = {"Demo.pc", "DemoForms.pc", "DemoEvents.pc", "Demo.h"};

TEST(CliCodePage, GeneratedFormsTextCarriesWindows1252BytesFromEitherFile) {
  TempDir dir;
  const std::string utf8 =
      SaveProject(dir, "utf8", LabelForm("A\xC3\xB1o \xE2\x82\xAC\xE2\x80\xA6"));
  const std::string old = SaveProject(dir, "old", LabelForm("A\xF1o \x80\x85"));
  for (const std::string& project : {utf8, old}) {
    const CliRun run = RunCli(dir, "generate " + Quote(project) + " --out " +
                                       Quote(fs::path(project).parent_path() / "out"));
    ASSERT_EQ(run.status, 0) << run.err;
  }
  for (const char* file : kTextFiles) {
    const std::string a = ReadFileBytes(dir.Path(std::string("utf8/out/") + file));
    const std::string b = ReadFileBytes(dir.Path(std::string("old/out/") + file));
    ASSERT_FALSE(a.empty()) << file;
    EXPECT_EQ(a, b) << file;
  }
  const std::string forms = ReadFileBytes(dir.Path("utf8/out/DemoForms.pc"));
  EXPECT_NE(forms.find("\"A\xF1o \x80\x85\""), std::string::npos) << forms;
  EXPECT_EQ(forms.find('\xC3'), std::string::npos);  // no UTF-8 left
}

TEST(CliCodePage, ATextTheDeviceCannotShowStopsGenerationAndWritesNothing) {
  TempDir dir;
  const std::string project = SaveProject(dir, "p",
                                          LabelForm("a\xE2\x86\x92"
                                                    "b"));
  const CliRun run = RunCli(dir, "generate " + Quote(project) + " --out " + Quote(dir.Path("out")));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "quillboard-cli: Error: The code was not generated: these texts hold characters that "
            "cannot be shown on the Palm (they have no Windows-1252 form):\n"
            "lbl1 Content \"a\xE2\x86\x92"
            "b\": the character \"\xE2\x86\x92\" (U+2192)\n"
            "quillboard-cli generate: generation failed; see the messages above\n");
  EXPECT_FALSE(fs::exists(dir.Path("out")));
  for (const char* file : kTextFiles) EXPECT_FALSE(fs::exists(dir.Path(std::string("p/") + file)));
}

// Renders one form file and returns the picture.
test::PngImage Render(const TempDir& dir, const std::string& name, const std::string& form) {
  WriteFileBytes(dir.Path(name + ".qbf"), form);
  const CliRun run = RunCli(dir, "render " + Quote(dir.Path(name + ".qbf")) + " --lib 1 -o " +
                                     Quote(dir.Path(name + ".png")));
  EXPECT_EQ(run.status, 0) << run.err;
  std::string error;
  auto image = test::ReadPng(dir.Path(name + ".png"), &error);
  EXPECT_TRUE(image) << error;
  return image ? *image : test::PngImage{};
}

TEST(CliCodePage, RenderDrawsAWindows1252FileAsItsUtf8Twin) {
  TempDir dir;
  const test::PngImage utf8 = Render(dir, "utf8", LabelForm("A\xC3\xB1o"));
  const test::PngImage old = Render(dir, "old", LabelForm("A\xF1o"));
  // 0x7F is the faces' default character, the box.
  const test::PngImage box = Render(dir, "box", LabelForm("A\x7Fo"));
  const test::PngImage plain = Render(dir, "plain", LabelForm("Ano"));
  const test::PngImage arrow = Render(dir, "arrow", LabelForm("A\xE2\x86\x92o"));
  EXPECT_TRUE(test::SameImage(utf8, old));
  EXPECT_FALSE(test::SameImage(utf8, box));    // ñ has a glyph of its own
  EXPECT_FALSE(test::SameImage(utf8, plain));  // and is not an n
  EXPECT_TRUE(test::SameImage(arrow, box));    // what the code page lacks is the box
}

}  // namespace
}  // namespace qb
