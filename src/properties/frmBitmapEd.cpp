#include "properties/frmBitmapEd.h"

#include <algorithm>
#include <string>

#include "model/captions.h"
#include "properties/editor_texts.h"

namespace qb {

namespace {

constexpr const char* kClearQuestion = "This operation erase the bitmap. Are you sure?";

const std::array<TfrmBmpEd::ButtonInfo, 3> kButtons = {{
    {TfrmBmpEd::Button::kOk, kOkCaption},
    {TfrmBmpEd::Button::kCancel, kCancelCaption},
    {TfrmBmpEd::Button::kClear, "Clear"},
}};

std::string TooLargeMessage() {
  const std::string side = std::to_string(TfrmBmpEd::kMaxSide);
  return "The bitmap editor opens pictures of up to " + side + " x " + side + " pixels";
}

}  // namespace

const std::array<TfrmBmpEd::ButtonInfo, 3>& TfrmBmpEd::Buttons() { return kButtons; }

TfrmBmpEd::TfrmBmpEd(TCCBitmap& picture, Ui& ui)
    : picture_(picture),
      ui_(ui),
      pixels_(DecodeStringBits(picture.StringBits(), std::min(picture.Width(), kMaxSide),
                               std::min(picture.Height(), kMaxSide))) {}

int TfrmBmpEd::ClientHeight() const {
  return GridHeight() > kGrowAbove ? GridHeight() : kDesignClientHeight;
}

TfrmBmpEd::Size TfrmBmpEd::ClientWithin(int available_width, int available_height) const {
  // Room for the buttons and a few cells at least, however small the screen claims to be.
  constexpr int kLeastWidth = kButtonColumnWidth * 2;
  return {std::min(ClientWidth(), std::max(available_width, kLeastWidth)),
          std::min(ClientHeight(), std::max(available_height, kDesignClientHeight))};
}

bool TfrmBmpEd::CellAt(int x, int y, int* col, int* row) const {
  if (x < 0 || y < 0 || x >= GridWidth() || y >= GridHeight()) return false;
  *col = x / kCellPitch;
  *row = y / kCellPitch;
  return true;
}

void TfrmBmpEd::LeftButtonDown(int x, int y) {
  int col = 0, row = 0;
  if (!CellAt(x, y, &col, &row)) return;
  current_col_ = col;
  current_row_ = row;
  dragging_ = true;
  pixels_.Invert(col, row);
}

void TfrmBmpEd::DragTo(int x, int y, GridModifiers modifiers) {
  int col = 0, row = 0;
  if (!dragging_ || !CellAt(x, y, &col, &row)) return;
  if (modifiers.ctrl || modifiers.alt) return;
  if (col == current_col_ && row == current_row_) return;
  current_col_ = col;
  current_row_ = row;
  pixels_.Set(col, row, !modifiers.shift);
}

PalmCanvas TfrmBmpEd::GridPicture(const Rect& wanted) const {
  const Rect area = wanted.Intersect({0, 0, GridWidth(), GridHeight()});
  if (area.Empty()) return {};
  PalmCanvas canvas(area.right - area.left, area.bottom - area.top, kGridLineColor);
  canvas.SetOrigin({-area.left, -area.top});
  const int first_col = area.left / kCellPitch, last_col = (area.right - 1) / kCellPitch;
  const int first_row = area.top / kCellPitch, last_row = (area.bottom - 1) / kCellPitch;
  for (int row = first_row; row <= last_row; ++row)
    for (int col = first_col; col <= last_col; ++col) {
      const int x = col * kCellPitch, y = row * kCellPitch;
      canvas.FillRect(x, y, x + kCellSize, y + kCellSize, pixels_.At(col, row) ? kBlack : kWhite);
    }
  return canvas;
}

void TfrmBmpEd::Clear() {
  if (ui_.MessageBox(kCaptionWarning, kClearQuestion, MsgIcon::kWarning, kMbYesNo, kMbYes) ==
      kMbYes)
    pixels_.ClearAll();
}

void TfrmBmpEd::Press(Button button) {
  if (button == Button::kClear) Clear();
}

void TfrmBmpEd::Apply() { picture_.SetStringBits(EncodeStringBits(pixels_)); }

bool EditBitmap(Ui& ui, TCCBitmap& picture) {
  if (picture.Width() > TfrmBmpEd::kMaxSide || picture.Height() > TfrmBmpEd::kMaxSide) {
    ui.MessageBox(kCaptionError, TooLargeMessage(), MsgIcon::kError, kMbOk, kMbOk);
    return false;
  }
  TfrmBmpEd editor(picture, ui);
  if (!ui.RunDialog(editor)) return false;
  editor.Apply();
  return true;
}

}  // namespace qb
