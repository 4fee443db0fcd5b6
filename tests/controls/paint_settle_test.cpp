// Painting that corrects a control's size: the picture paints again until it is stable, so
// nothing of the old size is left on the screen.

#include <gtest/gtest.h>

#include <memory>

#include "controls/CCForm.h"
#include "controls/CCLabel.h"
#include "controls/PTGsi.h"
#include "controls/PTLabel.h"
#include "controls/form_picture.h"
#include "controls/painters.h"
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

}  // namespace
}  // namespace qb
