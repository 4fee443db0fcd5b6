#include "codegen/code_merge.h"

#include <functional>
#include <map>
#include <unordered_map>

#include "codegen/code_blocks.h"
#include "codegen/line_match.h"
#include "codegen/merge_texts.h"

namespace qb {

namespace {

using Lines = std::vector<std::string>;

// One version of a text as blocks, with its handlers by key.
struct Version {
  std::vector<CodeBlock> blocks;
  std::map<std::string, std::size_t> handlers;

  const CodeBlock* Find(const std::string& key) const {
    const auto it = handlers.find(key);
    return it == handlers.end() ? nullptr : &blocks[it->second];
  }
};

// A handler whose key came before in the same text, or one `keep` refuses, is taken as the
// plain lines it is made of.
Version Prepare(std::vector<CodeBlock> blocks,
                const std::function<bool(const std::string&)>& keep) {
  Version version;
  for (CodeBlock& block : blocks) {
    if (block.handler && keep(block.key) && !version.handlers.count(block.key)) {
      version.handlers[block.key] = version.blocks.size();
      version.blocks.push_back(std::move(block));
      continue;
    }
    for (std::string& line : block.Lines()) {
      CodeBlock plain;
      plain.line = std::move(line);
      version.blocks.push_back(std::move(plain));
    }
  }
  return version;
}

// Equal lines get equal numbers, and so does a handler with the handlers of its key.
class Numbering {
 public:
  std::vector<int> Of(const Version& version) {
    std::vector<int> ids;
    ids.reserve(version.blocks.size());
    for (const CodeBlock& block : version.blocks) {
      const std::string text = block.handler ? "H" + block.key : "L" + block.line;
      ids.push_back(ids_.try_emplace(text, static_cast<int>(ids_.size())).first->second);
    }
    return ids;
  }

 private:
  std::unordered_map<std::string, int> ids_;
};

// The lines of `to` that `from` does not have, in their order.
Lines AddedLines(const Lines& from, const Lines& to) {
  Numbering numbering;
  Version a;
  Version b;
  for (const std::string& line : to) a.blocks.push_back({false, line, {}, {}, {}, {}, {}});
  for (const std::string& line : from) b.blocks.push_back({false, line, {}, {}, {}, {}, {}});
  const std::vector<int> a_ids = numbering.Of(a);
  const std::vector<int> match = MatchLines(a_ids, numbering.Of(b));
  Lines added;
  for (std::size_t i = 0; i < to.size(); ++i)
    if (match[i] < 0) added.push_back(to[i]);
  return added;
}

void Append(Lines& out, const Lines& lines) { out.insert(out.end(), lines.begin(), lines.end()); }

bool StartsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }

// Where the end block an earlier merge left at the end of the file begins: the first of the
// last lines that all are comments and that open with a title of the block; the size when the
// file ends otherwise.
std::size_t EarlierEndBlock(const Lines& lines) {
  std::size_t start = lines.size();
  for (std::size_t i = lines.size(); i-- > 0 && StartsWith(lines[i], kKeptMark);)
    if (StartsWith(lines[i], kKeptHandlerOpen) || lines[i] == kKeptLinesTitle) start = i;
  return start;
}

}  // namespace

