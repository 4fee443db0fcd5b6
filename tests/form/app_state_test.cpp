#include "form/app_state.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace qb {
namespace {

TEST(AppState, InitialValues) {
  AppState s;
  EXPECT_EQ(s.library, LibraryId::kPToolboxLib);
  EXPECT_TRUE(s.cursor_keys_active);
  EXPECT_TRUE(s.grid_step);
  EXPECT_EQ(s.control_color, 16777215u);
  EXPECT_EQ(s.current_window.Get(), nullptr);
}

TEST(AppState, CursorKeyModeShowsItsStep) {
  AppState s;
  CursorKeysOn(s);
  EXPECT_EQ(s.status_panels[2], "Cursor keys activated - Grid Step");
  s.grid_step = false;
  CursorKeysOn(s);
  EXPECT_EQ(s.status_panels[2], "Cursor keys activated - Single Step");
  CursorKeysOff(s);
  EXPECT_FALSE(s.cursor_keys_active);
  EXPECT_EQ(s.status_panels[2], "");
}

TEST(AppState, CurrentWindowClearsWhenDestroyed) {
  AppState s;
  s.windows.push_back(std::make_unique<TChildFrm>());
  s.current_window.Reset(s.windows.back().get());
  s.current_control.Reset(&s.windows.back()->Client());
  s.windows.clear();
  EXPECT_EQ(s.current_window.Get(), nullptr);
  EXPECT_EQ(s.current_control.Get(), nullptr);
}

// ---- Window order ------------------------------------------------------------------------

std::vector<std::string> NamesInOrder(const AppState& s) {
  std::vector<std::string> names;
  for (const TChildFrm* w : WindowsInWindowOrder(s)) names.push_back(w->Name());
  return names;
}

TChildFrm& AddWindow(AppState& s, const std::string& name) {
  s.windows.push_back(std::make_unique<TChildFrm>());
  s.windows.back()->SetName(name);
  return *s.windows.back();
}

TEST(WindowOrder, NeverActivatedWindowsComeNewestFirst) {
  AppState s;
  AddWindow(s, "A");
  AddWindow(s, "B");
  AddWindow(s, "C");
  EXPECT_EQ(NamesInOrder(s), (std::vector<std::string>{"C", "B", "A"}));
}

TEST(WindowOrder, MostRecentlyActivatedFirst) {
  AppState s;
  TChildFrm& a = AddWindow(s, "A");
  TChildFrm& b = AddWindow(s, "B");
  TChildFrm& c = AddWindow(s, "C");
  NoteWindowActivated(s, a);
  NoteWindowActivated(s, b);
  NoteWindowActivated(s, c);
  NoteWindowActivated(s, a);
  EXPECT_EQ(NamesInOrder(s), (std::vector<std::string>{"A", "C", "B"}));
  EXPECT_EQ(s.activation_order.size(), 3u);
}

TEST(WindowOrder, ActivatedBeforeNeverActivated) {
  AppState s;
  TChildFrm& a = AddWindow(s, "A");
  AddWindow(s, "B");
  NoteWindowActivated(s, a);
  EXPECT_EQ(NamesInOrder(s), (std::vector<std::string>{"A", "B"}));
}

TEST(WindowOrder, ALoweredWindowGoesBehindEveryOther) {
  AppState s;
  TChildFrm& a = AddWindow(s, "A");
  AddWindow(s, "B");
  TChildFrm& c = AddWindow(s, "C");
  NoteWindowActivated(s, a);
  NoteWindowLowered(s, a);
  EXPECT_EQ(NamesInOrder(s), (std::vector<std::string>{"C", "B", "A"}));
  NoteWindowLowered(s, c);
  EXPECT_EQ(NamesInOrder(s), (std::vector<std::string>{"B", "A", "C"}));
  NoteWindowActivated(s, c);
  EXPECT_EQ(NamesInOrder(s), (std::vector<std::string>{"C", "B", "A"}));
}

TEST(WindowOrder, DestroyedWindowsDropOut) {
  AppState s;
  TChildFrm& a = AddWindow(s, "A");
  NoteWindowActivated(s, a);
  s.windows.clear();
  EXPECT_TRUE(WindowsInWindowOrder(s).empty());
  TChildFrm& b = AddWindow(s, "B");
  NoteWindowActivated(s, b);
  EXPECT_EQ(NamesInOrder(s), (std::vector<std::string>{"B"}));
  EXPECT_EQ(s.activation_order.size(), 1u);
}

}  // namespace
}  // namespace qb
