#include "codegen/code_text_area.h"

#include <algorithm>

#include "codegen/generate_texts.h"

namespace qb {

namespace {

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

int CountedChars(const std::string& text) {
  int count = 0;
  for (char c : text) {
    if (c == '\n')
      count += 2;
    else if (c != '\r' && !IsUtf8Continuation(c))
      ++count;
  }
  return count;
}

int CountedLines(const std::string& text) {
  if (text.empty()) return 0;
  const auto breaks = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  return text.back() == '\n' ? breaks : breaks + 1;
}

void CodeTextArea::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  lines_label_ = std::to_string(CountedLines(text_)) + kLinesSuffix;
  chars_label_ = std::to_string(CountedChars(text_)) + kCharsSuffix;
}

void CodeTextArea::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  SetText(std::move(text));
}

std::vector<std::string> CodeTextArea::Lines() const {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text_.size()) {
    std::size_t end = text_.find('\n', start);
    if (end == std::string::npos) end = text_.size();
    std::string line = text_.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

void CodeTextArea::ClearCounters() {
  lines_label_.clear();
  chars_label_.clear();
}

}  // namespace qb
