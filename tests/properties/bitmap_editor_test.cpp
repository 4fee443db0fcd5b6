#include <gtest/gtest.h>

#include "properties/frmBitmapEd.h"
#include "support/fake_ui.h"
#include "support/pixel_art.h"

namespace qb {
namespace {

using test::FakeUi;
using Ed = TfrmBmpEd;

std::vector<std::string> ArtOf(const BitPicture& picture) {
  std::vector<std::string> rows;
  for (int y = 0; y < picture.Height(); ++y) {
    std::string row;
    for (int x = 0; x < picture.Width(); ++x) row += picture.At(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

// The middle of a cell, in grid pixels.
int Mid(int cell) { return cell * Ed::kCellPitch + Ed::kCellSize / 2; }

class BitmapEditorTest : public ::testing::Test {
 protected:
  void SetPicture(int w, int h, const std::string& bits) {
    picture_.SetBounds(0, 0, w, h);
    picture_.SetStringBits(bits);
  }
  FakeUi ui_;
  TCCBitmap picture_{nullptr};
};

TEST_F(BitmapEditorTest, OpensTheTriangleAndWritesItBackUnchanged) {
  SetPicture(6, 11, "040c1c3c7cfc7c3c1c0c04");
  std::vector<std::string> shown;
  ui_.AnswerDialog([&](DialogModel& dialog) {
    EXPECT_STREQ(dialog.DialogId(), "TfrmBmpEd");
    shown = ArtOf(static_cast<Ed&>(dialog).Pixels());
    return true;
  });
  EXPECT_TRUE(EditBitmap(ui_, picture_));
  EXPECT_EQ(shown,
            (std::vector<std::string>{".....#", "....##", "...###", "..####", ".#####", "######",
                                      ".#####", "..####", "...###", "....##", ".....#"}));
  EXPECT_EQ(picture_.StringBits(), "040c1c3c7cfc7c3c1c0c04");
}

TEST_F(BitmapEditorTest, OkWritesCanonicalLowerCaseText) {
  SetPicture(8, 1, "FC");
  ui_.AnswerDialog([](DialogModel&) { return true; });
  EditBitmap(ui_, picture_);
  EXPECT_EQ(picture_.StringBits(), "fc");
}

TEST_F(BitmapEditorTest, ShortTextIsPaddedToTheWholePicture) {
  SetPicture(8, 8, "ff");
  ui_.AnswerDialog([](DialogModel& dialog) {
    EXPECT_EQ(static_cast<Ed&>(dialog).Pixels().CountSet(), 8);
    return true;
  });
  EditBitmap(ui_, picture_);
  EXPECT_EQ(picture_.StringBits(), "ff00000000000000");
}

TEST_F(BitmapEditorTest, MalformedTextComesBackCanonical) {
  SetPicture(4, 2, "zz9!extra");
  ui_.AnswerDialog([](DialogModel&) { return true; });
  EditBitmap(ui_, picture_);
  EXPECT_EQ(picture_.StringBits(), "00");
}

TEST_F(BitmapEditorTest, CancelStoresNothing) {
  SetPicture(4, 1, "F");
  ui_.AnswerDialog([](DialogModel& dialog) {
    static_cast<Ed&>(dialog).LeftButtonDown(Mid(1), Mid(0));
    return false;
  });
  EXPECT_FALSE(EditBitmap(ui_, picture_));
  EXPECT_EQ(picture_.StringBits(), "F");
}

TEST_F(BitmapEditorTest, PausesTheZoomWhileUp) {
  SetPicture(4, 4, "");
  int depth = -1;
  ui_.AnswerDialog([&](DialogModel&) {
    depth = ui_.ModalDepth();
    return false;
  });
  EditBitmap(ui_, picture_);
  EXPECT_EQ(depth, 1);
  EXPECT_EQ(ui_.ModalDepth(), 0);
}

TEST_F(BitmapEditorTest, ThreeDrawnPixelsAreStored) {
  SetPicture(5, 3, "");
  ui_.AnswerDialog([](DialogModel& dialog) {
    auto& editor = static_cast<Ed&>(dialog);
    editor.LeftButtonDown(Mid(0), Mid(0));
    editor.DragTo(Mid(1), Mid(1), {});
    editor.DragTo(Mid(4), Mid(2), {});
    editor.LeftButtonUp();
    return true;
  });
  EditBitmap(ui_, picture_);
  // Rows: "#....", ".#...", "....#".
  EXPECT_EQ(picture_.StringBits(), "804008");
}

struct SizeCase {
  int w, h;
  int client_width, client_height;
};

class BitmapEditorSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(BitmapEditorSize, ClientFollowsTheGrid) {
  FakeUi ui;
  TCCBitmap picture(nullptr);
  picture.SetBounds(0, 0, GetParam().w, GetParam().h);
  Ed editor(picture, ui);
  EXPECT_EQ(editor.GridWidth(), GetParam().w * 11);
  EXPECT_EQ(editor.GridHeight(), GetParam().h * 11);
  EXPECT_EQ(editor.ClientWidth(), GetParam().client_width);
  EXPECT_EQ(editor.ClientHeight(), GetParam().client_height);
}

INSTANTIATE_TEST_SUITE_P(Sizes, BitmapEditorSize,
                         ::testing::Values(SizeCase{20, 20, 300, 220},  // placement size
                                           SizeCase{6, 11, 146, 121},
                                           SizeCase{4, 9, 124, 198},   // 99 high: design height
                                           SizeCase{4, 10, 124, 110},  // 110 high: the grid's
                                           SizeCase{0, 0, 80, 198}));

TEST_F(BitmapEditorTest, LargePicturesScrollInsideAClientThatFitsTheScreen) {
  SetPicture(400, 300, "");
  Ed editor(picture_, ui_);
  EXPECT_EQ(editor.ClientWidth(), 4480);
  EXPECT_EQ(editor.ClientHeight(), 3300);
  const Ed::Size fit = editor.ClientWithin(1280, 1000);
  EXPECT_EQ(fit.width, 1280);
  EXPECT_EQ(fit.height, 1000);
  // A picture that fits keeps its own size; a tiny screen still leaves room for the buttons.
  SetPicture(6, 11, "");
  Ed small(picture_, ui_);
  EXPECT_EQ(small.ClientWithin(1280, 1000).width, 146);
  EXPECT_EQ(small.ClientWithin(1280, 1000).height, 121);
  const Ed::Size tiny = editor.ClientWithin(10, 10);
  EXPECT_EQ(tiny.width, 160);
  EXPECT_EQ(tiny.height, 198);
}

TEST_F(BitmapEditorTest, CellsAndGridLines) {
  SetPicture(3, 2, "");
  Ed editor(picture_, ui_);
  int col = -1, row = -1;
  ASSERT_TRUE(editor.CellAt(0, 0, &col, &row));
  EXPECT_EQ(col, 0);
  EXPECT_EQ(row, 0);
  ASSERT_TRUE(editor.CellAt(10, 10, &col, &row));  // the grid line right of and below cell 0
  EXPECT_EQ(col, 0);
  EXPECT_EQ(row, 0);
  ASSERT_TRUE(editor.CellAt(11, 21, &col, &row));
  EXPECT_EQ(col, 1);
  EXPECT_EQ(row, 1);
  ASSERT_TRUE(editor.CellAt(32, 21, &col, &row));
  EXPECT_EQ(col, 2);
  EXPECT_FALSE(editor.CellAt(33, 0, &col, &row));
  EXPECT_FALSE(editor.CellAt(0, 22, &col, &row));
  EXPECT_FALSE(editor.CellAt(-1, 0, &col, &row));
}

TEST_F(BitmapEditorTest, PressInvertsAndMakesTheCellCurrent) {
  SetPicture(4, 4, "0000");
  Ed editor(picture_, ui_);
  editor.LeftButtonDown(Mid(2), Mid(3));
  EXPECT_TRUE(editor.Pixels().At(2, 3));
  EXPECT_EQ(editor.CurrentCol(), 2);
  EXPECT_EQ(editor.CurrentRow(), 3);
  editor.LeftButtonUp();
  editor.LeftButtonDown(Mid(2), Mid(3));
  EXPECT_FALSE(editor.Pixels().At(2, 3));
  editor.LeftButtonUp();
  editor.LeftButtonDown(100, 100);  // outside: nothing
  EXPECT_EQ(editor.Pixels().CountSet(), 0);
}

TEST_F(BitmapEditorTest, ClickOnASetPixelClearsItEvenWhenThePointerTrembles) {
  SetPicture(4, 1, "4");  // pixel 1 set
  Ed editor(picture_, ui_);
  editor.LeftButtonDown(Mid(1), Mid(0));
  editor.DragTo(Mid(1) + 1, Mid(0) - 1, {});
  editor.DragTo(Mid(1) - 2, Mid(0), {});
  editor.LeftButtonUp();
  EXPECT_FALSE(editor.Pixels().At(1, 0));
}

TEST_F(BitmapEditorTest, DragDrawsShiftDragErasesOtherModifiersDoNothing) {
  SetPicture(6, 1, "");
  Ed editor(picture_, ui_);
  editor.LeftButtonDown(Mid(0), Mid(0));
  editor.DragTo(Mid(1), Mid(0), {});
  editor.DragTo(Mid(2), Mid(0), {});
  EXPECT_EQ(ArtOf(editor.Pixels())[0], "###...");
  editor.DragTo(Mid(1), Mid(0), {.shift = true});
  EXPECT_EQ(ArtOf(editor.Pixels())[0], "#.#...");
  editor.DragTo(Mid(3), Mid(0), {.ctrl = true});
  editor.DragTo(Mid(4), Mid(0), {.alt = true});
  editor.DragTo(Mid(5), Mid(0), {.shift = true, .ctrl = true});
  EXPECT_EQ(ArtOf(editor.Pixels())[0], "#.#...");
  editor.DragTo(Mid(5), Mid(0), {});
  EXPECT_EQ(ArtOf(editor.Pixels())[0], "#.#..#");
  // Back over a drawn cell: a plain move sets it again, it never inverts.
  editor.DragTo(Mid(2), Mid(0), {});
  EXPECT_EQ(ArtOf(editor.Pixels())[0], "#.#..#");
  editor.LeftButtonUp();
  // Without the button held, moving does nothing.
  editor.DragTo(Mid(3), Mid(0), {});
  EXPECT_EQ(ArtOf(editor.Pixels())[0], "#.#..#");
}

TEST_F(BitmapEditorTest, ClearAsksFirst) {
  SetPicture(4, 2, "ff");
  Ed editor(picture_, ui_);
  ui_.AnswerMessage(kMbNo);
  editor.Press(Ed::Button::kClear);
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  const test::Shown& shown = ui_.ShownLog()[0];
  EXPECT_EQ(shown.caption, "Warning");
  EXPECT_EQ(shown.text, "This operation erase the bitmap. Are you sure?");
  EXPECT_EQ(shown.icon, MsgIcon::kWarning);
  EXPECT_EQ(shown.buttons, kMbYesNo);
  EXPECT_EQ(shown.default_button, kMbYes);
  EXPECT_EQ(editor.Pixels().CountSet(), 8);

  ui_.AnswerMessage(kMbYes);
  editor.Press(Ed::Button::kClear);
  EXPECT_EQ(editor.Pixels().CountSet(), 0);
  editor.Apply();
  EXPECT_EQ(picture_.StringBits(), "00");
}

TEST_F(BitmapEditorTest, ButtonsTopToBottom) {
  std::vector<std::string> captions;
  for (const auto& b : Ed::Buttons()) captions.push_back(b.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"OK", "Cancel", "Clear"}));
}

TEST_F(BitmapEditorTest, TooLargeAPictureIsRefusedWithAMessage) {
  SetPicture(Ed::kMaxSide + 1, 10, "abc");
  EXPECT_FALSE(EditBitmap(ui_, picture_));
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].what, "message");
  EXPECT_EQ(ui_.ShownLog()[0].caption, "Error");
  EXPECT_EQ(ui_.ShownLog()[0].text, "The bitmap editor opens pictures of up to 1024 x 1024 pixels");
  EXPECT_EQ(picture_.StringBits(), "abc");

