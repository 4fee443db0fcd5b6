#pragma once

// Form files (.qbf): one "FORM" section, then one section per control, written and read per
// library from the schema's kind tables (controls/schema.h).
//
// Where the toolkit's behaviour would lose data, the reader and writer do this instead:
// - Saving writes the whole file at once through IniFile::Save, so a failed save leaves the
//   old file as it was (the old file is not deleted first).
// - A control that cannot have its own section (empty name, a name that is not an
//   identifier, a reserved name or one already written in the same form) is written under
//   its next free automatic name; the control keeps its own (writing never changes a form).
// - A section whose "Name" is unusable in the form (not an identifier, reserved, or already
//   borne by a control read earlier) is read as a control with the next free automatic name.
// - Only dialogs are parents; a "Parent" naming anything else lands on the screen panel.
// - A second MenuBar section is skipped: a window has one menu bar.
// - At most kMaxFormControls controls are read from one file; further sections are counted
//   in FormReadResult::dropped. The openers check InspectFormFile first and refuse a fuller
//   form, so that a truncated form is never saved over its file.

#include <string>
#include <vector>

#include "form/ChildFor.h"
#include "form/app_state.h"
#include "model/ini_file.h"
#include "model/library.h"
#include "model/safe_file.h"
#include "model/ui.h"

namespace qb {

inline constexpr const char* kFormSection = "FORM";
inline constexpr int kMaxFormControls = 4096;

// "Unable to write to <path>".
std::string UnableToWriteMessage(const std::string& path);

// The form's file content. Controls that cannot have a section of their own are written
// under another name (see above).
IniFile WriteFormToIni(LibraryId lib, const FormDocument& form, int window_left, int window_top);
// The same for the form a window shows, at the window's position.
IniFile WriteFormToIni(LibraryId lib, const TChildFrm& window);
// Writes the form file. On failure shows "Unable to write to <path>" (caption "Error") and
// returns false, leaving the old file and the form's caption as they were; on success sets
// the window's caption to the file's name.
bool WriteForm(LibraryId lib, TChildFrm& form, const std::string& path, Ui& ui);

// One text the form file holds: the control's name (the form's for its title), the key and
// the text (each item of a list apart).
struct FormText {
  std::string control;
  std::string key;
  std::string text;
};
// Every text of the form, in written order; the form is left as it is.
std::vector<FormText> FormTexts(LibraryId lib, const FormDocument& form);

struct FormReadResult {
  int controls = 0;  // controls created
  int dropped = 0;   // control sections not read because the form was full
};

// Reads the form's content into a freshly created designer window (named by the opener).
// Every control read gets the state's control colour; automatic names use its counter.
FormReadResult ReadFormFromIni(LibraryId lib, TChildFrm& form, const IniFile& ini, AppState& state);
// Remembers the path as the form's path, sets the caption to the file's name, and reads the
// file (a missing file reads as an empty one).
FormReadResult ReadForm(LibraryId lib, TChildFrm& form, const std::string& path, AppState& state);

// What an opener checks before it creates a window for a form file.
struct FormFileHeader {
  ReadStatus status = ReadStatus::kUnreadable;
  std::string name;           // "FORM"/"Name"; empty when missing
  int lib = 0;                // "FORM"/"Lib"; 0 when missing
  int controls = 0;           // control sections the reader of `lib` would read, uncapped
  bool form_section = false;  // whether the file has a "FORM" section at all
  bool ok() const { return status == ReadStatus::kOk; }
};
FormFileHeader InspectFormFile(const std::string& path, LibraryId reading_lib);

// Why a readable file is not one of our forms: "<path> is not a Quillboard form: it has no
// [FORM] section." or "...: its [FORM] section has no Name."; empty for a form file. Every
// opener refuses such a file, so that nothing is made of it and nothing written over it.
std::string ForeignFormText(const std::string& path, const FormFileHeader& header);

// "<path> holds <n> controls; a form holds at most 4096. It was not opened."
std::string TooManyControlsText(const std::string& path, int controls);
// Why a form file cannot be opened, in the words above: unreadable or not a file, not one of our
// forms, too many controls; empty when it can be opened. Every opener asks this first.
std::string FormFileRefusal(const std::string& path, const FormFileHeader& header);
// "<path> is a form of <form library>, not of <library>. It was not opened."
std::string FormOfOtherLibraryText(const std::string& path, int form_lib, LibraryId lib);
// The library's name for messages; "no library" or "library <n>" for other values.
std::string LibraryNameText(int lib);

// "FORM"/"Name"; empty when missing (the opener then ignores the file).
std::string ReadFormName(const std::string& path);
// "FORM"/"Lib"; 0 when missing.
int ReadFormLib(const std::string& path);

}  // namespace qb
