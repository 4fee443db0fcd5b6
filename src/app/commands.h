#pragma once

// Every command of the main window's menus and toolbars, and the one table that says what
// each is: its caption, keys and hints as the menus and toolbars show them, what it runs and
// when it is enabled or checked (commands.cpp). The menus and toolbars list commands by id
// and take everything else from the table; TMain::Execute runs the table's entry.

#include <vector>

namespace qb {

class TMain;

enum class Command {
  kNone,  // a separator in menus and toolbars
  // File
  kNewProject,
  kSaveProject,
  kSaveProjectAs,
  kOpenProject,
  kRecentProjects,  // where the recent-projects submenu goes while the list is not empty
  kNewForm,
  kOpenForm,
  kCloseForm,
  kSaveForm,
  kSaveFormAs,
  kCloseAll,
  kExit,
  // Recent-projects submenu
  kClearRecent,
  kRemoveObsoleteRecent,
  // Edit
  kUndo,
  kRedo,
  kCut,
  kCopy,
  kPaste,
  // View
  kZoom,
  kPropertiesEditor,
  kGrid,
  kDesignerScale,  // where the designer-scale submenu goes
  // Designer-scale submenu
  kScale1,
  kScale2,
  kScale3,
  kScale4,
  kScaleLarger,
  kScaleSmaller,
  // Project
  kGenerateCode,
  kCheckLayout,
  kPreview,
  kProjectMap,
  kShortNames,
  // Tools
  kOptions,
  // Help
  kHelpContents,
  kAbout,
  // Toolbar-only
  kGenerateButton,
  kAlignLeft,
  kAlignRight,
  kAlignTop,
  kAlignBottom,
  kSameHeight,
  kSameWidth,
  kCenterHorizontally,
  kCenterVertically,
  kSpaceHorizontally,
  kSpaceVertically,
  kCount,  // not a command: how many values come before it
};

struct CommandEntry {
  Command id;
  const char* caption;         // with its access key; empty for a toolbar-only command
  const char* shortcut;        // "Ctrl+N", "F7" or empty
  const char* other_shortcut;  // a second key for the same command, or empty
  const char* hint;            // the menu item's status text, or empty
  const char* button_hint;     // the toolbar button's text; empty when no toolbar shows it
  bool checkable;
  // Runs the command; a command that edits a form opens its own transaction.
  void (*run)(TMain& main);
  bool (*enabled)(const TMain& main);  // nullptr: always enabled
  bool (*checked)(const TMain& main);  // nullptr: never checked (only checkable ones have it)
};

// One entry per command, in the order of the enum (kNone, a separator, has none).
const std::vector<CommandEntry>& CommandTable();
// The entry of a command; nullptr for kNone and kCount.
const CommandEntry* FindCommand(Command id);

}  // namespace qb
