// quillboard-cli refuses files that are not ours with the designer's own words, naming the
// file and what it lacks, and writes nothing.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_run.h"

namespace qb::test {
namespace {

struct Refusal {
  const char* name;
  const char* command;  // before the file
  const char* file;
  const char* content;
  const char* after;  // after the file
  std::string err;
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class CliForeignFiles : public ::testing::TestWithParam<Refusal> {};

constexpr const char* kNotes = "Shopping\nmilk, eggs\n";

// $F stands for the refused file's path, $L for a text file a project lists as a form.
std::string Expand(std::string text, const std::string& file, const std::string& listed) {
  for (std::size_t at; (at = text.find("$F")) != std::string::npos;) text.replace(at, 2, file);
  for (std::size_t at; (at = text.find("$L")) != std::string::npos;) text.replace(at, 2, listed);
  return text;
}

TEST_P(CliForeignFiles, AreRefusedWithTheDesignersText) {
  const Refusal& r = GetParam();
  TempDir dir;
  const std::string listed = dir.Path("listed.qbf");
  const std::string path = dir.Path(r.file);
  const std::string content = Expand(r.content, path, listed);
  ASSERT_TRUE(WriteFileBytes(path, content));
  ASSERT_TRUE(WriteFileBytes(listed, kNotes));
  const CliRun run =
      RunCli(dir, std::string(r.command) + " " + Quote(path) + r.after, dir.Path(""));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, Expand(r.err, path, listed));
  EXPECT_EQ(ReadFileBytes(path), content);
  EXPECT_EQ(ReadFileBytes(listed), kNotes);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("out")));
}

INSTANTIATE_TEST_SUITE_P(
    Files, CliForeignFiles,
    ::testing::Values(
        Refusal{"CheckNotes", "check", "Notes.qbp", kNotes, "",
                "quillboard-cli check: $F is not a Quillboard project: it has no [Project] "
                "section.\n"},
        Refusal{"GenerateNotes", "generate", "Notes.qbp", kNotes, " --out out",
                "quillboard-cli generate: $F is not a Quillboard project: it has no [Project] "
                "section.\n"},
        Refusal{"GenerateAFormAsProject", "generate", "Form.qbp",
                "[FORM]\r\nName=Main\r\nLib=1\r\n", " --out out",
                "quillboard-cli generate: $F is not a Quillboard project: it has no [Project] "
                "section.\n"},
        Refusal{"CheckListsANonForm", "check", "lists.qbp",
                "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=$L\r\n", "",
                "quillboard-cli check: $L is not a Quillboard form: it has no [FORM] section.\n"},
        Refusal{"RenderWithoutName", "render", "a.qbf", "[FORM]\r\nLib=1\r\n",
                " --lib 1 -o out/a.png",
                "quillboard-cli render: $F is not a Quillboard form: its [FORM] section has no "
                "Name.\n"},
        Refusal{"RenderNotes", "render", "notes.qbf", kNotes, " --lib 1 -o out/a.png",
                "quillboard-cli render: $F is not a Quillboard form: it has no [FORM] "
                "section.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qb::test
