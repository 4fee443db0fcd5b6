#include "arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qb::makedoc {
namespace {

using Args = std::vector<std::string>;

struct Accepted {
  const char* label;
  Args args;
  std::string input, output, title;
  bool compress;
};

TEST(ParseArgumentsTest, AcceptsTheDialogsRunsAndVariants) {
  const Accepted cases[] = {
      // The dialog's four runs for project "Demo", split as a command line splits them.
      {"main", {"temp001.txt", "Demo.pdb", "Demo.pc"}, "temp001.txt", "Demo.pdb", "Demo.pc", true},
      {"forms",
       {"temp002.txt", "DemoForms.pdb", "DemoForms.pc"},
       "temp002.txt",
       "DemoForms.pdb",
       "DemoForms.pc",
       true},
      {"events",
       {"temp003.txt", "DemoEvents.pdb", "DemoEvents.pc"},
       "temp003.txt",
       "DemoEvents.pdb",
       "DemoEvents.pc",
       true},
      {"header",
       {"temp004.txt", "DemoH.pdb", "Demo.h"},
       "temp004.txt",
       "DemoH.pdb",
       "Demo.h",
       true},
      // The same parameter text handed over whole.
      {"whole text",
       {"temp001.txt Demo.pdb \"Demo.pc\""},
       "temp001.txt",
       "Demo.pdb",
       "Demo.pc",
       true},
      {"whole text, project with a space",
       {"temp002.txt My App.pdb \"My AppForms.pc\""},
       "temp002.txt",
       "My App.pdb",
       "My AppForms.pc",
       true},
      {"whole text, extra blanks",
       {"  temp004.txt\tDemoH.pdb   \"Demo.h\"  "},
       "temp004.txt",
       "DemoH.pdb",
       "Demo.h",
       true},
      // A project name with spaces, split at every space: the database name ends at ".pdb".
      {"split project name",
       {"temp001.txt", "My", "App.pdb", "My App.pc"},
       "temp001.txt",
       "My App.pdb",
       "My App.pc",
       true},
      {"split title",
       {"temp001.txt", "x.PDB", "\"My", "App.pc\""},
       "temp001.txt",
       "x.PDB",
       "My App.pc",
       true},
      {"quotes left on", {"in.txt", "out.pdb", "\"Title\""}, "in.txt", "out.pdb", "Title", true},
      {"no title", {"in.txt", "dir/Out.pdb"}, "in.txt", "dir/Out.pdb", "Out", true},
      {"empty title", {"in.txt", "Out.pdb", ""}, "in.txt", "Out.pdb", "Out", true},
      {"uncompressed", {"-u", "in.txt", "out.pdb", "T"}, "in.txt", "out.pdb", "T", false},
      {"long option after names",
       {"in.txt", "out.pdb", "T", "--uncompressed"},
       "in.txt",
       "out.pdb",
       "T",
       false},
      {"last switch wins",
       {"-u", "--compress", "in.txt", "out.pdb", "T"},
       "in.txt",
       "out.pdb",
       "T",
       true},
      {"names after --", {"--", "-in.txt", "-out.pdb", "-T"}, "-in.txt", "-out.pdb", "-T", true},
      {"a lone dash is a name", {"-", "out.pdb", "T"}, "-", "out.pdb", "T", true},
  };
  for (const Accepted& c : cases) {
    SCOPED_TRACE(c.label);
    const ParseResult r = ParseArguments(c.args);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.arguments.input, c.input);
    EXPECT_EQ(r.arguments.output, c.output);
    EXPECT_EQ(r.arguments.title, c.title);
    EXPECT_EQ(r.arguments.compress, c.compress);
    EXPECT_FALSE(r.arguments.help);
  }
}

TEST(ParseArgumentsTest, RejectsBadCommandLines) {
  const struct {
    Args args;
    std::string error;
  } cases[] = {
      {{}, "missing text file name"},
      {{"-u"}, "missing text file name"},
      {{"in.txt"}, "missing database file name"},
      {{"in.txt  "}, "missing database file name"},
      {{"", "out.pdb", "T"}, "missing text file name"},
      {{"in.txt", "", "T"}, "missing database file name"},
      {{"-x", "in.txt", "out.pdb"}, "unknown option \"-x\""},
      {{"in.txt", "out.pdb", "--compressed"}, "unknown option \"--compressed\""},
      {{"a", "b", "c", "d"}, "too many parameters: a b c d"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    EXPECT_EQ(ParseArguments(c.args).error, c.error);
  }
}

TEST(ParseArgumentsTest, HelpNeedsNoNames) {
  for (const Args& args : {Args{"-h"}, Args{"--help"}, Args{"in.txt", "--help"}}) {
    const ParseResult r = ParseArguments(args);
    EXPECT_EQ(r.error, "");
    EXPECT_TRUE(r.arguments.help);
  }
}

TEST(SplitParameterTextTest, QuotesGroupAndAreRemoved) {
  using Words = std::vector<std::string>;
  EXPECT_EQ(SplitParameterText(""), Words{});
  EXPECT_EQ(SplitParameterText("   "), Words{});
  EXPECT_EQ(SplitParameterText("a b"), (Words{"a", "b"}));
  EXPECT_EQ(SplitParameterText("a \"b c\" d"), (Words{"a", "b c", "d"}));
  EXPECT_EQ(SplitParameterText("a \"\""), (Words{"a", ""}));
  EXPECT_EQ(SplitParameterText("x\"y z\"w"), (Words{"xy zw"}));
  EXPECT_EQ(SplitParameterText("C:\\dir\\a.txt \"open"), (Words{"C:\\dir\\a.txt", "open"}));
}

}  // namespace
}  // namespace qb::makedoc
