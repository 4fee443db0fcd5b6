#pragma once

// One of the generate dialog's four editable text areas with its two counters. The text is
// held as the view shows it, lines separated by "\n"; generated lines each end with one.

#include <string>
#include <vector>

namespace qb {

class CodeTextArea {
 public:
  const std::string& Text() const { return text_; }
  // Any change, from the program or typed, updates the counters; the same text is no change.
  void SetText(std::string text);
  void Clear() { SetText({}); }
  // Each line followed by a line break, as lines added one by one show.
  void SetLines(const std::vector<std::string>& lines);
  // The lines as they would be saved; a final line break does not start another line.
  std::vector<std::string> Lines() const;

  // "<n> lines" and "<n> chars", or empty after ClearCounters until the next change.
  const std::string& LinesLabel() const { return lines_label_; }
  const std::string& CharsLabel() const { return chars_label_; }
  void ClearCounters();

 private:
  std::string text_;
  std::string lines_label_;
  std::string chars_label_;
};

// Counted as the device's editor counts: characters (not bytes) of every line, and two for
// every line break.
int CountedChars(const std::string& text);
int CountedLines(const std::string& text);

}  // namespace qb
