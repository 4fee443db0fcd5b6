// The designer window's picture: device artwork, screen panel, controls in z-order clipped
// to their parents, dialogs, menus, and painting again while a size settles.

#include "controls/form_picture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "controls/CCButton.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/PTDialog.h"
#include "controls/PTGsi.h"
#include "controls/palm_look.h"
#include "controls/png_writer.h"
#include "form/ChildFor.h"
#include "support/fake_ui.h"
#include "support/pixel_art.h"
#include "support/test_faces.h"

namespace qb {
namespace {

using test::PixelsAre;

constexpr int kSx = TChildFrm::kScreenLeft;
constexpr int kSy = TChildFrm::kScreenTop;

class FormPictureTest : public ::testing::Test {
 protected:
  FormPictureTest() { fonts_.SetFace("PilotBold", test::BlockFace(5, 9)); }

  template <typename T>
  T* Add(TControl& parent, int left, int top, int width, int height, Color color) {
    auto owned = std::make_unique<T>(&frm_.Document());
    owned->SetBounds(left, top, width, height);
    owned->SetColor(color);
    return static_cast<T*>(parent.AddChild(std::move(owned)));
  }

  FontRegistry fonts_;
  TChildFrm frm_;
};

TEST_F(FormPictureTest, EmptyFormShowsTheScreenPanelInTheDevice) {
  frm_.Screen().SetGridVisible(1);
  frm_.Screen().SetGridSpace(6);
  FormPicture picture(fonts_);
  const PalmCanvas& p = picture.Render(frm_.Client());
  ASSERT_EQ(p.Width(), 167);
  ASSERT_EQ(p.Height(), 226);
  // The bezel around the screen, the tab of "Form1" (25 wide: to x = 29), the title line.
  EXPECT_EQ(p.At(kSx - 1, kSy - 1), kBlack);
  EXPECT_EQ(p.At(kSx + 160, kSy + 160), kBlack);
  EXPECT_EQ(p.At(kSx + 29, kSy + 5), kBlack);
  EXPECT_EQ(p.At(kSx + 30, kSy + 6), kWhite);
  EXPECT_EQ(p.At(kSx + 159, kSy + 13), kBlack);
  EXPECT_EQ(p.At(kSx + 159, kSy + 14), kBlack);
  // Grid dots below the title line.
  EXPECT_EQ(p.At(kSx + 155, kSy + 155), kGray);
  EXPECT_EQ(p.At(kSx + 156, kSy + 155), kWhite);
}

// Test routines: the screen and dialog draw as they do; every other class shows only its
// background, so that pictures are easy to predict.
PaintFn BackgroundsOnly(ControlClass cls) {
  if (cls == ControlClass::kCCForm || cls == ControlClass::kPTDialog) return PainterFor(cls);
  return PaintNothing;
}

// A GSI-like routine: puts the size back to 8 × 9 and stops; the next paint draws.
int settle_paints = 0;
void SettleTo8x9(TControl& control, PalmCanvas& canvas, const PaintContext&) {
  ++settle_paints;
  if (control.Width() != 8 || control.Height() != 9) {
    control.SetBounds(control.Left(), control.Top(), 8, 9);
    return;
  }
  canvas.FillRect(0, 0, 8, 9, kBlue);
}
PaintFn WithSettling(ControlClass cls) {
  return cls == ControlClass::kPTGsi ? SettleTo8x9 : BackgroundsOnly(cls);
}

// Never settles: grows by one pixel every time.
int growing_paints = 0;
void GrowForever(TControl& control, PalmCanvas&, const PaintContext&) {
  ++growing_paints;
  control.SetWidth(control.Width() + 1);
}
PaintFn WithGrowing(ControlClass cls) {
  return cls == ControlClass::kPTGsi ? GrowForever : BackgroundsOnly(cls);
}

TEST_F(FormPictureTest, ControlsInZOrderClippedToTheirParent) {
  Add<TCCButton>(frm_.Screen(), 10, 20, 6, 4, kRed);
  Add<TCCButton>(frm_.Screen(), 13, 22, 6, 4, kBlue);
  // Reaches 4 pixels past the screen's right edge.
  Add<TCCButton>(frm_.Screen(), 156, 30, 8, 2, kGreen);
  FormPicture picture(fonts_, BackgroundsOnly);
  const PalmCanvas& p = picture.Render(frm_.Client());
  EXPECT_TRUE(PixelsAre(
      p,
      {"rrrrrr...", "rrrrrr...", "rrrbbbbbb", "rrrbbbbbb", "...bbbbbb", "...bbbbbb", "........."},
      test::DefaultLegend(), {kSx + 10, kSy + 20}));
  EXPECT_EQ(p.At(kSx + 159, kSy + 30), kGreen);
  EXPECT_EQ(p.At(kSx + 160, kSy + 30), kBlack);  // the bezel, not the control
}

TEST_F(FormPictureTest, MarksOfACoveredControlLieOverTheControlOnTop) {
  auto* under = Add<TCCButton>(frm_.Screen(), 10, 20, 12, 10, kRed);
  under->SetSelectColor(kNavy);
  under->SetSelected(true);
  Add<TCCButton>(frm_.Screen(), 16, 20, 12, 10, kGreen);
  FormPicture picture(fonts_, BackgroundsOnly);
  const PalmCanvas& p = picture.Render(frm_.Client());
  const std::string corners_row = "nnnrrnnnGnnnGGGGGG.";
  const std::string middle_row = "nnnrrrGGGnnnGGGGGG.";
  EXPECT_TRUE(PixelsAre(
      p,
      {corners_row, corners_row, corners_row, "rrrrrrGGGGGGGGGGGG.", middle_row, middle_row,
       middle_row, corners_row, corners_row, corners_row, "..................."},
      test::DefaultLegend(), {kSx + 10, kSy + 20}));
}

TEST_F(FormPictureTest, MarksFollowTheirControlsClipAndSet) {
  auto* dialog = Add<TPTDialog>(frm_.Screen(), 3, 58, 40, 30, kWhite);
  dialog->SetTag(1);
  // Half outside the dialog's right edge (x 43 on the screen).
  auto* inner = Add<TCCButton>(*dialog, 34, 10, 12, 10, kRed);
  inner->SetSelectColor(kMaroon);
  inner->SetSelected(true);
  auto* gsi = Add<TPTGsi>(frm_.Screen(), 100, 20, 9, 9, kRed);
  gsi->SetSelectColor(kBlue);
  gsi->SetSelected(true);
  auto* hidden = Add<TCCButton>(frm_.Screen(), 100, 100, 9, 9, kRed);
  hidden->SetSelectColor(kBlue);
  hidden->SetSelected(true);
  hidden->SetVisible(false);
  FormPicture picture(fonts_, BackgroundsOnly);
  const PalmCanvas& p = picture.Render(frm_.Client());
  EXPECT_EQ(p.At(kSx + 3 + 34, kSy + 58 + 10), kMaroon);
  EXPECT_EQ(p.At(kSx + 3 + 39, kSy + 58 + 10), kMaroon);  // the top-middle square
  // The right-hand squares lie beyond the dialog: the screen shows there.
  EXPECT_EQ(p.At(kSx + 3 + 43, kSy + 58 + 10), kWhite);
  EXPECT_EQ(p.At(kSx + 3 + 44, kSy + 58 + 15), kWhite);
  // A GSI shows only its corners.
  EXPECT_TRUE(PixelsAre(p,
                        {"bbbrrrbbb", "bbbrrrbbb", "bbbrrrbbb", "rrrrrrrrr", "rrrrrrrrr",
                         "rrrrrrrrr", "bbbrrrbbb", "bbbrrrbbb", "bbbrrrbbb"},
                        test::DefaultLegend(), {kSx + 100, kSy + 20}));
  EXPECT_EQ(p.At(kSx + 100, kSy + 100), kWhite);  // a hidden control shows no marks
}

TEST_F(FormPictureTest, DialogChildrenAreClippedToTheDialog) {
  auto* dialog = Add<TPTDialog>(frm_.Screen(), 3, 58, 156, 84, kWhite);
  dialog->SetTag(1);
  Add<TCCButton>(*dialog, 150, 40, 20, 5, kRed);
  FormPicture picture(fonts_, BackgroundsOnly);
  const PalmCanvas& p = picture.Render(frm_.Client());
  EXPECT_EQ(p.At(kSx + 3 + 155, kSy + 58 + 40), kRed);
  EXPECT_EQ(p.At(kSx + 3 + 156, kSy + 58 + 40), kWhite);  // the screen beside the dialog
}

TEST_F(FormPictureTest, HiddenControlsAndHiddenDialogsWithTheirControlsAreNotDrawn) {
  Add<TCCButton>(frm_.Screen(), 10, 20, 4, 4, kRed)->SetVisible(false);
  auto* dialog = Add<TPTDialog>(frm_.Screen(), 3, 58, 156, 84, kWhite);
  Add<TCCButton>(*dialog, 10, 20, 4, 4, kBlue);
  dialog->SetVisible(false);
  FormPicture picture(fonts_, BackgroundsOnly);
  const PalmCanvas& p = picture.Render(frm_.Client());
  EXPECT_EQ(p.At(kSx + 11, kSy + 21), kWhite);
  EXPECT_EQ(p.At(kSx + 3 + 11, kSy + 58 + 21), kWhite);
  EXPECT_EQ(p.At(kSx + 3, kSy + 58 + 40), kWhite);  // no dialog frame either
}

TEST_F(FormPictureTest, MenusLieOverTheScreen) {
  Add<TCCButton>(frm_.Screen(), 0, 0, 40, 10, kRed);
  Add<TCCMenuBar>(frm_.Client(), kSx, kSy, 160, 15, kBlue);
  Add<TCCMenu>(frm_.Client(), kSx + 4, kSy, 35, 36, kGreen);
  FormPicture picture(fonts_, BackgroundsOnly);
  const PalmCanvas& p = picture.Render(frm_.Client());
  EXPECT_EQ(p.At(kSx, kSy), kBlue);
  EXPECT_EQ(p.At(kSx + 4, kSy + 20), kGreen);
  EXPECT_EQ(p.At(kSx + 100, kSy + 14), kBlue);
}

TEST_F(FormPictureTest, APaintThatCorrectsItsSizeIsPaintedAgain) {
  auto* gsi = Add<TPTGsi>(frm_.Screen(), 20, 30, 20, 20, kRed);
  settle_paints = 0;
  FormPicture picture(fonts_, WithSettling);
  const PalmCanvas& p = picture.Render(frm_.Client());
  EXPECT_EQ(gsi->Width(), 8);
  EXPECT_EQ(gsi->Height(), 9);
  EXPECT_EQ(settle_paints, 2);
  EXPECT_EQ(p.At(kSx + 27, kSy + 38), kBlue);
  // Nothing is left of the first, larger paint.
  EXPECT_EQ(p.At(kSx + 28, kSy + 38), kWhite);
  EXPECT_EQ(p.At(kSx + 39, kSy + 49), kWhite);
}

TEST_F(FormPictureTest, ASizeThatNeverSettlesIsPaintedABoundedNumberOfTimes) {
  Add<TPTGsi>(frm_.Screen(), 20, 30, 8, 9, kRed);
  growing_paints = 0;
  FormPicture picture(fonts_, WithGrowing);
  picture.Render(frm_.Client());
  EXPECT_EQ(growing_paints, FormPicture::kMaxPasses);
}

TEST_F(FormPictureTest, RepaintingADamagedAreaLeavesTheRestAsItWas) {
  auto* a = Add<TCCButton>(frm_.Screen(), 10, 20, 4, 4, kRed);
  auto* b = Add<TCCButton>(frm_.Screen(), 30, 20, 4, 4, kRed);
  FormPicture picture(fonts_, BackgroundsOnly);
  picture.Render(frm_.Client());
  a->SetColor(kBlue);
  b->SetColor(kBlue);
  const PalmCanvas& p = picture.Render(frm_.Client(), PictureRect(*a));
  EXPECT_EQ(p.At(kSx + 10, kSy + 20), kBlue);
  EXPECT_EQ(p.At(kSx + 30, kSy + 20), kRed);
  picture.Render(frm_.Client(), PictureRect(*b));
  EXPECT_EQ(p.At(kSx + 30, kSy + 20), kBlue);
}

TEST_F(FormPictureTest, PaintingLeavesTheWindowClean) {
  frm_.Screen().SetColor(kRed);  // out of step with ColorFormFill until painted once
  FormPicture picture(fonts_);
  picture.Render(frm_.Client());
  frm_.ClearPictureDirty();
  picture.Render(frm_.Client());
  EXPECT_FALSE(frm_.PictureDirty());
}

TEST_F(FormPictureTest, PictureRectAddsUpTheParents) {
  auto* dialog = Add<TPTDialog>(frm_.Screen(), 3, 58, 156, 84, kWhite);
  auto* inner = Add<TCCButton>(*dialog, 10, 20, 40, 14, kWhite);
  EXPECT_EQ(PictureRect(*inner), (Rect{kSx + 13, kSy + 78, kSx + 53, kSy + 92}));
  EXPECT_EQ(PictureRect(frm_.Client()), (Rect{0, 0, 167, 226}));
}

TEST_F(FormPictureTest, AControlAloneIsPaintedAtTheOrigin) {
  auto* dialog = Add<TPTDialog>(frm_.Screen(), 3, 58, 20, 20, kWhite);
  FormPicture picture(fonts_);
  const PalmCanvas& p = picture.Render(*dialog);
  EXPECT_EQ(p.Width(), 20);
  EXPECT_EQ(p.At(2, 0), kBlack);
  EXPECT_EQ(p.At(0, 0), kWhite);
}

// A button-like routine: cut-corner outline, gray pass, centred text, as the real ones do.
void ButtonLike(TControl& control, PalmCanvas& canvas, const PaintContext&) {
  const int w = control.Width(), h = control.Height();
  canvas.SetPen(kBlack);
  canvas.SetBrush(kWhite);
  canvas.Polygon(CutCornerOutline(w, h, 3));
  SetCornerPixels(canvas, w, h, 1, kBlack);
  GrayPassCutCorner(canvas, w, h, 3, kWhite);
  Point at = CenteredText(canvas, control.Name(), w, h);
  canvas.TextOut(at.x, at.y, control.Name());
  DrawSelectionMarks(canvas, control);
}
PaintFn WithButtons(ControlClass cls) {
  return cls == ControlClass::kCCButton ? ButtonLike : PainterFor(cls);
}

TEST_F(FormPictureTest, AHundredControlsPaintQuickly) {
  test::FakeUi ui;
  FontRegistry fonts;
  fonts.LoadPalmFonts(QB_BIN_DIR, ui);
  frm_.Screen().SetGridVisible(1);
  frm_.Screen().SetGridSpace(6);
  for (int i = 0; i < 100; ++i) {
    auto* b = Add<TCCButton>(frm_.Screen(), (i % 4) * 40, 15 + (i / 4) * 5, 40, 14, kWhite);
    b->SetName("Button" + std::to_string(i + 1));
    b->SetFontName("PilotStandard");
    b->SetSelected(i % 10 == 0);
  }
  FormPicture picture(fonts, WithButtons);
  picture.Render(frm_.Client());
  constexpr int kRounds = 200;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRounds; ++i) picture.Render(frm_.Client());
  double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
      kRounds;
  std::printf("a picture with 100 controls took %.3f ms\n", ms);
  EXPECT_LT(ms, 10.0);  // generous for loaded test machines; the goal is under 1 ms
}

TEST_F(FormPictureTest, EmptyFormWithTitleAndGridSavedAsPng) {
  test::FakeUi ui;
  FontRegistry fonts;
  fonts.LoadPalmFonts(QB_BIN_DIR, ui);
  frm_.Screen().SetGridVisible(1);
  frm_.Screen().SetGridSpace(6);
  FormPicture picture(fonts);
  const PalmCanvas& p = picture.Render(frm_.Client());
  auto dir = std::filesystem::path(QB_BIN_DIR).parent_path() / "test_output";
  std::filesystem::create_directories(dir);
  ASSERT_TRUE(WritePng((dir / "empty_form.png").string(), p));
  ASSERT_TRUE(WritePng((dir / "empty_form_4x.png").string(), p, 4));
  EXPECT_EQ(std::filesystem::file_size(dir / "empty_form_4x.png"), EncodePng(p, 4).size());
  // The title is drawn in the form fill on the tab, inside the tab's width.
  int title_pixels = 0;
  for (int y = kSy + 2; y < kSy + 12; ++y)
    for (int x = kSx + 3; x < kSx + 30; ++x) title_pixels += p.At(x, y) == kWhite;
  EXPECT_GT(title_pixels, 20);
  EXPECT_EQ(p.At(kSx + 29, kSy + 1), kBlack);  // "Form1" is 25 wide in the default bold face
  EXPECT_EQ(p.At(kSx + 30, kSy + 1), kWhite);
}

}  // namespace
}  // namespace qb
