#include "app/menus.h"

#include <gtest/gtest.h>

#include <string>

namespace qb {
namespace {

std::string Captions(const MenuDef& menu) {
  std::string out;
  for (const MenuItemDef& item : menu.items)
    out += std::string(item.command == Command::kNone ? "-" : item.caption) + "|";
  return out;
}

TEST(Menus, TopLevelMenus) {
  std::string out;
  for (const MenuDef& m : MainMenus())
    out += std::string(m.caption) + (m.visible ? "|" : "(hidden)|");
  EXPECT_EQ(out, "&File|&Edit|&View|&Project|&Tools(hidden)|&Help|");
  EXPECT_STREQ(MainMenus()[0].hint, "File related commands");
  EXPECT_STREQ(MainMenus()[5].hint, "Help topics");
}

TEST(Menus, FileMenuSetsTheRecentProjectsApartAfterOpenProject) {
  EXPECT_EQ(Captions(MainMenus()[0]),
            "&New Project...|&Save Project|Save Project &As...|&Open Project...|-|"
            "&Recent Projects|-|N&ew Form|Open &Form...|&Close Form|Sa&ve Form|"
            "Sav&e Form As...|C&lose All|-|E&xit|");
  EXPECT_EQ(Captions(MainMenus()[1]), "&Undo|&Redo|-|Cu&t|&Copy|&Paste|");
  EXPECT_EQ(Captions(MainMenus()[2]), "&Zoom|&Properties Editor|-|&Grid|Designer &Scale|");
  EXPECT_EQ(Captions(MainMenus()[3]),
            "&Generate Code...|Check &Layout|&Preview|Project &Map|-|&Short names|");
  EXPECT_EQ(Captions(MainMenus()[4]), "&Options...|");
  EXPECT_EQ(Captions(MainMenus()[5]), "Quillboard...|-|A&bout Quillboard...|");
}

TEST(Menus, ShortcutsAndHints) {
  struct Case {
    Command command;
    const char* shortcut;
    const char* hint;
  };
  const Case cases[] = {
      {Command::kNewProject, "Ctrl+N", ""},
      {Command::kSaveProject, "Ctrl+S", ""},
      {Command::kSaveProjectAs, "Ctrl+A", ""},  // Ctrl+A saves under a new name
      {Command::kOpenProject, "Ctrl+O", ""},
      {Command::kNewForm, "", "Create a new blank form"},
      {Command::kOpenForm, "", "Open an existing form"},
      {Command::kCloseForm, "", "Close current form"},
      {Command::kSaveForm, "", "Save current form"},
      {Command::kSaveFormAs, "", "Save current file as..."},
      {Command::kExit, "", "Exit the application"},
      {Command::kCut, "Ctrl+X", "Cut to clipboard"},
      {Command::kCopy, "Ctrl+C", "Copy to clipboard"},
      {Command::kPaste, "Ctrl+V", "Paste from clipboard"},
      {Command::kGenerateCode, "F7", ""},
      {Command::kCheckLayout, "F8", "Find what will look wrong or fail on the device"},
      {Command::kPreview, "Ctrl+R", "Try the form as on the device"},
      {Command::kProjectMap, "Ctrl+M", "See every form and where each tap leads"},
  };
  for (const Case& c : cases) {
    const MenuItemDef* item = FindMenuItem(c.command);
    ASSERT_NE(item, nullptr);
    EXPECT_STREQ(item->shortcut, c.shortcut) << item->caption;
    EXPECT_STREQ(item->hint, c.hint) << item->caption;
  }
}

TEST(Menus, CheckMarksBelongToTheFourOptions) {
  std::string checkable;
  for (const MenuDef& m : MainMenus())
    for (const MenuItemDef& item : m.items)
      if (item.checkable) checkable += std::string(item.caption) + "|";
  EXPECT_EQ(checkable, "&Zoom|&Properties Editor|&Grid|&Short names|");
}

TEST(Menus, RecentProjectsSubmenuCommands) {
  EXPECT_STREQ(kRecentProjectsCaption, "&Recent Projects");
  ASSERT_EQ(RecentProjectsCommands().size(), 2u);
  EXPECT_STREQ(RecentProjectsCommands()[0].caption, "&Clear List");
  EXPECT_STREQ(RecentProjectsCommands()[1].caption, "&Remove Obsolete");
}

TEST(Toolbars, CaptionsRowsAndHints) {
  const auto& bars = Toolbars();
  ASSERT_EQ(bars.size(), 4u);
  std::string out;
  for (const ToolbarDef& bar : bars) {
    out += std::string(bar.name) + ":" + bar.caption + ":" + std::to_string(bar.row) + ":";
    for (const ToolButtonDef& b : bar.buttons)
      out += std::string(b.command == Command::kNone ? "-" : b.hint) + ",";
    out += "\n";
  }
  EXPECT_EQ(out,
            "tbFile:File:1:New Project,Open Project,Save Project,-,New Form,Open Form,"
            "Save Form,-,Generate Code,\n"
            "tbEdit:Edit:1:Undo,Redo,-,Cut,Copy,Paste,\n"
            "tbAlign:Align & Size:1:Align Left,Align Right,Align Top,Align Bottom,-,"
            "Same Height,Same Width,-,Center horizontally\nin form or dialog,"
            "Center vertically\nin form or dialog,-,Space controls equally,\nhorizontally,"
            "Space controls equally,\nvertically,\n"
            "tbControls:Controls:2:\n");
  EXPECT_EQ(bars[0].buttons.back().command, Command::kGenerateButton);
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

TEST(Menus, DesignerScaleSubmenu) {
  EXPECT_STREQ(kDesignerScaleCaption, "Designer &Scale");
  const MenuItemDef* place = FindMenuItem(Command::kDesignerScale);
  ASSERT_NE(place, nullptr);
  EXPECT_STREQ(place->caption, "Designer &Scale");
  struct Case {
    Command command;
    const char* caption;
    const char* shortcut;
    const char* other;
    bool checkable;
  };
  const Case cases[] = {
      {Command::kScale1, "&1×", "Ctrl+0", "", true},
      {Command::kScale2, "&2×", "", "", true},
      {Command::kScale3, "&3×", "", "", true},
      {Command::kScale4, "&4×", "", "", true},
      {Command::kNone, "", "", "", false},
      {Command::kScaleLarger, "&Larger", "Ctrl++", "Ctrl+=", false},
      {Command::kScaleSmaller, "&Smaller", "Ctrl+-", "", false},
  };
  const auto& items = DesignerScaleCommands();
  ASSERT_EQ(items.size(), std::size(cases));
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].command, cases[i].command) << i;
    EXPECT_STREQ(items[i].caption, cases[i].caption);
    EXPECT_STREQ(items[i].shortcut, cases[i].shortcut);
    EXPECT_STREQ(items[i].other_shortcut, cases[i].other);
    EXPECT_EQ(items[i].checkable, cases[i].checkable);
  }
}

}  // namespace
}  // namespace qb
