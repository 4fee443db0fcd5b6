#include "app/menus.h"

#include <iterator>

namespace qb {

namespace {

using C = Command;

// The menus and toolbars name their commands; caption, keys, hints and whether an item is
// checkable come from the command table.
struct MenuLayout {
  const char* caption;
  const char* hint;
  bool visible;
  std::vector<Command> items;  // kNone: a separator
};

const MenuLayout kMenuLayout[] = {
    {"&File",
     "File related commands",
     true,
     // The separator before the recent projects comes and goes with their submenu.
     {C::kNewProject, C::kSaveProject, C::kSaveProjectAs, C::kOpenProject, C::kNone,
      C::kRecentProjects, C::kNone, C::kNewForm, C::kOpenForm, C::kCloseForm, C::kSaveForm,
      C::kSaveFormAs, C::kCloseAll, C::kNone, C::kExit}},
    {"&Edit", "", true, {C::kUndo, C::kRedo, C::kNone, C::kCut, C::kCopy, C::kPaste}},
    {"&View", "", true, {C::kZoom, C::kPropertiesEditor, C::kNone, C::kGrid, C::kDesignerScale}},
    {"&Project",
     "",
     true,
     {C::kGenerateCode, C::kCheckLayout, C::kPreview, C::kProjectMap, C::kNone, C::kShortNames}},
    {"&Tools", "", false, {C::kOptions}},
    {"&Help", "Help topics", true, {C::kHelpContents, C::kNone, C::kAbout}},
};

const Command kRecentLayout[] = {C::kClearRecent, C::kRemoveObsoleteRecent};

const Command kScaleLayout[] = {C::kScale1, C::kScale2,      C::kScale3,      C::kScale4,
                                C::kNone,   C::kScaleLarger, C::kScaleSmaller};

struct ToolbarLayout {
  const char* name;
  const char* caption;
  int row;
  std::vector<Command> buttons;  // kNone: a separator
};

const ToolbarLayout kToolbarLayout[] = {
    {"tbFile",
     "File",
     1,
     {C::kNewProject, C::kOpenProject, C::kSaveProject, C::kNone, C::kNewForm, C::kOpenForm,
      C::kSaveForm, C::kNone, C::kGenerateButton}},
    {"tbEdit", "Edit", 1, {C::kUndo, C::kRedo, C::kNone, C::kCut, C::kCopy, C::kPaste}},
    {"tbAlign",
     "Align & Size",
     1,
     {C::kAlignLeft, C::kAlignRight, C::kAlignTop, C::kAlignBottom, C::kNone, C::kSameHeight,
      C::kSameWidth, C::kNone, C::kCenterHorizontally, C::kCenterVertically, C::kNone,
      C::kSpaceHorizontally, C::kSpaceVertically}},
    {kPaletteToolbarName, "Controls", 2, {}},
};

MenuItemDef ItemOf(Command command) {
  const CommandEntry* entry = FindCommand(command);
  if (!entry) return {Command::kNone, "", "", "", false};
  return {command,     entry->caption,   entry->shortcut,
          entry->hint, entry->checkable, entry->other_shortcut};
}

std::vector<MenuItemDef> ItemsOf(const Command* begin, const Command* end) {
  std::vector<MenuItemDef> out;
  for (const Command* c = begin; c != end; ++c) out.push_back(ItemOf(*c));
  return out;
}

const std::vector<MenuDef>& Menus() {
  static const std::vector<MenuDef> menus = [] {
    std::vector<MenuDef> out;
    for (const MenuLayout& layout : kMenuLayout)
      out.push_back({layout.caption, layout.hint, layout.visible,
                     ItemsOf(layout.items.data(), layout.items.data() + layout.items.size())});
    return out;
  }();
  return menus;
}

}  // namespace

const std::vector<MenuDef>& MainMenus() { return Menus(); }

const std::vector<MenuItemDef>& RecentProjectsCommands() {
  static const std::vector<MenuItemDef> items =
      ItemsOf(std::begin(kRecentLayout), std::end(kRecentLayout));
  return items;
}

const std::vector<MenuItemDef>& DesignerScaleCommands() {
  static const std::vector<MenuItemDef> items =
      ItemsOf(std::begin(kScaleLayout), std::end(kScaleLayout));
  return items;
}

const std::vector<ToolbarDef>& Toolbars() {
  static const std::vector<ToolbarDef> bars = [] {
    std::vector<ToolbarDef> out;
    for (const ToolbarLayout& layout : kToolbarLayout) {
      ToolbarDef bar{layout.name, layout.caption, layout.row, {}};
      for (Command command : layout.buttons) {
        const CommandEntry* entry = FindCommand(command);
        bar.buttons.push_back({command, entry ? entry->button_hint : ""});
      }
      out.push_back(std::move(bar));
    }
    return out;
  }();
  return bars;
}

const MenuItemDef* FindMenuItem(Command command) {
  if (command == Command::kNone) return nullptr;
  for (const MenuDef& menu : MainMenus())
    for (const MenuItemDef& item : menu.items)
      if (item.command == command) return &item;
  for (const MenuItemDef& item : RecentProjectsCommands())
    if (item.command == command) return &item;
  for (const MenuItemDef& item : DesignerScaleCommands())
    if (item.command == command) return &item;
  return nullptr;
}

}  // namespace qb
