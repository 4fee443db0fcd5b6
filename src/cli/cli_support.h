#pragma once

// What the sub-commands share: the usage error, the check of a project's listed forms, the
// loading of the Palm faces and the project opened for a batch run.

#include <iosfwd>
#include <memory>
#include <string>

#include "app/Main.h"
#include "cli/batch_ui.h"
#include "cli/command.h"

namespace qb {
class FontRegistry;
struct ProjectFileData;
}  // namespace qb

namespace qb::cli {

// Reports a wrong command line of a sub-command with its usage line; the usage status.
int UsageError(CommandContext& context, const char* name, const char* usage,
               const std::string& why);

// The first reason the forms a project lists cannot be used by a batch run: a form missing,
// unreadable, not one of our forms, over the control limit or of the other library; empty when
// every one can. The designer would skip such a form, and output without it would be a different
// program.
std::string ListedFormsProblem(const ProjectFileData& project);

// The faces from the program's folder, as the designer loads them; a missing face is
// reported as a warning and drawn with the built-in face.
void LoadPalmFaces(const std::string& folder, FontRegistry& fonts, std::ostream& err);

// A project opened without windows: every message to the error stream.
struct BatchProject {
  explicit BatchProject(const CommandContext& context)
      : ui(context.err), main(ui, context.program_dir) {}
  BatchUi ui;
  TMain main;
};

// The project at path opened as the designer opens it, with the program's faces, once it is
// one of our projects and every form it lists can be used. nullptr with the reason in *why
// otherwise: the designer's refusal of the file, the listed forms' problem, or not_done when
// opening had something to say (already on the error stream: a form of the other library, an
// unreadable file), since the forms are then not what the project lists.
std::unique_ptr<BatchProject> OpenBatchProject(const std::string& path,
                                               const CommandContext& context, const char* not_done,
                                               std::string* why);

}  // namespace qb::cli
