// The screen panel and the dialog, drawn by their own routines.

#include <gtest/gtest.h>

#include "controls/CCForm.h"
#include "controls/CCForm_paint.h"
#include "controls/PTDialog.h"
#include "controls/PTDialog_paint.h"
#include "controls/painters.h"
#include "support/pixel_art.h"
#include "support/test_faces.h"

namespace qb {
namespace {

using test::PixelsAre;

class ScreenPaintTest : public ::testing::Test {
 protected:
  // Every character of the bold test face is 5 wide and 9 high, so "Form1" is 25 wide.
  ScreenPaintTest() { fonts_.SetFace("PilotBold", test::BlockFace(5, 9)); }

  PalmCanvas Paint(TControl& control) {
    PalmCanvas c(control.Width(), control.Height(), kRed);
    PaintControl(control, c, fonts_, PainterFor(control.Class()));
    return c;
  }

  FontRegistry fonts_;
};

TEST_F(ScreenPaintTest, TheRegisteredRoutinesAreTheScreenAndDialogPainters) {
  EXPECT_EQ(PainterFor(ControlClass::kCCForm), &PaintCCForm);
  EXPECT_EQ(PainterFor(ControlClass::kPTDialog), &PaintPTDialog);
}

TEST_F(ScreenPaintTest, Form1TabReachesTPlusFour) {
  TCCForm form(nullptr);
  PalmCanvas c = Paint(form);
  const std::string text = "###....#....#....#....#....###..";
  const std::string tab(30, '#');
  EXPECT_TRUE(PixelsAre(c, {"." + std::string(28, '#') + "...", tab + "..", text, text, text, text,
                            text, text, text, text, text, tab + "..", tab + "..",
                            std::string(32, '#'), std::string(32, '#'), std::string(32, '.')}));
  // The title line runs across the whole screen.
  EXPECT_EQ(c.At(159, 13), kBlack);
  EXPECT_EQ(c.At(159, 14), kBlack);
  EXPECT_EQ(c.At(159, 15), kWhite);
  EXPECT_EQ(c.At(159, 12), kWhite);
}

TEST_F(ScreenPaintTest, EmptyTitleLeavesTheSmallestTab) {
  TCCForm form(nullptr);
  form.SetTitle("");
  form.SetColorFormFrame(kBlue);
  form.SetColorFormFill(65535);
  PalmCanvas c = Paint(form);
  const std::string body = "bbbbb.";
  EXPECT_TRUE(PixelsAre(c,
                        {".bbb..", body, body, body, body, body, body, body, body, body, body, body,
                         body, "bbbbbb", "bbbbbb", "......"},
                        test::DefaultLegend(65535)));
}

TEST_F(ScreenPaintTest, FormFillIsWhatThePanelIsDrawnIn) {
  TCCForm form(nullptr);
  form.SetColorFormFill(kGray);
  form.SetColor(kRed);  // as a form file could leave it
  PalmCanvas c = Paint(form);
  EXPECT_EQ(form.Color(), kRed) << "drawing leaves the panel's own Color";
  EXPECT_EQ(c.At(100, 100), kGray);
}

TEST_F(ScreenPaintTest, GridDotsOnTheScreenWhiteOnGray) {
  TCCForm form(nullptr);
  form.SetGridVisible(1);
  form.SetGridSpace(6);
  PalmCanvas white = Paint(form);
  EXPECT_EQ(white.At(0, 155), kGray);
  EXPECT_EQ(white.At(155, 155), kGray);
  EXPECT_EQ(white.At(155, 20), kGray);
  EXPECT_EQ(white.At(154, 155), kWhite);
  form.SetColorFormFill(kGray);
  PalmCanvas gray = Paint(form);
  EXPECT_EQ(gray.At(155, 155), kWhite);
  EXPECT_EQ(gray.At(50, 100), kWhite);
  EXPECT_EQ(gray.At(51, 100), kGray);
}

class DialogPaintTest : public ScreenPaintTest {
 protected:
  DialogPaintTest() {
    screen_.SetColorFormFill(kGray);
    auto owned = std::make_unique<TPTDialog>(nullptr);
    owned->SetBounds(0, 0, 20, 20);
    owned->SetTitle("a");
    owned->SetColorDialogFill(65535);
    dialog_ = static_cast<TPTDialog*>(screen_.AddChild(std::move(owned)));
  }
  TCCForm screen_{nullptr};
  TPTDialog* dialog_;
};

TEST_F(DialogPaintTest, BodyFrameTitleBarAndCentredTitle) {
  PalmCanvas c = Paint(*dialog_);
  const std::string title = "#########yyyy#######";
  const std::string bar(20, '#');
  const std::string body = "##" + std::string(16, 'y') + "##";
  EXPECT_TRUE(PixelsAre(c, {"gg################gg",
                            "g##################g",
                            title,
                            title,
                            title,
                            title,
                            title,
                            title,
                            title,
                            title,
                            title,
                            bar,
                            bar,
                            bar,
                            body,
                            body,
                            body,
                            "###yyyyyyyyyyyyyy###",
                            "g##################g",
                            "gg################gg"}));
  // Outside its frame the dialog shows the screen's colour; its own Color stays.
  EXPECT_EQ(dialog_->Color(), kConstructorColor);
}

TEST_F(DialogPaintTest, GridCoversTheScreenAreaWhateverTheSize) {
  screen_.SetColorFormFill(kWhite);
  dialog_->SetBounds(0, 0, 156, 84);
  dialog_->SetGridVisible(1);
  dialog_->SetGridSpace(6);
  PalmCanvas c = Paint(*dialog_);
  EXPECT_EQ(c.At(0, 0), kGray);    // outside the rounded frame
  EXPECT_EQ(c.At(155, 0), kGray);  // beyond the top edge's end
  EXPECT_EQ(c.At(5, 15), kGray);   // in the body
  EXPECT_EQ(c.At(150, 80), kGray);
  EXPECT_EQ(c.At(6, 15), 65535u);
  dialog_->SetColorDialogFill(kGray);
  PalmCanvas gray = Paint(*dialog_);
  EXPECT_EQ(gray.At(5, 15), kWhite);
}

TEST_F(DialogPaintTest, SelectionMarksLast) {
  dialog_->SetSelected(true);
  PalmCanvas c = Paint(*dialog_);
  EXPECT_EQ(c.At(0, 0), kBlue);
  EXPECT_EQ(c.At(9, 1), kBlue);  // over the frame
  EXPECT_EQ(c.At(19, 19), kBlue);
  EXPECT_EQ(c.At(3, 17), 65535u);
}

}  // namespace
}  // namespace qb
