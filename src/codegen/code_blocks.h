#pragma once

// An events text cut into the handlers a user writes code in and the lines around them. A
// handler is known by its panel and its control's name (a menu entry by its menu bar, its
// text and its number among equal entries), never by where it stands.

#include <string>
#include <vector>

#include "model/library.h"

namespace qb {

struct CodeBlock {
  // False: one line outside every handler, in `line`.
  bool handler = false;
  std::string line;
  // A handler: what finds it again in another version of the text, and how the end block of
  // a merge names it ("Button2 in Form1").
  std::string key;
  std::string label;
  std::vector<std::string> head;  // the generated lines that open it
  std::vector<std::string> body;  // what the user writes in
  std::vector<std::string> foot;  // the generated lines that close it (none for a case)

  // The block's lines in the order of the text.
  std::vector<std::string> Lines() const;
};

// The blocks of a text; their lines, one after the other, are the text again. With `events`
// false (the main, forms and header texts) every block is a line. In an events text of
// CControls a handler is "On<name>(){" with its body up to the next line starting with "}",
// and a menu entry's "    case \"<entry>\":" inside "On<bar>(string Option){" with its body
// up to "      break;"; of PToolboxLib a top-level "    case <name>:" of an events or repeat
// function, whose body ends before the next line of four blanks and "case " or "default:",
// or "    } //switch".
std::vector<CodeBlock> SplitCode(LibraryId library, bool events,
                                 const std::vector<std::string>& lines);

}  // namespace qb
