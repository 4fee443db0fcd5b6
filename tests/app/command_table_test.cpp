// The command table against the menus and toolbars the Qt layer builds: one entry per command,
// and every entry is reached where its texts say.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/menus.h"
#include "main_fixture.h"

namespace qb::test {
namespace {

// Where each command appears: "menu &File", "submenu &Recent Projects", "toolbar tbFile".
std::map<Command, std::vector<std::string>> Placements() {
  std::map<Command, std::vector<std::string>> out;
  for (const MenuDef& menu : MainMenus())
    for (const MenuItemDef& item : menu.items)
      if (item.command != Command::kNone)
        out[item.command].push_back(std::string("menu ") + menu.caption);
  for (const MenuItemDef& item : RecentProjectsCommands())
    if (item.command != Command::kNone) out[item.command].push_back("submenu recent");
  for (const MenuItemDef& item : DesignerScaleCommands())
    if (item.command != Command::kNone) out[item.command].push_back("submenu scale");
  for (const ToolbarDef& bar : Toolbars())
    for (const ToolButtonDef& button : bar.buttons)
      if (button.command != Command::kNone)
        out[button.command].push_back(std::string("toolbar ") + bar.name);
  return out;
}

bool InAMenu(const std::vector<std::string>& places) {
  for (const std::string& place : places)
    if (place.rfind("menu ", 0) == 0 || place.rfind("submenu ", 0) == 0) return true;
  return false;
}

TEST(CommandTable, EveryCommandHasExactlyOneEntryInTheEnumsOrder) {
  const auto& table = CommandTable();
  std::map<Command, int> seen;
  for (const CommandEntry& entry : table) ++seen[entry.id];
  EXPECT_EQ(seen.count(Command::kNone), 0u);
  EXPECT_EQ(seen.count(Command::kCount), 0u);
  for (int i = 1; i < static_cast<int>(Command::kCount); ++i)
    EXPECT_EQ(seen[static_cast<Command>(i)], 1) << "command " << i;
  ASSERT_EQ(table.size(), static_cast<std::size_t>(Command::kCount) - 1);
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(table[i].id), i + 1);
    EXPECT_EQ(FindCommand(table[i].id), &table[i]);
    EXPECT_NE(table[i].run, nullptr) << i;
  }
  EXPECT_EQ(FindCommand(Command::kNone), nullptr);
  EXPECT_EQ(FindCommand(Command::kCount), nullptr);
}

// Each entry is reachable, and its texts say where: a caption exactly when a menu holds it, a
// button text exactly when a toolbar does; a key only on a menu item (the toolbars share the
// menu's action); a check mark only with a state to show.
TEST(CommandTable, EachEntryIsReachedWhereItsTextsSay) {
  const auto places = Placements();
  for (const CommandEntry& entry : CommandTable()) {
    const auto it = places.find(entry.id);
    ASSERT_NE(it, places.end()) << "command " << static_cast<int>(entry.id)
                                << " is in no menu or toolbar";
    bool in_toolbar = false;
    for (const std::string& place : it->second) in_toolbar |= place.rfind("toolbar ", 0) == 0;
    const bool in_menu = InAMenu(it->second);
    EXPECT_EQ(std::string(entry.caption).empty(), !in_menu) << entry.caption;
    EXPECT_EQ(std::string(entry.button_hint).empty(), !in_toolbar) << entry.caption;
    if (!in_menu) {
      EXPECT_STREQ(entry.shortcut, "") << entry.button_hint;
    }
    if (!*entry.shortcut) {
      EXPECT_STREQ(entry.other_shortcut, "") << entry.caption;
    }
    EXPECT_EQ(entry.checkable, entry.checked != nullptr) << entry.caption;
    // A command sits in one menu at most.
    int menus = 0;
    for (const std::string& place : it->second) menus += place.rfind("toolbar ", 0) != 0;
    EXPECT_LE(menus, 1) << entry.caption;
  }
}

TEST(CommandTable, NoTwoMenuItemsShareAKey) {
  std::set<std::string> keys;
  for (const CommandEntry& entry : CommandTable())
    for (const char* key : {entry.shortcut, entry.other_shortcut})
      if (*key) {
        EXPECT_TRUE(keys.insert(key).second) << key;
      }
}

// Execute runs the entry, Enabled and Checked read it.
class CommandTableRun : public MainTest {};

TEST_F(CommandTableRun, ExecuteEnabledAndCheckedFollowTheEntries) {
  StartProject(LibraryId::kPToolboxLib);
  struct Case {
    Command command;
    bool (*state)(TMain&);
  };
  const Case toggles[] = {
      {Command::kGrid, [](TMain& m) { return m.State().grid_option; }},
      {Command::kShortNames, [](TMain& m) { return m.State().short_names; }},
      {Command::kPropertiesEditor, [](TMain& m) { return m.Inspector().visible; }},
      {Command::kZoom, [](TMain& m) { return m.Zoom().Visible(); }},
  };
  for (const Case& c : toggles) {
    const bool before = c.state(main_);
    EXPECT_EQ(main_.Checked(c.command), before);
    main_.Execute(c.command);
    EXPECT_NE(c.state(main_), before) << FindCommand(c.command)->caption;
    EXPECT_EQ(main_.Checked(c.command), !before);
    main_.Execute(c.command);
    EXPECT_EQ(c.state(main_), before);
  }
  for (Command scale : {Command::kScale3, Command::kScale1, Command::kScale4}) {
    main_.Execute(scale);
    for (Command other : {Command::kScale1, Command::kScale2, Command::kScale3, Command::kScale4})
      EXPECT_EQ(main_.Checked(other), other == scale);
  }
  main_.Execute(Command::kScaleSmaller);
  EXPECT_EQ(main_.DesignerScale(), 3);
  EXPECT_FALSE(main_.Enabled(Command::kNone));
  EXPECT_FALSE(main_.Checked(Command::kNewForm));
  EXPECT_FALSE(main_.Enabled(Command::kUndo));  // nothing done yet
  const std::size_t windows = main_.State().windows.size();
  main_.Execute(Command::kNewForm);
  EXPECT_EQ(main_.State().windows.size(), windows + 1);
}

}  // namespace
}  // namespace qb::test
