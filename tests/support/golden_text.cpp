#include "support/golden_text.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace qb::test {

namespace {

constexpr int kContext = 3;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// Shows a line so that trailing blanks and carriage returns can be seen.
std::string Visible(const std::string& line) {
  std::string out;
  for (char ch : line) out += ch == '\r' ? std::string("\\r") : std::string(1, ch);
  if (!line.empty() && line.back() == ' ') out += "<-end";
  return out;
}

bool ReadFile(const std::filesystem::path& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *text = buffer.str();
  return true;
}

void KeepGenerated(const std::string& text, const std::string& relative_path) {
  const char* dir = std::getenv("QB_KEEP_GENERATED");
  if (!dir || !*dir) return;
  std::filesystem::path path = std::filesystem::path(dir) / relative_path;
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  std::ofstream out(path, std::ios::binary);
  out << text;
}

}  // namespace

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::string LineDiff(const std::string& expected, const std::string& actual) {
  const std::vector<std::string> a = SplitLines(expected);
  const std::vector<std::string> b = SplitLines(actual);
  const std::size_t n = a.size(), m = b.size();
  // Longest common subsequence table, from the ends.
  std::vector<std::vector<int>> lcs(n + 1, std::vector<int>(m + 1, 0));
  for (std::size_t i = n; i-- > 0;)
    for (std::size_t j = m; j-- > 0;)
      lcs[i][j] = a[i] == b[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
  struct Row {
    char mark;
    std::size_t line;  // 1-based line in the expected (-, space) or generated (+) text
    std::string text;
  };
  std::vector<Row> rows;
  std::size_t i = 0, j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && a[i] == b[j]) {
      rows.push_back({' ', i + 1, a[i]});
      ++i;
      ++j;
    } else if (i < n && (j == m || lcs[i + 1][j] >= lcs[i][j + 1])) {
      rows.push_back({'-', i + 1, a[i]});
      ++i;
    } else {
      rows.push_back({'+', j + 1, b[j]});
      ++j;
    }
  }
  std::ostringstream out;
  out << "--- expected\n+++ generated\n";
  int last_shown = -1;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    bool near_change = false;
    for (int k = std::max(0, r - kContext);
         k <= std::min(static_cast<int>(rows.size()) - 1, r + kContext); ++k)
      near_change = near_change || rows[k].mark != ' ';
    if (!near_change) continue;
    if (last_shown >= 0 && r > last_shown + 1) out << "...\n";
    out << rows[r].mark << ' ' << rows[r].line << ": " << Visible(rows[r].text) << "\n";
    last_shown = r;
  }
  if (expected.size() != actual.size() && a == b)
    out << "(the texts differ only in their line ends)\n";
  return out.str();
}

::testing::AssertionResult MatchesGolden(const std::vector<std::string>& lines,
                                         const std::string& relative_path) {
  const std::string actual = JoinLines(lines);
  KeepGenerated(actual, relative_path);
  const std::filesystem::path path = std::filesystem::path(QB_TEST_DATA_DIR) / relative_path;
  std::string expected;
  if (!ReadFile(path, &expected))
    return ::testing::AssertionFailure() << "cannot read expected file " << path;
  if (expected == actual) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << relative_path << " differs:\n"
                                       << LineDiff(expected, actual);
}

}  // namespace qb::test
