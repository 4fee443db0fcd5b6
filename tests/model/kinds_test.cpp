#include "model/kinds.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qb {
namespace {

TEST(Kinds, CatalogueSizesAndPaletteCounts) {
  EXPECT_EQ(KindsOf(LibraryId::kCControls).size(), 15u);
  EXPECT_EQ(KindsOf(LibraryId::kPToolboxLib).size(), 12u);
  auto buttons = [](LibraryId lib) {
    std::set<PaletteButton> set;
    for (const auto& k : KindsOf(lib))
      if (k.button != PaletteButton::kNone) set.insert(k.button);
    return set.size();
  };
  EXPECT_EQ(buttons(LibraryId::kCControls), 14u);
  EXPECT_EQ(buttons(LibraryId::kPToolboxLib), 12u);
}

TEST(Kinds, LookupByNameIsExact) {
  ASSERT_NE(FindKind(LibraryId::kCControls, "EditLine"), nullptr);
  EXPECT_EQ(FindKind(LibraryId::kCControls, "editline"), nullptr);
  EXPECT_EQ(FindKind(LibraryId::kCControls, "Select"), nullptr);
  EXPECT_EQ(FindKind(LibraryId::kPToolboxLib, "Select")->cls, ControlClass::kCCButton);
  EXPECT_EQ(FindKind(LibraryId::kPToolboxLib, "Button")->cls, ControlClass::kPTButton);
  EXPECT_EQ(FindKind(LibraryId::kCControls, "Button")->cls, ControlClass::kCCButton);
}

TEST(Kinds, ClassAndMarkerGiveTheKind) {
  using C = ControlClass;
  EXPECT_STREQ(KindForClass(LibraryId::kCControls, C::kCCEdit, 0)->kind, "Edit");
  EXPECT_STREQ(KindForClass(LibraryId::kCControls, C::kCCEdit, 1)->kind, "EditLine");
  EXPECT_STREQ(KindForClass(LibraryId::kPToolboxLib, C::kCCButton, 3)->kind, "Select");
  EXPECT_STREQ(KindForClass(LibraryId::kPToolboxLib, C::kCCButton, 0)->kind, "Select");
  EXPECT_STREQ(KindForClass(LibraryId::kCControls, C::kCCBitmap, 1)->kind, "Image");
  EXPECT_STREQ(KindForClass(LibraryId::kPToolboxLib, C::kCCBitmap, 0)->kind, "Bitmap");
  EXPECT_STREQ(KindForClass(LibraryId::kPToolboxLib, C::kCCSwitch, 7)->kind, "Push");
  EXPECT_EQ(KindForClass(LibraryId::kPToolboxLib, C::kCCTable, 0), nullptr);
  EXPECT_EQ(KindForClass(LibraryId::kCControls, C::kPTGsi, 0), nullptr);
}

TEST(Kinds, PrefixesAndHints) {
  struct Case {
    LibraryId lib;
    const char* kind;
    const char* lng;
    const char* shrt;
  };
  const Case cases[] = {
      {LibraryId::kCControls, "Table", "Table", "Tb"},
      {LibraryId::kCControls, "EditLine", "EditLine", "El"},
      {LibraryId::kCControls, "DropDown", "DropDown", "Dd"},
      {LibraryId::kCControls, "MenuBar", "MenuBar", "Mb"},
      {LibraryId::kPToolboxLib, "GSI", "GSI", "GSI"},
      {LibraryId::kPToolboxLib, "PopTrigger", "Pop", "Pt"},
      {LibraryId::kPToolboxLib, "List", "List", "Lb"},
      {LibraryId::kPToolboxLib, "Push", "Push", "Pb"},
  };
  for (const auto& c : cases) {
    const KindInfo* k = FindKind(c.lib, c.kind);
    ASSERT_NE(k, nullptr) << c.kind;
    EXPECT_STREQ(k->long_prefix, c.lng) << c.kind;
    EXPECT_STREQ(k->short_prefix, c.shrt) << c.kind;
  }
  EXPECT_STREQ(KindForButton(LibraryId::kCControls, PaletteButton::kEdit)->hint, "Edit");
  EXPECT_STREQ(KindForButton(LibraryId::kPToolboxLib, PaletteButton::kEdit)->hint, "Field");
  EXPECT_STREQ(KindForButton(LibraryId::kCControls, PaletteButton::kBitmap)->hint, "Image");
  EXPECT_STREQ(KindForButton(LibraryId::kPToolboxLib, PaletteButton::kListBox)->hint, "List");
  EXPECT_EQ(KindForButton(LibraryId::kCControls, PaletteButton::kGsi), nullptr);
  EXPECT_EQ(KindForButton(LibraryId::kPToolboxLib, PaletteButton::kTable), nullptr);
}

TEST(Kinds, ClassNamesRoundTrip) {
  for (int i = 0; i <= static_cast<int>(ControlClass::kPTGsi); ++i) {
    auto cls = static_cast<ControlClass>(i);
    ControlClass back{};
    ASSERT_TRUE(ClassFromName(ClassName(cls), &back)) << ClassName(cls);
    EXPECT_EQ(back, cls);
  }
  ControlClass out{};
  EXPECT_FALSE(ClassFromName("TButton", &out));
  EXPECT_FALSE(ClassFromName("tccbutton", &out));
}

}  // namespace
}  // namespace qb
