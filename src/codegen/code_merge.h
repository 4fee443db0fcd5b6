#pragma once

// Generating again into a file the user has written code in: the new text is merged with
// the file against its base, the text generated when the file was last written. Handlers
// are merged body by body (code_blocks.h); every other line comes from the new text, and a
// line the user added there stays after the nearest line before it that is still generated.
// Nothing the user wrote is dropped: what has no place any more goes, commented out, to a
// block at the end of the text.

#include <string>
#include <vector>

#include "model/library.h"

namespace qb {

struct CodeMerge {
  std::vector<std::string> lines;
  int kept_handlers = 0;   // handlers whose body is the user's
  int kept_lines = 0;      // lines the user added outside handlers, kept in their place
  int ended_handlers = 0;  // bodies of handlers the design no longer has, in the end block
  int ended_lines = 0;     // added lines whose place is gone, in the end block
  bool KeptAnything() const {
    return kept_handlers + kept_lines + ended_handlers + ended_lines > 0;
  }
};

// Merges the file's lines (`written`) with the new text (`fresh`) against `base`. Handlers are
// looked for only with `events` (the events text). When written equals base, or holds nothing
// but generated lines, the result is fresh.
CodeMerge MergeCode(LibraryId library, bool events, const std::vector<std::string>& base,
                    const std::vector<std::string>& written, const std::vector<std::string>& fresh);

}  // namespace qb
