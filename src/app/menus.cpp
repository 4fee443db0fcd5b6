#include "app/menus.h"

namespace qb {

namespace {

using C = Command;
constexpr MenuItemDef kSeparator = {C::kNone, "", "", "", false};

const std::vector<MenuDef> kMenus = {
    {"&File",
     "File related commands",
     true,
     {
         {C::kNewProject, "&New Project...", "Ctrl+N", "", false},
         {C::kSaveProject, "&Save Project", "Ctrl+S", "", false},
         {C::kSaveProjectAs, "Save Project &As...", "Ctrl+A", "", false},
         {C::kOpenProject, "&Open Project...", "Ctrl+O", "", false},
         // Shown and hidden with the recent-projects submenu after it.
         kSeparator,
         {C::kRecentProjects, kRecentProjectsCaption, "", "", false},
         kSeparator,
         {C::kNewForm, "N&ew Form", "", "Create a new blank form", false},
         {C::kOpenForm, "Open &Form...", "", "Open an existing form", false},
         {C::kCloseForm, "&Close Form", "", "Close current form", false},
         {C::kSaveForm, "Sa&ve Form", "", "Save current form", false},
         {C::kSaveFormAs, "Sav&e Form As...", "", "Save current file as...", false},
         {C::kCloseAll, "C&lose All", "", "", false},
         kSeparator,
         {C::kExit, "E&xit", "", "Exit the application", false},
     }},
    {"&Edit",
     "",
     true,
     {
         {C::kUndo, "&Undo", "Ctrl+Z", "Undo the last change of the form", false},
         {C::kRedo, "&Redo", "Ctrl+Y", "Redo the change undone last", false, "Ctrl+Shift+Z"},
         kSeparator,
         {C::kCut, "Cu&t", "Ctrl+X", "Cut to clipboard", false},
         {C::kCopy, "&Copy", "Ctrl+C", "Copy to clipboard", false},
         {C::kPaste, "&Paste", "Ctrl+V", "Paste from clipboard", false},
     }},
    {"&View",
     "",
     true,
     {
         {C::kZoom, "&Zoom", "", "", true},
         {C::kPropertiesEditor, "&Properties Editor", "", "", true},
         kSeparator,
         {C::kGrid, "&Grid", "", "", true},
         {C::kDesignerScale, kDesignerScaleCaption, "", "", false},
     }},
    {"&Project",
     "",
     true,
     {
         {C::kGenerateCode, "&Generate Code...", "F7", "", false},
         {C::kCheckLayout, "Check &Layout", "F8",
          "Find what will look wrong or fail on the device", false},
         {C::kPreview, "&Preview", "Ctrl+R", "Try the form as on the device", false},
         {C::kProjectMap, "Project &Map", "Ctrl+M", "See every form and where each tap leads",
          false},
         kSeparator,
         {C::kShortNames, "&Short names", "", "", true},
     }},
    {"&Tools", "", false, {{C::kOptions, "&Options...", "", "", false}}},
    {"&Help",
     "Help topics",
     true,
     {
         {C::kHelpContents, "Quillboard...", "", "", false},
         kSeparator,
         {C::kAbout, "A&bout Quillboard...", "", "", false},
     }},
};

const std::vector<MenuItemDef> kRecentCommands = {
    {C::kClearRecent, "&Clear List", "", "", false},
    {C::kRemoveObsoleteRecent, "&Remove Obsolete", "", "", false},
};

const std::vector<MenuItemDef> kScaleCommands = {
    {C::kScale1, "&1×", "Ctrl+0", "Show the designer windows at their own size", true},
    {C::kScale2, "&2×", "", "Show the designer windows twice as large", true},
    {C::kScale3, "&3×", "", "Show the designer windows three times as large", true},
    {C::kScale4, "&4×", "", "Show the designer windows four times as large", true},
    kSeparator,
    {C::kScaleLarger, "&Larger", "Ctrl++", "Show the designer windows one step larger", false,
     "Ctrl+="},
    {C::kScaleSmaller, "&Smaller", "Ctrl+-", "Show the designer windows one step smaller",
     false},
};

constexpr ToolButtonDef kToolSeparator = {C::kNone, ""};

const std::vector<ToolbarDef> kToolbars = {
    {"tbFile",
     "File",
     1,
     {
         {C::kNewProject, "New Project"},
         {C::kOpenProject, "Open Project"},
         {C::kSaveProject, "Save Project"},
         kToolSeparator,
         {C::kNewForm, "New Form"},
         {C::kOpenForm, "Open Form"},
         {C::kSaveForm, "Save Form"},
         kToolSeparator,
         {C::kGenerateButton, "Generate Code"},
     }},
    {"tbEdit",
     "Edit",
     1,
     {{C::kUndo, "Undo"},
      {C::kRedo, "Redo"},
      kToolSeparator,
      {C::kCut, "Cut"},
      {C::kCopy, "Copy"},
      {C::kPaste, "Paste"}}},
    {"tbAlign",
     "Align & Size",
     1,
     {
         {C::kAlignLeft, "Align Left"},
         {C::kAlignRight, "Align Right"},
         {C::kAlignTop, "Align Top"},
         {C::kAlignBottom, "Align Bottom"},
         kToolSeparator,
         {C::kSameHeight, "Same Height"},
         {C::kSameWidth, "Same Width"},
         kToolSeparator,
         {C::kCenterHorizontally, "Center horizontally\nin form or dialog"},
         {C::kCenterVertically, "Center vertically\nin form or dialog"},
         kToolSeparator,
         {C::kSpaceHorizontally, "Space controls equally,\nhorizontally"},
         {C::kSpaceVertically, "Space controls equally,\nvertically"},
     }},
    {kPaletteToolbarName, "Controls", 2, {}},
};

}  // namespace

const std::vector<MenuDef>& MainMenus() { return kMenus; }

const std::vector<MenuItemDef>& RecentProjectsCommands() { return kRecentCommands; }

const std::vector<MenuItemDef>& DesignerScaleCommands() { return kScaleCommands; }

const std::vector<ToolbarDef>& Toolbars() { return kToolbars; }

const MenuItemDef* FindMenuItem(Command command) {
  if (command == Command::kNone) return nullptr;
  for (const MenuDef& menu : kMenus)
    for (const MenuItemDef& item : menu.items)
      if (item.command == command) return &item;
  for (const MenuItemDef& item : kRecentCommands)
    if (item.command == command) return &item;
  for (const MenuItemDef& item : kScaleCommands)
    if (item.command == command) return &item;
  return nullptr;
}

}  // namespace qb
