// Generating again over a file the user wrote code in: for both libraries, a table of the
// edits users make and the merged text each gives, byte for byte; and an unedited file
// merges to the fresh text.

#include "codegen/code_merge.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "codegen/code_blocks.h"
#include "codegen/merge_texts.h"

namespace qb {
namespace {

using Lines = std::vector<std::string>;

// "a\nb\n" is the lines "a" and "b".
Lines Split(const std::string& text) {
  Lines lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

std::string Join(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// The CControls events text of Form1 with Button1 (which opens Form2), Button2 and a menu
// bar with two equal entries.
const std::string kCcBase = R"(#include "Demo.h"
OnButton1(){
  Form2();
}

OnButton2(){
}

OnMenuBar1(string Option){
  switch (Option){
    case "Open":
      //action for menuOpen
      break;
    case "Open":
      //action for menuOpen
      break;
}
}

Form1Events(){
  int e;
  while(1){
    e=event(1);
    if (Cevent(Button1,e)) OnButton1();
    else if (Cevent(Button2,e)) OnButton2();
    else if (Cevent(MenuBar1,e)) OnMenuBar1(Cgetcontent(MenuBar1));
  }
}

)";

// The PToolboxLib events text of a form Main with the buttons OK and Cancel and the repeat
// button Up.
const std::string kPtBase = R"(MainEvents(){
  int e;
  while(1){
    e=Fevent(1);
    switch(e){

    case OK:
    break;

    case Cancel:
    break;

    } //switch
  } //while
}

int MainRepeat(int butID){
  switch(butID){
    case Up:
      //handle the repeat here
      return(3); //wait 3 seconds and repeat
    break;

    default:
    break;
  }//switch
return(0);
}

)";

struct Edit {
  const char* what;
  LibraryId library;
  bool events;
  std::string base;
  // Each pair replaces its first text, found once, by the second: in the file the user
  // edited, and in the new generation.
  std::vector<std::pair<std::string, std::string>> written_edits;
  std::vector<std::pair<std::string, std::string>> fresh_edits;
  std::string expected;
  int kept_handlers, kept_lines, ended_handlers, ended_lines;
};

void PrintTo(const Edit& e, std::ostream* os) { *os << e.what; }

std::string Apply(std::string text, const std::vector<std::pair<std::string, std::string>>& edits) {
  for (const auto& [from, to] : edits) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos) ADD_FAILURE() << "no \"" << from << "\" to edit";
    if (at != std::string::npos) text.replace(at, from.size(), to);
  }
  return text;
}

class MergeEdits : public ::testing::TestWithParam<Edit> {};

TEST_P(MergeEdits, GiveTheMergedText) {
  const Edit& e = GetParam();
  const std::string written = Apply(e.base, e.written_edits);
  const std::string fresh = Apply(e.base, e.fresh_edits);
  ASSERT_NE(written, e.base) << "the user edits something";
  const CodeMerge merge =
      MergeCode(e.library, e.events, Split(e.base), Split(written), Split(fresh));
  EXPECT_EQ(Join(merge.lines), e.expected);
  EXPECT_EQ(merge.kept_handlers, e.kept_handlers);
  EXPECT_EQ(merge.kept_lines, e.kept_lines);
  EXPECT_EQ(merge.ended_handlers, e.ended_handlers);
  EXPECT_EQ(merge.ended_lines, e.ended_lines);
}

const std::string kButton3Handler = "OnButton3(){\n}\n\n";
const std::string kButton3Dispatch = "    else if (Cevent(Button3,e)) OnButton3();\n";
const std::string kMenuDispatch = "    else if (Cevent(MenuBar1,e))";

