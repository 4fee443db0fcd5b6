#include "app/app_state.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qb
