#pragma once

// Every text quillboard-cli prints, once.

namespace qb::cli {

inline constexpr const char* kProgramName = "quillboard-cli";
inline constexpr const char* kUsageHeader = "usage:";
inline constexpr const char* kUnknownCommand = "unknown command";
inline constexpr const char* kNoCommand = "no command given";

// render
inline constexpr const char* kRenderName = "render";
inline constexpr const char* kRenderUsage =
    "FORM.qbf --lib 1|2 -o OUT.png [--scale N] [--show-menu NAME]";
inline constexpr const char* kOptionLib = "--lib";
inline constexpr const char* kOptionOut = "-o";
inline constexpr const char* kOptionScale = "--scale";
inline constexpr const char* kOptionShowMenu = "--show-menu";
inline constexpr const char* kMissingValue = "missing value after";
inline constexpr const char* kUnknownOption = "unknown option";
inline constexpr const char* kSecondForm = "more than one form file given";
inline constexpr const char* kNoForm = "no form file given";
inline constexpr const char* kNoOutput = "no output file given (-o OUT.png)";
inline constexpr const char* kNoLib = "no library given (--lib 1 or --lib 2)";
inline constexpr const char* kBadLib = "--lib must be 1 (CControls) or 2 (PToolboxLib), not";
inline constexpr const char* kBadScale = "--scale must be a whole number from 1 to 16, not";
inline constexpr const char* kNoSuchFile = "no such file";
inline constexpr const char* kFormOfLibrary = "is a form of library";
inline constexpr const char* kNotOfLibrary = "not of library";
inline constexpr const char* kNoSuchMenu = "the form has no menu named";
inline constexpr const char* kCannotWrite = "cannot write";
inline constexpr const char* kFaceMissing =
    "warning: Palm face not loaded, drawing with the built-in face:";

// generate
inline constexpr const char* kGenerateName = "generate";
inline constexpr const char* kGenerateUsage =
    "PROJECT.qbp [--out DIR] [--first FORM] [--pde | --memo] [--color | --no-color] [--force] "
    "[--no-keep-code]";
inline constexpr const char* kOptionOutDir = "--out";
inline constexpr const char* kOptionFirst = "--first";
inline constexpr const char* kOptionPde = "--pde";
inline constexpr const char* kOptionMemo = "--memo";
inline constexpr const char* kOptionColor = "--color";
inline constexpr const char* kOptionNoColor = "--no-color";
inline constexpr const char* kOptionForce = "--force";
inline constexpr const char* kOptionNoKeepCode = "--no-keep-code";
inline constexpr const char* kNoProject = "no project file given";
inline constexpr const char* kSecondProject = "more than one project file given";
inline constexpr const char* kTwoTargets = "--pde and --memo exclude each other";
inline constexpr const char* kTwoColors = "--color and --no-color exclude each other";
inline constexpr const char* kFormMissing = "form file listed in the project is missing:";
inline constexpr const char* kNoFormsOpen = "the project lists no form to generate";
inline constexpr const char* kNoSuchForm = "the project has no open form named";
inline constexpr const char* kColorOfPToolbox =
    "warning: --color and --no-color apply to PToolboxLib projects only";
inline constexpr const char* kExists = "exists already (use --force to replace it):";
inline constexpr const char* kNotWritten = "generation failed; see the messages above";

// check
inline constexpr const char* kCheckName = "check";
inline constexpr const char* kCheckUsage = "PROJECT.qbp [--format text|json]";
// After the usage lines of every command.
inline constexpr const char* kCheckHelp =
    "check prints what will look wrong or fail on the device: one line per finding,\n"
    "  \"<severity>: <form>: <control>: <message> (<rule>)\" (no control part for a form), or\n"
    "  with --format json an array of objects {\"severity\": \"error\" or \"warning\",\n"
    "  \"form\", \"control\" (empty for a form), \"message\", \"rule\"}, one object per line;\n"
    "  it exits 0 when no finding is an error, 1 when one is, 2 for a wrong command line.";
inline constexpr const char* kOptionFormat = "--format";
inline constexpr const char* kFormatText = "text";
inline constexpr const char* kFormatJson = "json";
inline constexpr const char* kBadFormat = "--format must be text or json, not";
inline constexpr const char* kSecondFormat = "--format given twice";
inline constexpr const char* kNoFormsToCheck = "the project lists no form to check";
inline constexpr const char* kNotChecked =
    "the project did not open cleanly; see the messages above";

// map
inline constexpr const char* kMapName = "map";
inline constexpr const char* kMapUsage = "PROJECT.qbp -o MAP.png|MAP.svg [--scale N]";
inline constexpr const char* kNoMapOutput = "no output file given (-o MAP.png or -o MAP.svg)";
inline constexpr const char* kBadMapOutput = "-o must name a .png or an .svg file, not";
inline constexpr const char* kNoFormsToMap = "the project lists no form to map";

}  // namespace qb::cli