CodeMerge MergeCode(LibraryId library, bool events, const Lines& base, const Lines& written,
                    const Lines& fresh) {
  CodeMerge merge;
  // An earlier end block stays at the end, ahead of what this merge adds to it.
  const std::size_t end_block = EarlierEndBlock(written);
  const Lines earlier(written.begin() + static_cast<long>(end_block), written.end());
  const Lines mine(written.begin(), written.begin() + static_cast<long>(end_block));
  const auto all = [](const std::string&) { return true; };
  const Version b = Prepare(SplitCode(library, events, base), all);
  const Version n = Prepare(SplitCode(library, events, fresh), all);
  // A function of the user's that looks like a handler the generator never wrote is code
  // between handlers.
  const Version e = Prepare(SplitCode(library, events, mine), [&](const std::string& key) {
    return b.handlers.count(key) || n.handlers.count(key);
  });

  Numbering numbering;
  const std::vector<int> e_ids = numbering.Of(e);
  const std::vector<int> b_ids = numbering.Of(b);
  const std::vector<int> n_ids = numbering.Of(n);
  const std::vector<int> e_in_b = MatchLines(e_ids, b_ids);
  const std::vector<int> b_in_n = MatchLines(b_ids, n_ids);

  // The lines the user added outside handlers, each after the block of the new text it
  // follows; -1 is the top of the text.
  std::map<int, Lines> placed;
  Lines unplaced;
  for (std::size_t i = 0; i < e.blocks.size(); ++i) {
    if (e.blocks[i].handler || e_in_b[i] >= 0) continue;
    bool base_before = false;
    int anchor = -1;
    for (std::size_t j = i; j-- > 0;) {
      const int in_base = e_in_b[j];
      if (in_base < 0) continue;
      base_before = true;
      anchor = b_in_n[static_cast<std::size_t>(in_base)];
      if (anchor >= 0) break;
    }
    if (base_before && anchor < 0) {
      unplaced.push_back(e.blocks[i].line);
      ++merge.ended_lines;
    } else {
      placed[anchor].push_back(e.blocks[i].line);
      ++merge.kept_lines;
    }
  }

  Lines& out = merge.lines;
  Append(out, placed[-1]);
  for (std::size_t k = 0; k < n.blocks.size(); ++k) {
    const CodeBlock& block = n.blocks[k];
    if (!block.handler) {
      out.push_back(block.line);
    } else {
      Append(out, block.head);
      const CodeBlock* was = b.Find(block.key);
      const CodeBlock* mine = e.Find(block.key);
      if (!mine || (was && mine->body == was->body) || mine->body == block.body) {
        Append(out, block.body);
      } else {
        // The user's body stays; what the generator now adds to it is shown above it.
        if (!was || block.body != was->body)
          for (const std::string& line : AddedLines(was ? was->body : mine->body, block.body))
            out.push_back(kGeneratedMark + line);
        Append(out, mine->body);
        ++merge.kept_handlers;
      }
      Append(out, block.foot);
    }
    const auto after = placed.find(static_cast<int>(k));
    if (after != placed.end()) Append(out, after->second);
  }

  // The code of handlers the design no longer has, then the lines without a place.
  Append(out, earlier);
  for (const CodeBlock& block : e.blocks) {
    if (!block.handler || n.Find(block.key)) continue;
    const CodeBlock* was = b.Find(block.key);
    if (was && was->body == block.body) continue;  // nothing of the user's in it
    out.push_back(kKeptHandlerOpen + block.label + kKeptHandlerClose);
    std::size_t end = block.body.size();
    while (end > 0 && block.body[end - 1].empty()) --end;  // the blank line between cases
    for (std::size_t i = 0; i < end; ++i) out.push_back(kKeptMark + block.body[i]);
    ++merge.ended_handlers;
  }
  if (!unplaced.empty()) {
    out.push_back(kKeptLinesTitle);
    for (const std::string& line : unplaced) out.push_back(kKeptMark + line);
  }
  return merge;
}

namespace {

std::string Count(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string KeptCodeText(int kept_handlers, int kept_lines, int ended_handlers, int ended_lines) {
  std::vector<std::string> parts;
  if (kept_handlers > 0) {
    std::string part = "Kept your code in " + Count(kept_handlers, "handler", "handlers");
    if (kept_lines > 0) part += " and " + Count(kept_lines, "other line", "other lines");
    parts.push_back(std::move(part));
  } else if (kept_lines > 0) {
    parts.push_back("Kept your code in " +
                    Count(kept_lines, "line outside handlers", "lines outside handlers"));
  }
  if (ended_handlers > 0)
    parts.push_back(Count(ended_handlers,
                          "handler of a removed or renamed control kept as a comment at the end",
                          "handlers of removed or renamed controls kept as comments at the end"));
  if (ended_lines > 0)
    parts.push_back(Count(ended_lines, "line whose place is gone kept as a comment at the end",
                          "lines whose place is gone kept as comments at the end"));
  if (parts.empty()) return "No code of yours was found in the files; they are generated anew.";
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : "; ") + part;
  return text + ".";
}

}  // namespace qb
