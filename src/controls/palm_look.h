#pragma once

// The drawing rules every control of the Palm look shares: selection marks, cut-corner
// outlines and their gray (dotted) pass, rounded corners, text placement, list rows, the
// scroll arrow, the shadowed pop-up box, grid dots, and the background taken from the form.

#include <array>
#include <string_view>

#include "controls/control.h"
#include "controls/painters.h"
#include "controls/palm_canvas.h"

namespace qb {

// --- Selection marks -----------------------------------------------------------------------

inline constexpr int kMarkSize = 3;
// Which of the eight squares are drawn: all, or the four corners (the GSI).
enum class MarkSet { kAll, kCorners };

// Top-left corners of the eight 3 × 3 squares of a w × h panel, clockwise from the top-left
// corner: top-left, top-middle, top-right, right-middle, bottom-right, bottom-middle,
// bottom-left, left-middle.
std::array<Point, 8> SelectionSquares(int w, int h);
void DrawSelectionSquares(PalmCanvas& canvas, int w, int h, Color color,
                          MarkSet set = MarkSet::kAll);
// The marks of a selected control in its SelectColor, drawn last; nothing when unselected.
void DrawSelectionMarks(PalmCanvas& canvas, const TControl& control, MarkSet set = MarkSet::kAll);
// The squares a class shows when marked: the corners for a GSI, else all eight.
MarkSet MarkSetOf(const TControl& control);

// --- Outlines ------------------------------------------------------------------------------

// The Line property: 0 "White" (no outline), 1 "Black" (solid), 2 "Gray" (dotted).
inline constexpr int kLineWhite = 0;
inline constexpr int kLineBlack = 1;
inline constexpr int kLineGray = 2;
// The pen for a line style: cleared for White, solid in color otherwise.
void SetLinePen(PalmCanvas& canvas, int line, Color color);

// The corner cut of a CControls shape: Radius − 1 when Radius > 1, else Radius.
int CornerCut(int radius);
// The eight vertices of a cut-corner outline whose corners are (left, top) and
// (right, bottom), both included, with corner cut c: top edge first, clockwise.
std::array<Point, 8> CutCornerOutline(int left, int top, int right, int bottom, int c);
// The cut-corner outline of a whole w × h panel.
std::array<Point, 8> CutCornerOutline(int w, int h, int c);
// The gray pass over the cut-corner outline of a w × h panel: every second pixel of each
// edge's spanned rectangle is repainted in color (odd x or odd y by edge).
void GrayPassCutCorner(PalmCanvas& canvas, int w, int h, int c, Color color);
// The gray pass over a rectangular outline with corners (left, top) and (right, bottom),
// both included: odd x on the horizontal edges, odd y on the vertical ones.
void GrayPassRect(PalmCanvas& canvas, int left, int top, int right, int bottom, Color color);
// The four pixels (inset, inset), (w − 1 − inset, inset), (w − 1 − inset, h − 1 − inset),
// (inset, h − 1 − inset); inset 1 rounds a 3-pixel cut of the panel outline.
void SetCornerPixels(PalmCanvas& canvas, int w, int h, int inset, Color color);

// --- Text ----------------------------------------------------------------------------------

// Left-aligned text starts this far in; right-aligned text ends this far from the edge.
inline constexpr int kTextInset = 2;
// Centred in a w × h panel: x = nearest((w − text width) ÷ 2), y = nearest((h − height) ÷ 2).
Point CenteredText(const PalmCanvas& canvas, std::string_view text, int w, int h);
// Vertically centred: nearest((h − text height) ÷ 2).
int VCenteredTextY(const PalmCanvas& canvas, std::string_view text, int h);
// Left: 2; centre: nearest((w − text width) ÷ 2); right: w − text width − 2.
int AlignedTextX(const PalmCanvas& canvas, std::string_view text, int w, TextAlign align);

// --- Rows ----------------------------------------------------------------------------------

// CControls lists, drop-downs, pop-ups, tables and menus.
inline constexpr int kRowHeight = 11;
struct RowColors {
  Color fill = kWhite;
  Color text = kBlack;
  Color selected_fill = kBlack;
  Color selected_text = kWhite;
};
// Row r of height h: the polygon (1, r·h + 1), (right, r·h + 1), (right, (r + 1)·h),
// (1, (r + 1)·h) with pen and brush in the row's fill, then its text at (2, r·h + 1).
void DrawRow(PalmCanvas& canvas, int r, int h, int right, std::string_view text, bool selected,
             const RowColors& colors);
// The filled seven-point down arrow with anchor (ax, ay).
void DrawScrollArrow(PalmCanvas& canvas, int ax, int ay, Color color);

// --- Shadowed pop-up box -------------------------------------------------------------------

// The outline (brush clear) of an open drop-down, pop-up or pop-triggered list.
void DrawPopUpBoxOutline(PalmCanvas& canvas, int w, int h, Color frame);
// Its shadow, drawn after the rows: right shadow, bottom shadow, and the bottom edge again.
void DrawPopUpBoxShadow(PalmCanvas& canvas, int w, int h, Color frame);

// --- Panels --------------------------------------------------------------------------------

inline constexpr int kScreenSize = 160;
// Grid dots at every multiple of GridSpace − 1 below w and h, when the grid is visible. They
// are gray, or white on a gray fill. A pitch below 1 (GridSpace below 2) draws no dots.
void DrawGrid(PalmCanvas& canvas, int w, int h, int grid_visible, int grid_space, Color fill);
// With a PalmForm the control's background is the form's or dialog's fill: the panel is
// filled with it. Returns the background in use. Drawing never changes the control.
Color TakeFormBackground(const TControl& control, PalmCanvas& canvas, const PaintContext& context);
// Fills the panel with color, the background it is drawn on.
void SetPanelBackground(const TControl& control, PalmCanvas& canvas, Color color);
// The colour a panel is drawn in: the screen's ColorFormFill, else its Color.
Color DrawnBackground(const TControl& panel);

}  // namespace qb
