#include "properties/frmItemsEditor.h"

namespace qb {

namespace {
constexpr const char* kCounterSuffix = " items";
}  // namespace

StringList TextLines(std::string_view text) {
  StringList lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::string JoinTextLines(const StringList& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

TfrmItemsEd::TfrmItemsEd(StringList& transfer)
    : transfer_(transfer), text_(JoinTextLines(transfer)) {}

std::string TfrmItemsEd::Counter() const {
  return std::to_string(TextLines(text_).size()) + kCounterSuffix;
}

void TfrmItemsEd::Apply() { transfer_ = TextLines(text_); }

bool EditItemLines(Ui& ui, StringList& lines) {
  TfrmItemsEd editor(lines);
  if (!ui.RunDialog(editor)) return false;
  editor.Apply();
  return true;
}

}  // namespace qb
