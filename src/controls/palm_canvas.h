#pragma once

// The pixel canvas every control draws on: a 32-bit colour buffer with a one-pixel pen, a
// solid or clear brush, a raster face, an origin and a clip rectangle. The primitives follow
// the toolkit canvas exactly: polylines leave out their very last point, polygons include
// every vertex, filled rectangles leave out their right column and bottom row, text is placed
// by the top-left corner of its cell. Nothing is anti-aliased.
//
// Every drawing call takes coordinates relative to the origin, clips them to the clip
// rectangle and touches no pixel outside it.

#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "model/colors.h"

namespace qb {

class PalmFace;

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// A half-open rectangle: left … right − 1, top … bottom − 1.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  Rect Intersect(const Rect& o) const;
  Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool operator==(const Rect&) const = default;
};

class PalmCanvas {
 public:
  PalmCanvas() = default;
  PalmCanvas(int width, int height, Color fill = kWhite) { Reset(width, height, fill); }

  // New size, every pixel fill; origin (0, 0), clip the whole canvas, default tools.
  void Reset(int width, int height, Color fill = kWhite);
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixel at device coordinates (no origin, no clip); black outside the canvas.
  Color At(int x, int y) const;
  const std::vector<Color>& Pixels() const { return pixels_; }

  // Drawing state. The origin is in device coordinates; the clip is a device rectangle and is
  // always kept within the canvas.
  void SetOrigin(Point origin) { origin_ = origin; }
  Point Origin() const { return origin_; }
  void SetClip(const Rect& device_rect);
  Rect Clip() const { return clip_; }
  // Pen black and solid, brush white and solid, text black, no face chosen.
  void ResetTools();

  void SetPen(Color c) {
    pen_ = c;
    pen_solid_ = true;
  }
  void ClearPen() { pen_solid_ = false; }
  bool PenSolid() const { return pen_solid_; }
  Color PenColor() const { return pen_; }
  // Setting the brush colour makes a cleared brush solid again.
  void SetBrush(Color c) {
    brush_ = c;
    brush_solid_ = true;
  }
  void ClearBrush() { brush_solid_ = false; }
  bool BrushSolid() const { return brush_solid_; }
  void SetFace(const PalmFace* face) { face_ = face; }
  const PalmFace* Face() const { return face_; }
  void SetTextColor(Color c) { text_color_ = c; }
  Color TextColor() const { return text_color_; }

  // The pixel at (x, y) relative to the origin, whatever the clip says; black outside.
  Color Pixel(int x, int y) const { return At(x + origin_.x, y + origin_.y); }
  // Exactly one pixel.
  void SetPixel(int x, int y, Color c);
  // Every segment from each point to the next, the very last point left out; pen only.
  void Polyline(std::span<const Point> points);
  void Polyline(std::initializer_list<Point> points) { Polyline(std::span(points)); }
  // The closed outline through every vertex, filled with the brush unless it is clear. A
  // two-point polygon is a line including both ends. With the pen cleared a solid brush
  // covers the same pixels the outline would have covered, so a shape keeps its size
  // whether or not it has a frame.
  void Polygon(std::span<const Point> points);
  void Polygon(std::initializer_list<Point> points) { Polygon(std::span(points)); }
  // x0 … x1 − 1, y0 … y1 − 1 with the brush; nothing for a clear brush or an empty rectangle.
  void FillRect(int x0, int y0, int x1, int y1);
  // The same in a given colour, leaving the brush alone.
  void FillRect(int x0, int y0, int x1, int y1, Color c);
  // Text with its cell's top-left corner at (x, y), in the text colour and the current face.
  // Only the glyphs' set pixels are drawn; the cell background is left as it is.
  void TextOut(int x, int y, std::string_view utf8);
  int TextWidth(std::string_view utf8) const;
  int TextHeight(std::string_view utf8) const;
  // Copies another canvas with its top-left pixel at (x, y), clipped.
  void Blit(const PalmCanvas& source, int x, int y);

 private:
  // Device-coordinate plotting, clipped.
  void Plot(int dx, int dy, Color c) {
    if (clip_.Contains(dx, dy)) pixels_[static_cast<std::size_t>(dy) * width_ + dx] = c;
  }
  // The segment from a to b in device coordinates; its start always, its end on request.
  void Segment(Point a, Point b, Color c, bool include_end);
  void FillInterior(std::span<const Point> device_points, Color c);
  // The device bounding box of points, as a half-open rectangle.
  Rect Bounds(std::span<const Point> points) const;

  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
  Point origin_;
  Rect clip_;
  Color pen_ = kBlack;
  bool pen_solid_ = true;
  Color brush_ = kWhite;
  bool brush_solid_ = true;
  Color text_color_ = kBlack;
  const PalmFace* face_ = nullptr;
};

}  // namespace qb
