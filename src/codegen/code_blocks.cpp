#include "codegen/code_blocks.h"

#include <cctype>
#include <map>
#include <string_view>

#include "codegen/ptcode_text.h"

namespace qb {

namespace {

using Lines = std::vector<std::string>;

// What the parts of a key are joined with; no name or menu text holds it.
constexpr char kKeySeparator = '\x1f';

constexpr std::string_view kHandlerStart = "On";
constexpr std::string_view kHandlerOpen = "(){";
constexpr std::string_view kMenuHandlerOpen = "(string Option){";
constexpr std::string_view kEventsOpen = "Events(){";
constexpr std::string_view kMenuCaseStart = "    case \"";
constexpr std::string_view kMenuCaseEnd = "\":";
constexpr std::string_view kMenuBreak = "      break;";
constexpr std::string_view kRepeatStart = "int ";
constexpr std::string_view kRepeatOpen = "Repeat(int butID){";
constexpr std::string_view kEventsName = "Events";
constexpr std::string_view kRepeatName = "Repeat";
constexpr std::string_view kCaseStart = "    case ";
constexpr std::string_view kDefaultStart = "    default:";
constexpr std::string_view kCaseEnd = ":";
constexpr std::string_view kSwitchEnd = "    } //switch";
constexpr std::string_view kRepeatSwitchEnd = "  }//switch";
constexpr std::string_view kIn = " in ";

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}
bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool IsName(std::string_view text) {
  if (text.empty() || std::isdigit(static_cast<unsigned char>(text[0]))) return false;
  for (char c : text)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  return true;
}

// The name between a start and an end that make up the whole line; empty when the line is
// not of that shape or the middle is not a name.
std::string NameBetween(std::string_view line, std::string_view start, std::string_view end) {
  if (line.size() < start.size() + end.size() || !StartsWith(line, start) || !EndsWith(line, end))
    return {};
  const std::string_view middle =
      line.substr(start.size(), line.size() - start.size() - end.size());
  return IsName(middle) ? std::string(middle) : std::string();
}

bool ClosesInColumnZero(const std::string& line) { return !line.empty() && line[0] == '}'; }

CodeBlock LineBlock(const std::string& line) {
  CodeBlock block;
  block.line = line;
  return block;
}

std::string Key(std::initializer_list<std::string_view> parts) {
  std::string key;
  for (std::string_view part : parts) {
    if (!key.empty()) key += kKeySeparator;
    key.append(part);
  }
  return key;
}

// CControls: handlers name their panel only by the events function that follows them.
struct PendingKey {
  std::size_t block;
  std::string name;
  std::string bar;  // set for a menu entry
};

std::string LabelOf(const PendingKey& p, const std::string& panel) {
  std::string label = p.bar.empty() ? p.name : "menu entry \"" + p.name + "\" of " + p.bar;
  if (!panel.empty()) label += std::string(kIn) + panel;
  return label;
}

void NameHandler(CodeBlock& block, const PendingKey& p, const std::string& panel) {
  block.key = p.bar.empty() ? Key({"On", panel, p.name}) : Key({"Menu", panel, p.bar, p.name});
  block.label = LabelOf(p, panel);
}

std::vector<CodeBlock> SplitCControls(const Lines& lines) {
  std::vector<CodeBlock> blocks;
  std::vector<PendingKey> pending;
  std::string bar;
  for (std::size_t i = 0; i < lines.size();) {
    const std::string& line = lines[i];
    const std::string events_of = NameBetween(line, "", kEventsOpen);
    if (!events_of.empty()) {
      for (const PendingKey& p : pending) NameHandler(blocks[p.block], p, events_of);
      pending.clear();
      bar.clear();
      blocks.push_back(LineBlock(line));
      ++i;
      continue;
    }
    const std::string menu_bar = NameBetween(line, kHandlerStart, kMenuHandlerOpen);
    if (!menu_bar.empty()) {
      bar = menu_bar;
      blocks.push_back(LineBlock(line));
      ++i;
      continue;
    }
    const std::string handler = NameBetween(line, kHandlerStart, kHandlerOpen);
    std::size_t end = i + 1;
    if (!handler.empty()) {
      while (end < lines.size() && !ClosesInColumnZero(lines[end])) ++end;
      if (end < lines.size()) {
        CodeBlock block;
        block.handler = true;
        block.head = {line};
        block.body.assign(lines.begin() + static_cast<long>(i) + 1,
                          lines.begin() + static_cast<long>(end));
        block.foot = {lines[end]};
        pending.push_back({blocks.size(), handler, ""});
        blocks.push_back(std::move(block));
        bar.clear();
        i = end + 1;
        continue;
      }
    }
    if (!bar.empty() && line.size() >= kMenuCaseStart.size() + kMenuCaseEnd.size() &&
        StartsWith(line, kMenuCaseStart) && EndsWith(line, kMenuCaseEnd)) {
      const std::string entry = line.substr(
          kMenuCaseStart.size(), line.size() - kMenuCaseStart.size() - kMenuCaseEnd.size());
      end = i + 1;
      while (end < lines.size() && lines[end] != kMenuBreak &&
             !StartsWith(lines[end], kMenuCaseStart) && !ClosesInColumnZero(lines[end]))
        ++end;
      CodeBlock block;
      block.handler = true;
      block.head = {line};
      block.body.assign(lines.begin() + static_cast<long>(i) + 1,
                        lines.begin() + static_cast<long>(end));
      if (end < lines.size() && lines[end] == kMenuBreak) block.foot = {lines[end++]};
      pending.push_back({blocks.size(), entry, bar});
      blocks.push_back(std::move(block));
      i = end;
      continue;
    }
    blocks.push_back(LineBlock(line));
    ++i;
  }
  // Handlers after the last events function belong to no panel.
  for (const PendingKey& p : pending) NameHandler(blocks[p.block], p, "");
  // Equal entries of one menu bar are told apart by their number among them.
  std::map<std::string, int> seen;
  for (CodeBlock& block : blocks) {
    if (!block.handler || !StartsWith(block.key, "Menu")) continue;
    block.key += kKeySeparator + std::to_string(seen[block.key]++);
  }
  return blocks;
}

bool EndsCase(const Lines& lines, std::size_t at) {
  const std::string& line = lines[at];
  if (StartsWith(line, kCaseStart) || StartsWith(line, kDefaultStart) || line == kSwitchEnd ||
      line == kRepeatSwitchEnd || ClosesInColumnZero(line))
    return true;
  // The note above the buttons' event block belongs to that block.
  return line == ptcode::kButtonEventNote && at + 1 < lines.size() &&
         lines[at + 1] == ptcode::kButtonEventCase;
}

std::vector<CodeBlock> SplitPToolbox(const Lines& lines) {
  std::vector<CodeBlock> blocks;
  std::string function;  // "<panel>Events" or "<panel>Repeat" while inside one
  for (std::size_t i = 0; i < lines.size();) {
    const std::string& line = lines[i];
    const std::string events_of = NameBetween(line, "", kEventsOpen);
    const std::string repeat_of = NameBetween(line, kRepeatStart, kRepeatOpen);
    const std::string name = function.empty() ? "" : NameBetween(line, kCaseStart, kCaseEnd);
    if (!events_of.empty()) {
      function = events_of + std::string(kEventsName);
    } else if (!repeat_of.empty()) {
      function = repeat_of + std::string(kRepeatName);
    } else if (ClosesInColumnZero(line)) {
      function.clear();
    } else if (!name.empty()) {
      std::size_t end = i + 1;
      while (end < lines.size() && !EndsCase(lines, end)) ++end;
      CodeBlock block;
      block.handler = true;
      block.key = Key({"Case", function, name});
      block.label = name + std::string(kIn) + function;
      block.head = {line};
      block.body.assign(lines.begin() + static_cast<long>(i) + 1,
                        lines.begin() + static_cast<long>(end));
      blocks.push_back(std::move(block));
      i = end;
      continue;
    }
    blocks.push_back(LineBlock(line));
    ++i;
  }
  return blocks;
}

}  // namespace

std::vector<std::string> CodeBlock::Lines() const {
  if (!handler) return {line};
  std::vector<std::string> lines = head;
  lines.insert(lines.end(), body.begin(), body.end());
  lines.insert(lines.end(), foot.begin(), foot.end());
  return lines;
}

std::vector<CodeBlock> SplitCode(LibraryId library, bool events, const Lines& lines) {
  if (!events) {
    std::vector<CodeBlock> blocks;
    blocks.reserve(lines.size());
    for (const std::string& line : lines) blocks.push_back(LineBlock(line));
    return blocks;
  }
  return library == LibraryId::kPToolboxLib ? SplitPToolbox(lines) : SplitCControls(lines);
}

}  // namespace qb