INSTANTIATE_TEST_SUITE_P(
    Users, MergeEdits,
    ::testing::Values(
        Edit{"CcLineAddedToABodyAndAButtonPlaced",
             LibraryId::kCControls,
             true,
             kCcBase,
             {{"OnButton2(){\n", "OnButton2(){\n  Beep(1);\n"}},
             {{"OnMenuBar1(", kButton3Handler + "OnMenuBar1("},
              {kMenuDispatch, kButton3Dispatch + kMenuDispatch}},
             Apply(kCcBase, {{"OnButton2(){\n", "OnButton2(){\n  Beep(1);\n"},
                             {"OnMenuBar1(", kButton3Handler + "OnMenuBar1("},
                             {kMenuDispatch, kButton3Dispatch + kMenuDispatch}}),
             1,
             0,
             0,
             0},
        Edit{"CcBodyEmptied",
             LibraryId::kCControls,
             true,
             kCcBase,
             {{"OnButton1(){\n  Form2();\n", "OnButton1(){\n"}},
             {{"OnMenuBar1(", kButton3Handler + "OnMenuBar1("}},
             Apply(kCcBase, {{"OnButton1(){\n  Form2();\n", "OnButton1(){\n"},
                             {"OnMenuBar1(", kButton3Handler + "OnMenuBar1("}}),
             1,
             0,
             0,
             0},
        Edit{"CcControlRenamed",
             LibraryId::kCControls,
             true,
             kCcBase,
             {{"OnButton2(){\n", "OnButton2(){\n  Beep(2);\n"}},
             {{"OnButton2(){", "OnOK(){"}, {"Cevent(Button2,e)) OnButton2", "Cevent(OK,e)) OnOK"}},
             Apply(kCcBase, {{"OnButton2(){", "OnOK(){"},
                             {"Cevent(Button2,e)) OnButton2", "Cevent(OK,e)) OnOK"}}) +
                 "//kept: Button2 in Form1 is no longer in the design; its code was:\n"
                 "//  Beep(2);\n",
             0,
             0,
             1,
             0},
        Edit{"CcControlsRemovedOnlyWrittenCodeIsKept",
             LibraryId::kCControls,
             true,
             kCcBase,
             {{"OnButton1(){\n  Form2();\n", "OnButton1(){\n  Form2();\n  Beep(1);\n"}},
             {{"OnButton1(){\n  Form2();\n}\n\nOnButton2(){\n}\n\n", ""},
              {"    if (Cevent(Button1,e)) OnButton1();\n"
               "    else if (Cevent(Button2,e)) OnButton2();\n"
               "    else if",
               "    if"}},
             Apply(kCcBase, {{"OnButton1(){\n  Form2();\n}\n\nOnButton2(){\n}\n\n", ""},
                             {"    if (Cevent(Button1,e)) OnButton1();\n"
                              "    else if (Cevent(Button2,e)) OnButton2();\n"
                              "    else if",
                              "    if"}}) +
                 "//kept: Button1 in Form1 is no longer in the design; its code was:\n"
                 "//  Form2();\n"
                 "//  Beep(1);\n",
             0,
             0,
             1,
             0},
        Edit{"CcMenuEntryAddedAndTheSecondOfTwoEqualEntriesKeepsItsCode",
             LibraryId::kCControls,
             true,
             kCcBase,
             {{"      //action for menuOpen\n      break;\n}", "      Save(2);\n      break;\n}"}},
             {{"      break;\n}",
               "      break;\n    case \"Close\":\n"
               "      //action for menuClose\n      break;\n}"}},
             Apply(kCcBase, {{"      //action for menuOpen\n      break;\n}",
                              "      Save(2);\n      break;\n    case \"Close\":\n"
                              "      //action for menuClose\n      break;\n}"}}),
             1,
             0,
             0,
             0},
        Edit{"CcBodyChangedByBothSides",
             LibraryId::kCControls,
             true,
             kCcBase,
             {{"  Form2();\n", "  Form2();\n  Beep(1);\n"}},
             {{"  Form2();\n", "  Form3();\n"}},
             Apply(kCcBase, {{"  Form2();\n", "//generated:  Form3();\n  Form2();\n  Beep(1);\n"}}),
             1,
             0,
             0,
             0},
        Edit{"CcCodeBetweenHandlersStaysAfterTheLineBeforeIt",
             LibraryId::kCControls,
             true,
             kCcBase,
             {{"}\n\nOnButton2(){", "}\n\nint Twice(int x){\n  return x*2;\n}\nOnButton2(){"}},
             {{"OnButton2(){\n}\n\n", "OnButton2(){\n}\n\n" + kButton3Handler}},
             Apply(kCcBase,
                   {{"}\n\nOnButton2(){", "}\n\nint Twice(int x){\n  return x*2;\n}\nOnButton2(){"},
                    {"OnButton2(){\n}\n\n", "OnButton2(){\n}\n\n" + kButton3Handler}}),
             0,
             3,
             0,
             0},
        Edit{"CcOwnFunctionLikeAHandlerIsCodeBetweenHandlers",
             LibraryId::kCControls,
             true,
             kCcBase,
             {{"Form1Events(){", "OnStart(){\n  Beep(0);\n}\nForm1Events(){"}},
             {{"Form1Events(){", "Form2Events(){"}},
             Apply(kCcBase, {{"Form1Events(){", "OnStart(){\n  Beep(0);\n}\nForm2Events(){"}}),
             0,
             3,
             0,
             0},
        Edit{"CcStartUpCodeAtInit",
             LibraryId::kCControls,
             false,
             "\n#include \"Demo.h\"\n//init\nmain(){\n  graph_on();\n  title(\"\");\n"
             "  Form1();\n}\n\n",
             {{"//init\n", "//init\nint counter;\n"}},
             {{"  Form1();\n}\n", "  Form2();\n}\n"}},
             "\n#include \"Demo.h\"\n//init\nint counter;\nmain(){\n  graph_on();\n"
             "  title(\"\");\n  Form2();\n}\n\n",
             0,
             1,
             0,
             0},
        Edit{"CcLineWhosePlaceIsGoneGoesToTheEnd",
             LibraryId::kCControls,
             false,
             "Form1();\nForm2();\n",
             {{"Form2();\n", "Form2();\nDialog9();\n"}},
             {{"Form1();\nForm2();\n", "Form3();\n"}},
             "Form3();\n//kept: lines whose place in the generated code is gone:\n//Dialog9();\n",
             0,
             0,
             0,
             1},
        Edit{"CcEarlierEndBlockStaysAtTheEnd",
             LibraryId::kCControls,
             false,
             "Form1();\nForm2();\n",
             {{"Form2();\n",
               "Form2();\nDialog9();\n//kept: lines whose place in the generated "
               "code is gone:\n//Dialog8();\n"}},
             {{"Form2();\n", "Form2();\nForm3();\n"}},
             "Form1();\nForm2();\nDialog9();\nForm3();\n"
             "//kept: lines whose place in the generated code is gone:\n//Dialog8();\n",
             0,
             1,
             0,
             0},
        Edit{"CcLineAtTheTopStaysAtTheTop",
             LibraryId::kCControls,
             false,
             "Form1();\n",
             {{"Form1();\n", "// my app\nForm1();\n"}},
             {{"Form1();\n", "Form1();\nForm2();\n"}},
             "// my app\nForm1();\nForm2();\n",
             0,
             1,
             0,
             0},
        Edit{"PtLineAddedToACaseAndAButtonPlaced",
             LibraryId::kPToolboxLib,
             true,
             kPtBase,
             {{"    case OK:\n", "    case OK:\n      Save();\n"}},
             {{"    } //switch", "    case Help:\n    break;\n\n    } //switch"}},
             Apply(kPtBase, {{"    case OK:\n", "    case OK:\n      Save();\n"},
                             {"    } //switch", "    case Help:\n    break;\n\n    } //switch"}}),
             1,
             0,
             0,
             0},
        Edit{"PtOwnSwitchInsideACase",
             LibraryId::kPToolboxLib,
             true,
             kPtBase,
             {{"    case Cancel:\n",
               "    case Cancel:\n      switch(mode){\n        case 1:\n"
               "          Quit();\n        break;\n"
               "        default:\n        break;\n      }\n"}},
             {{"    case OK:\n", "    case OK:\n      SecondDraw();\n"}},
             Apply(kPtBase, {{"    case OK:\n", "    case OK:\n      SecondDraw();\n"},
                             {"    case Cancel:\n",
                              "    case Cancel:\n      switch(mode){\n        case 1:\n"
                              "          Quit();\n        break;\n"
                              "        default:\n        break;\n      }\n"}}),
             1,
             0,
             0,
             0},
        Edit{"PtRepeatCaseBodyEdited",
             LibraryId::kPToolboxLib,
             true,
             kPtBase,
             {{"      return(3); //wait 3 seconds and repeat\n",
               "      Step(1);\n      return(1);\n"}},
             {{"    case Cancel:\n    break;\n\n", ""}},
             Apply(kPtBase, {{"      return(3); //wait 3 seconds and repeat\n",
                              "      Step(1);\n      return(1);\n"},
                             {"    case Cancel:\n    break;\n\n", ""}}),
             1,
             0,
             0,
             0},
        Edit{"PtControlRemoved",
             LibraryId::kPToolboxLib,
             true,
             kPtBase,
             {{"    case Cancel:\n", "    case Cancel:\n      Quit();\n"}},
             {{"    case Cancel:\n    break;\n\n", ""}},
             Apply(kPtBase, {{"    case Cancel:\n    break;\n\n", ""}}) +
                 "//kept: Cancel in MainEvents is no longer in the design; its code was:\n"
                 "//      Quit();\n"
                 "//    break;\n",
             0,
             0,
             1,
             0},
        Edit{"PtBothChangedBeforeTheButtonEventBlock",
             LibraryId::kPToolboxLib,
             true,
             kPtBase,
             {{"    case Cancel:\n", "    case Cancel:\n      Quit();\n"}},
             {{"    case Cancel:\n    break;\n\n",
               "    case Cancel:\n      ButColors(Cancel,1,2);\n    break;\n\n"
               "    //this code only works with PToolbox 7.5 or better\n    case 250:\n"
               "      bt=Fctl(402,0);\n      switch(bt){\n      }\n    break;\n"}},
             Apply(kPtBase, {{"    case Cancel:\n    break;\n\n",
                              "    case Cancel:\n//generated:      ButColors(Cancel,1,2);\n"
                              "      Quit();\n    break;\n\n"
                              "    //this code only works with PToolbox 7.5 or better\n"
                              "    case 250:\n      bt=Fctl(402,0);\n      switch(bt){\n"
                              "      }\n    break;\n"}}),
             1,
             0,
             0,
             0},
        Edit{"PtStartUpCodeAtInitWithColourTurnedOn",
             LibraryId::kPToolboxLib,
             false,
             "//init\nmain(){\n  MainCreate();\n\n  //Show first form\n  MainDraw();\n}\n\n",
             {{"//init\n", "//init\nint level=1;\n"},
              {"  MainDraw();\n", "  Intro();\n  MainDraw();\n"}},
             {{"main(){\n", "main(){\n  SetDepth(5);\n"}},
             "//init\nint level=1;\nmain(){\n  SetDepth(5);\n  MainCreate();\n\n"
             "  //Show first form\n  Intro();\n  MainDraw();\n}\n\n",
             0,
             2,
             0,
             0},
        Edit{"PtCodeBetweenFunctions",
             LibraryId::kPToolboxLib,
             true,
             kPtBase,
             {{"}\n\nint MainRepeat", "}\n\nint Twice(int x){\n  return(x*2);\n}\nint MainRepeat"}},
             {{"    case Cancel:\n", "    case Cancel:\n      SecondDraw();\n"}},
             Apply(kPtBase, {{"    case Cancel:\n", "    case Cancel:\n      SecondDraw();\n"},
                             {"}\n\nint MainRepeat",
                              "}\n\nint Twice(int x){\n  return(x*2);\n}\nint MainRepeat"}}),
             0,
             3,
             0,
             0}),
    [](const auto& info) { return std::string(info.param.what); });

