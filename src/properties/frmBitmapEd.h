#pragma once

// The bitmap editor ("Bitmap Editor") of an Image or Bitmap control: one 10 × 10 cell per
// picture pixel with one-pixel grid lines, drawn with the mouse, and a column of buttons on
// the right. It works on its own pixel flags; OK stores them as the control's StringBits.

#include <array>

#include "controls/CCBitmap.h"
#include "controls/palm_canvas.h"
#include "model/string_bits.h"
#include "model/ui.h"

namespace qb {

struct GridModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

class TfrmBmpEd : public DialogModel {
 public:
  static constexpr const char* kDialogId = "TfrmBmpEd";
  static constexpr const char* kCaption = "Bitmap Editor";
  static constexpr int kCellSize = 10;
  // A cell and its grid line.
  static constexpr int kCellPitch = kCellSize + 1;
  static constexpr int kButtonColumnWidth = 80;
  // The client height the dialog keeps unless the grid is higher than kGrowAbove.
  static constexpr int kDesignClientHeight = 198;
  static constexpr int kGrowAbove = 104;
  // Pictures wider or higher than this are not opened (see EditBitmap).
  static constexpr int kMaxSide = 1024;

  enum class Button { kOk, kCancel, kClear };
  struct ButtonInfo {
    Button button;
    const char* caption;
  };
  // Top to bottom.
  static const std::array<ButtonInfo, 3>& Buttons();

  // Pixel flags of the control's panel size, filled from its StringBits.
  TfrmBmpEd(TCCBitmap& picture, Ui& ui);
  const char* DialogId() const override { return kDialogId; }

  const BitPicture& Pixels() const { return pixels_; }
  int GridWidth() const { return pixels_.Width() * kCellPitch; }
  int GridHeight() const { return pixels_.Height() * kCellPitch; }
  int ClientWidth() const { return GridWidth() + kButtonColumnWidth; }
  int ClientHeight() const;
  // The client on a screen whose free area is available_width × available_height: a picture
  // too large for it scrolls inside a client that fits. The buttons always fit.
  struct Size {
    int width;
    int height;
  };
  Size ClientWithin(int available_width, int available_height) const;

  // The cell under a point of the grid; false outside it. A grid line belongs to the cell on
  // its left or above it.
  bool CellAt(int x, int y, int* col, int* row) const;
  int CurrentCol() const { return current_col_; }
  int CurrentRow() const { return current_row_; }

  // The left button pressed at a grid point: that cell becomes current and its pixel is
  // inverted. Other buttons do nothing.
  void LeftButtonDown(int x, int y);
  // The pointer moved with the left button held: plain draws, with Shift erases, with any
  // other modifier nothing happens. The pressed cell is not touched again until the pointer
  // has left it, so a click never undoes itself.
  void DragTo(int x, int y, GridModifiers modifiers);
  void LeftButtonUp() { dragging_ = false; }

  // The part area (grid pixels) of the grid's picture: each cell black when its pixel is set,
  // white otherwise, the grid lines silver. The view draws only what it shows, so a large
  // picture costs no more than a small one.
  PalmCanvas GridPicture(const Rect& area) const;
  static constexpr Color kGridLineColor = kSilver;

  // "Clear", after the warning is answered with Yes.
  void Clear();
  void Press(Button button);
  // OK: the pixels become the control's StringBits.
  void Apply();

 private:
  TCCBitmap& picture_;
  Ui& ui_;
  BitPicture pixels_;
  int current_col_ = 0;
  int current_row_ = 0;
  bool dragging_ = false;
};

// Runs the bitmap editor over picture; true when OK stored a new StringBits. A picture wider
// or higher than TfrmBmpEd::kMaxSide is refused with an error message and left unchanged.
bool EditBitmap(Ui& ui, TCCBitmap& picture);

}  // namespace qb