  ui_.ClearLog();
  SetPicture(10, 100000, "abc");
  EXPECT_FALSE(EditBitmap(ui_, picture_));
  EXPECT_EQ(ui_.ShownLog().size(), 1u);
}

TEST_F(BitmapEditorTest, LargestPictureOpens) {
  SetPicture(Ed::kMaxSide, Ed::kMaxSide, "8");
  ui_.AnswerDialog([](DialogModel&) { return true; });
  EXPECT_TRUE(EditBitmap(ui_, picture_));
  EXPECT_EQ(picture_.StringBits().size(), 256u * 1024u);
  EXPECT_EQ(picture_.StringBits().substr(0, 2), "80");
}

TEST_F(BitmapEditorTest, GridPictureShowsCellsAndGridLines) {
  SetPicture(2, 1, "8");
  Ed editor(picture_, ui_);
  const PalmCanvas grid = editor.GridPicture({0, 0, editor.GridWidth(), editor.GridHeight()});
  const std::string set_row = "##########s..........s";
  EXPECT_TRUE(test::PixelsAre(grid, {set_row, set_row, set_row, set_row, set_row, set_row, set_row,
                                     set_row, set_row, set_row, "ssssssssssssssssssssss"}));
}

TEST_F(BitmapEditorTest, GridPictureOfAPartIsClippedToTheGrid) {
  SetPicture(2, 1, "4");  // the right pixel set
  Ed editor(picture_, ui_);
  const PalmCanvas part = editor.GridPicture({8, 7, 14, 30});
  ASSERT_EQ(part.Width(), 6);
  ASSERT_EQ(part.Height(), 4);
  EXPECT_TRUE(test::PixelsAre(part, {"..s###", "..s###", "..s###", "ssssss"}));
  EXPECT_EQ(editor.GridPicture({100, 100, 120, 120}).Width(), 0);
}

TEST_F(BitmapEditorTest, GridPictureFollowsDrawing) {
  SetPicture(1, 1, "");
  Ed editor(picture_, ui_);
  editor.LeftButtonDown(3, 3);
  EXPECT_EQ(editor.GridPicture({0, 0, 11, 11}).At(5, 5), kBlack);
  EXPECT_EQ(editor.GridPicture({0, 0, 11, 11}).At(10, 5), kSilver);
}

}  // namespace
}  // namespace qb
