// The sizes some classes hold themselves to: the setters give the size the control is drawn
// at, so the picture shows nothing of the old size, and painting changes no control.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCDropDown.h"
#include "controls/CCForm.h"
#include "controls/CCLabel.h"
#include "controls/CCMenu.h"
#include "controls/PTGsi.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/form_picture.h"
#include "controls/painters.h"
#include "controls/size_rules.h"
#include "support/paint_harness.h"
#include "support/test_faces.h"

namespace qb {
namespace {

TEST(PainterTable, EveryControlClassHasAPaintRoutine) {
  for (ControlClass cls :
       {ControlClass::kCCForm,     ControlClass::kCCButton,     ControlClass::kCCSwitch,
        ControlClass::kCCCheckbox, ControlClass::kCCLabel,      ControlClass::kCCEdit,
        ControlClass::kCCListBox,  ControlClass::kCCRadio,      ControlClass::kCCDropDown,
        ControlClass::kCCPopUp,    ControlClass::kCCMenuBar,    ControlClass::kCCMenu,
        ControlClass::kCCBitmap,   ControlClass::kCCTable,      ControlClass::kPTDialog,
        ControlClass::kPTButton,   ControlClass::kPTPopTrigger, ControlClass::kPTEdit,
        ControlClass::kPTCheckbox, ControlClass::kPTLabel,      ControlClass::kPTList,
        ControlClass::kPTGsi})
    EXPECT_NE(PainterFor(cls), &PaintNothing) << static_cast<int>(cls);
  EXPECT_EQ(PainterFor(ControlClass::kCCEdit), PainterFor(ControlClass::kCCLabel));
}

struct Screen {
  FontRegistry fonts;
  MeasuringFacesScope measuring{fonts};
  TCCForm form{nullptr};
  Screen() {
    for (const auto& file : FontRegistry::Files())
      fonts.SetFace(file.font_name, test::BlockFace(3, 5, file.font_name));
    form.SetTitle("");
    form.SetColorFormFrame(kWhite);  // no title tab or line in the way
  }
  template <typename T>
  T& Add(int left, int top, int width, int height) {
    auto* c = static_cast<T*>(form.AddChild(std::make_unique<T>(nullptr)));
    c->SetBounds(left, top, width, height);
    return *c;
  }
};

TEST(PaintSettle, ALabelThatShrinksLeavesTheScreenBehindIt) {
  Screen s;
  auto& label = s.Add<TPTLabel>(20, 30, 40, 13);
  label.SetColor(kRed);
  label.SetContent("A");
  FormPicture picture(s.fonts);
  const PalmCanvas& c = picture.Render(s.form);
  EXPECT_EQ(label.Width(), 4);
  EXPECT_EQ(label.Height(), 5);
  EXPECT_EQ(c.At(20, 30), kBlack);  // the text
  EXPECT_EQ(c.At(23, 30), kRed);    // the label's own last column
  EXPECT_EQ(c.At(24, 30), kWhite);  // the screen, where the label was before
  EXPECT_EQ(c.At(59, 42), kWhite);
}

TEST(PaintSettle, ForcedHeightAndFixedSizeSettleInOnePicture) {
  Screen s;
  auto& label = s.Add<TCCLabel>(10, 20, 30, 40);
  label.SetColor(kSilver);
  label.SetStyle(0);
  label.SetContent("");
  auto& gsi = s.Add<TPTGsi>(100, 100, 30, 30);
  gsi.SetColor(kSilver);
  FormPicture picture(s.fonts);
  const PalmCanvas& c = picture.Render(s.form);
  EXPECT_EQ(label.Height(), 13);
  EXPECT_EQ(c.At(10, 32), kSilver);
  EXPECT_EQ(c.At(10, 33), kWhite);
  // The GSI is drawn at its fixed size in the same picture, not left blank.
  EXPECT_EQ(gsi.Width(), 8);
  EXPECT_EQ(c.At(103, 104), kBlack);
  EXPECT_EQ(c.At(109, 100), kWhite);
}

// Each rule, as the setters apply it with the block faces (3 × 5 per character).
TEST(SizeRules, TheSettersGiveEachClassItsDrawnSize) {
  FontRegistry fonts;
  for (const auto& file : FontRegistry::Files())
    fonts.SetFace(file.font_name, test::BlockFace(3, 5, file.font_name));
  MeasuringFacesScope measuring(fonts);
  struct Case {
    const char* what;
    std::function<std::unique_ptr<TControl>()> make;
    int width, height;
  };
  const std::vector<Case> cases = {
      {"a CControls label",
       [] {
         auto c = std::make_unique<TCCLabel>(nullptr);
         c->SetBounds(0, 0, 30, 40);
         return c;
       },
       30, 13},
      {"a check box",
       [] {
         auto c = std::make_unique<TCCCheckbox>(nullptr);
         c->SetHeight(20);
         return c;
       },
       58, 13},
      {"a closed drop-down",
       [] {
         auto c = std::make_unique<TCCDropDown>(nullptr);
         c->SetVisibleItems(5);
         return c;
       },
       35, 12},
      {"an open drop-down",
       [] {
         auto c = std::make_unique<TCCDropDown>(nullptr);
         c->SetVisibleItems(5);
         c->SetTestItems(1);
         return c;
       },
       35, 58},
      {"a Select",
       [] {
         auto c = std::make_unique<TCCButton>(nullptr);
         c->SetTag(kSelectTag);
         c->SetContent("ABCD");
         return c;
       },
       19, 14},
      {"a plain button keeps its width",
       [] {
         auto c = std::make_unique<TCCButton>(nullptr);
         c->SetContent("ABCD");
         return c;
       },
       40, 14},
      {"a PToolboxLib label",
       [] {
         auto c = std::make_unique<TPTLabel>(nullptr);
         c->SetContent("AB");
         return c;
       },
       7, 5},
      {"an empty PToolboxLib label",
       [] {
         auto c = std::make_unique<TPTLabel>(nullptr);
         c->SetContent("");
         return c;
       },
       1, 11},
      {"a list in a font 5 high",
       [] {
         auto c = std::make_unique<TPTList>(nullptr);
         c->SetMaxItems(3);
         return c;
       },
       35, 18},
      {"a GSI",
       [] {
         auto c = std::make_unique<TPTGsi>(nullptr);
         c->SetBounds(1, 2, 12, 12);
         return c;
       },
       8, 9},
      {"an open menu",
       [] {
         auto c = std::make_unique<TCCMenu>(nullptr);
         c->SetItems({"a", "b"});
         return c;
       },
       35, 37},
      {"a closed menu",
       [] {
         auto c = std::make_unique<TCCMenu>(nullptr);
         c->SetItems({"a", "b"});
         c->SetTest(0);
         return c;
       },
       35, 15},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TControl> control = c.make();
    EXPECT_EQ(control->Width(), c.width) << c.what;
    EXPECT_EQ(control->Height(), c.height) << c.what;
  }
}

// Drawing reads the design and never writes it; without measuring faces (a form built in
// code and never shown) the controls keep the sizes they were given.
TEST(SizeRules, PaintingChangesNoControl) {
  FontRegistry fonts;
  TCCForm form{nullptr};
  auto& label = static_cast<TPTLabel&>(*form.AddChild(std::make_unique<TPTLabel>(nullptr)));
  label.SetBounds(10, 10, 40, 20);
  label.SetContent("A");
  auto& gsi = static_cast<TPTGsi&>(*form.AddChild(std::make_unique<TPTGsi>(nullptr)));
  gsi.SetBounds(60, 60, 12, 12);
  auto& check = static_cast<TCCCheckbox&>(*form.AddChild(std::make_unique<TCCCheckbox>(nullptr)));
  check.SetBounds(80, 80, 30, 30);
  FormPicture picture(fonts);
  picture.Render(form);
  EXPECT_EQ(label.Width(), 40);
  EXPECT_EQ(label.Height(), 20);
  EXPECT_EQ(gsi.Width(), 12);
  EXPECT_EQ(check.Height(), 30);
}

}  // namespace
}  // namespace qb
