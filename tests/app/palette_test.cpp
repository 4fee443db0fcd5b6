#include "app/palette.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

std::string VisibleNames(LibraryId lib) {
  AppState s;
  s.library = lib;
  std::string out;
  for (const PaletteButtonView& b : PaletteView(s))
    if (b.visible) out += std::string(b.name) + ",";
  return out;
}

TEST(Palette, EachLibraryShowsItsButtonsInToolbarOrder) {
  EXPECT_EQ(VisibleNames(LibraryId::kCControls),
            "Button,Label,Edit line,Edit,CheckBox,Switch,PopUp,ListBox,DropDown,Radio,Menu,"
            "Bitmap,Table,Dialog,");
  EXPECT_EQ(VisibleNames(LibraryId::kPToolboxLib),
            "Button,Select,Push,Label,Edit,CheckBox,PopTrigger,ListBox,Radio,Bitmap,GSI,Dialog,");
}

TEST(Palette, FourteenAndTwelveButtons) {
  for (auto [lib, count] : {std::pair{LibraryId::kCControls, 14}, {LibraryId::kPToolboxLib, 12}}) {
    AppState s;
    s.library = lib;
    int visible = 0;
    for (const PaletteButtonView& b : PaletteView(s)) visible += b.visible;
    EXPECT_EQ(visible, count);
  }
}

TEST(Palette, ThreeHintsFollowTheLibrary) {
  struct Case {
    PaletteButton button;
    const char* ccontrols;
    const char* ptoolbox;
  };
  const Case cases[] = {
      {PaletteButton::kEdit, "Edit", "Field"},
      {PaletteButton::kListBox, "ListBox", "List"},
      {PaletteButton::kBitmap, "Image", "Bitmap"},
      {PaletteButton::kButton, "Button", "Button"},
      {PaletteButton::kSelect, "Select Box", "Select Box"},
      {PaletteButton::kEditLine, "Edit Line", "Edit Line"},
      {PaletteButton::kSwitch, "Switch Button", "Switch Button"},
      {PaletteButton::kPush, "Push Button", "Push Button"},
      {PaletteButton::kRadio, "Radio Buttons", "Radio Buttons"},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(PaletteHint(LibraryId::kCControls, c.button), c.ccontrols);
    EXPECT_STREQ(PaletteHint(LibraryId::kPToolboxLib, c.button), c.ptoolbox);
  }
}

TEST(Palette, OneToggleGroup) {
  AppState s;
  PressPaletteButton(s, PaletteButton::kLabel);
  EXPECT_EQ(s.pressed_button, PaletteButton::kLabel);
  PressPaletteButton(s, PaletteButton::kDialog);
  EXPECT_EQ(s.pressed_button, PaletteButton::kDialog);
  int pressed = 0;
  for (const PaletteButtonView& b : PaletteView(s)) pressed += b.pressed;
  EXPECT_EQ(pressed, 1);
  PressPaletteButton(s, PaletteButton::kDialog);
  EXPECT_EQ(s.pressed_button, PaletteButton::kNone);
}

TEST(Palette, SettingTheLibraryShowsItInTheFirstPanel) {
  AppState s;
  s.library = LibraryId::kCControls;
  s.pressed_button = PaletteButton::kTable;
  SetPaletteForLibrary(s);
  EXPECT_EQ(s.status_panels[0], "CControls");
  EXPECT_EQ(s.pressed_button, PaletteButton::kTable);
  s.library = LibraryId::kPToolboxLib;
  SetPaletteForLibrary(s);
  EXPECT_EQ(s.status_panels[0], "PToolboxLib");
  EXPECT_EQ(s.pressed_button, PaletteButton::kNone);
}

}  // namespace
}  // namespace qb