// A file nobody edited merges to the new text whatever changed in the design, for every
// expected events text of both generators.
TEST(MergeUnedited, GivesTheFreshText) {
  const std::string dir = std::string(QB_TEST_DATA_DIR) + "/codegen/";
  struct Pair {
    LibraryId library;
    const char* before;
    const char* after;
  };
  const Pair pairs[] = {
      {LibraryId::kCControls, "cc/pde/DemoEvents.pc", "cc/memo/DemoEvents.pc"},
      {LibraryId::kCControls, "cc/memo/DemoEvents.pc", "cc/pde/DemoEvents.pc"},
      {LibraryId::kPToolboxLib, "pt/demo/mono/DemoEvents.pc", "pt/demo/color/DemoEvents.pc"},
      {LibraryId::kPToolboxLib, "pt/demo/color/DemoEvents.pc", "pt/demo/mono/DemoEvents.pc"},
      {LibraryId::kPToolboxLib, "pt/demo/color/DemoForms.pc", "pt/demo/mono/DemoForms.pc"},
  };
  for (const Pair& p : pairs) {
    std::ifstream before(dir + p.before), after(dir + p.after);
    std::stringstream b, a;
    b << before.rdbuf();
    a << after.rdbuf();
    ASSERT_GT(b.str().size(), 100u) << p.before;
    for (bool events : {true, false}) {
      const CodeMerge merge =
          MergeCode(p.library, events, Split(b.str()), Split(b.str()), Split(a.str()));
      EXPECT_EQ(Join(merge.lines), a.str()) << p.before << " -> " << p.after;
      EXPECT_FALSE(merge.KeptAnything());
    }
  }
}

