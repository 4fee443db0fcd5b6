// The programs' own command-line answers, run as programs without a display: the usage, the
// version and a wrong word, each with its exit status and nothing else printed.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace qb {
namespace {

using test::TempDir;

struct StartCase {
  const char* program;
  const char* args;
  int status;
  const char* out_starts;  // what the standard output starts with
  const char* err;         // the whole error output
};

TEST(ProgramStart, AnswersWithoutADisplay) {
  const StartCase cases[] = {
      {"quillboard", "--version", 0, "Quillboard 1.21\n", ""},
      {"quillboard", "-v", 0, "Quillboard 1.21\n", ""},
      {"quillboard", "--help", 0, "Usage: quillboard [PROJECT.qbp | FORM.qbf]\n", ""},
      {"quillboard", "Demo.qbp --help", 0, "Usage: quillboard", ""},
      {"quillboard", "--open", 2, "",
       "quillboard: unknown option --open\nTry 'quillboard --help' for more information.\n"},
      {"quillboard", "a.qbp b.qbp", 2, "",
       "quillboard: only one file can be opened\nTry 'quillboard --help' for more information.\n"},
      {"quillboard-cli", "--version", 0, "Quillboard 1.21\n", ""},
      {"quillboard-cli", "--help", 0, "usage:", ""},
  };
  for (const StartCase& c : cases) {
    const std::string program = std::string(QB_BIN_DIR) + "/" + c.program;
    if (!std::filesystem::exists(program)) GTEST_SKIP() << program << " is not built";
    TempDir dir;
    // No display and a private home: the answers must come before the toolkit wants either.
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME='" +
                                dir.Root().string() + "' '" + program + "' " + c.args + " >'" +
                                dir.Path("out") + "' 2>'" + dir.Path("err") + "'";
    const int raw = std::system(command.c_str());
    const std::string label = std::string(c.program) + " " + c.args;
    ASSERT_TRUE(WIFEXITED(raw)) << label;
    EXPECT_EQ(WEXITSTATUS(raw), c.status) << label;
    const std::string out = test::ReadFileBytes(dir.Path("out"));
    EXPECT_EQ(out.rfind(c.out_starts, 0), 0u) << label << ": " << out;
    if (std::string(c.out_starts).empty()) {
      EXPECT_EQ(out, "") << label;
    }
    EXPECT_EQ(test::ReadFileBytes(dir.Path("err")), c.err) << label;
  }
}

}  // namespace
}  // namespace qb
