#pragma once

// The menus and toolbars of the main window as data: the Qt layer builds its widgets from
// these tables and asks the core for each command's enabled and checked state. They list
// commands by id; each item's caption, keys, hint and check mark come from the command table
// (commands.h).

#include <vector>

#include "app/commands.h"

namespace qb {

struct MenuItemDef {
  Command command;  // kNone: a separator
  const char* caption;
  const char* shortcut;  // "Ctrl+N", "F7" or empty
  const char* hint;
  bool checkable;
  const char* other_shortcut = "";  // a second key for the same command, or empty
};

struct MenuDef {
  const char* caption;
  const char* hint;
  bool visible;
  std::vector<MenuItemDef> items;
};

// The main menu, left to right.
const std::vector<MenuDef>& MainMenus();
// The submenu of the recent projects: its caption and the two commands after the entries.
inline constexpr const char* kRecentProjectsCaption = "&Recent Projects";
const std::vector<MenuItemDef>& RecentProjectsCommands();
// The designer-scale submenu of the View menu: its caption and its entries (the sizes are one
// exclusive group).
inline constexpr const char* kDesignerScaleCaption = "Designer &Scale";
const std::vector<MenuItemDef>& DesignerScaleCommands();

struct ToolButtonDef {
  Command command;  // kNone: a separator
  const char* hint;
};

struct ToolbarDef {
  const char* name;  // the section of its layout in options.ini
  const char* caption;
  int row;
  // Empty for the palette, whose buttons come from the palette view.
  std::vector<ToolButtonDef> buttons;
};

// The four toolbars in dock order.
const std::vector<ToolbarDef>& Toolbars();
inline constexpr const char* kPaletteToolbarName = "tbControls";

// The menu item of a command; nullptr when no menu holds it.
const MenuItemDef* FindMenuItem(Command command);

}  // namespace qb