// A file with nothing left of its base keeps every line, ahead of the new text.
TEST(MergeUnedited, AFileRewrittenWholeIsKeptAboveTheNewText) {
  Lines base, written;
  for (int i = 0; i < 4000; ++i) {
    base.push_back("Form" + std::to_string(i) + "();");
    written.push_back("  my(" + std::to_string(i) + ");");
  }
  const CodeMerge merge = MergeCode(LibraryId::kCControls, false, base, written, base);
  Lines expected = written;
  expected.insert(expected.end(), base.begin(), base.end());
  EXPECT_EQ(merge.lines, expected);
  EXPECT_EQ(merge.kept_lines, 4000);
}

// The blocks of a text are the text again, and find the handlers users write in.
TEST(CodeBlocks, CutTheHandlersOutOfTheText) {
  const std::vector<CodeBlock> cc = SplitCode(LibraryId::kCControls, true, Split(kCcBase));
  Lines again;
  std::vector<std::string> labels;
  for (const CodeBlock& block : cc) {
    for (const std::string& line : block.Lines()) again.push_back(line);
    if (block.handler) labels.push_back(block.label);
  }
  EXPECT_EQ(Join(again), kCcBase);
  EXPECT_EQ(labels, (std::vector<std::string>{"Button1 in Form1", "Button2 in Form1",
                                              "menu entry \"Open\" of MenuBar1 in Form1",
                                              "menu entry \"Open\" of MenuBar1 in Form1"}));
  labels.clear();
  for (const CodeBlock& block : SplitCode(LibraryId::kPToolboxLib, true, Split(kPtBase)))
    if (block.handler) labels.push_back(block.label + ":" + std::to_string(block.body.size()));
  EXPECT_EQ(labels, (std::vector<std::string>{"OK in MainEvents:2", "Cancel in MainEvents:2",
                                              "Up in MainRepeat:4"}));
}

TEST(KeptCodeText, SaysWhatWasKept) {
  EXPECT_EQ(KeptCodeText(5, 0, 1, 0),
            "Kept your code in 5 handlers; 1 handler of a removed or renamed control kept as a "
            "comment at the end.");
  EXPECT_EQ(KeptCodeText(1, 2, 0, 0), "Kept your code in 1 handler and 2 other lines.");
  EXPECT_EQ(KeptCodeText(0, 1, 2, 3),
            "Kept your code in 1 line outside handlers; 2 handlers of removed or renamed "
            "controls kept as comments at the end; 3 lines whose place is gone kept as comments "
            "at the end.");
  EXPECT_EQ(KeptCodeText(0, 0, 0, 0),
            "No code of yours was found in the files; they are generated anew.");
}

}  // namespace
}  // namespace qb
