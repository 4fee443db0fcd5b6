#include "controls/palm_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "controls/palm_font.h"

namespace qb {

namespace {

// num / den (den > 0) rounded to the nearest integer, halves towards zero, so that a
// segment covers the same pixels whichever end it is drawn from.
int RoundHalfTowardZero(int num, int den) {
  if (num < 0) return -RoundHalfTowardZero(-num, den);
  return (2 * num + den - 1) / (2 * den);
}

}  // namespace

Rect Rect::Intersect(const Rect& o) const {
  Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
         std::min(bottom, o.bottom)};
  if (r.Empty()) return {};
  return r;
}

void PalmCanvas::Reset(int width, int height, Color fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * height_, fill);
  origin_ = {};
  clip_ = {0, 0, width_, height_};
  ResetTools();
}

Color PalmCanvas::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void PalmCanvas::SetClip(const Rect& device_rect) {
  clip_ = device_rect.Intersect({0, 0, width_, height_});
}

void PalmCanvas::ResetTools() {
  pen_ = kBlack;
  pen_solid_ = true;
  brush_ = kWhite;
  brush_solid_ = true;
  text_color_ = kBlack;
  face_ = nullptr;
}

void PalmCanvas::SetPixel(int x, int y, Color c) { Plot(x + origin_.x, y + origin_.y, c); }

Rect PalmCanvas::Bounds(std::span<const Point> points) const {
  Rect r{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Point& p : points) {
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
  return {r.left + origin_.x, r.top + origin_.y, r.right + origin_.x + 1, r.bottom + origin_.y + 1};
}

void PalmCanvas::Segment(Point a, Point b, Color c, bool include_end) {
  Point end = b;
  int dx = b.x - a.x;
  int dy = b.y - a.y;
  bool x_major = std::abs(dx) >= std::abs(dy);
  // Walk from the end with the smaller major coordinate.
  if (x_major ? dx < 0 : dy < 0) {
    std::swap(a, b);
    dx = -dx;
    dy = -dy;
  }
  int n = x_major ? dx : dy;
  for (int i = 0; i <= n; ++i) {
    Point p = x_major ? Point{a.x + i, a.y + (n ? RoundHalfTowardZero(i * dy, n) : 0)}
                      : Point{a.x + RoundHalfTowardZero(i * dx, n), a.y + i};
    if (include_end || !(p == end)) Plot(p.x, p.y, c);
  }
}

void PalmCanvas::Polyline(std::span<const Point> points) {
  if (!pen_solid_ || points.size() < 2) return;
  if (Bounds(points).Intersect(clip_).Empty()) return;
  // Each segment leaves out its end, which the next one starts with; so only the very
  // last point stays undrawn (unless an earlier segment passed over it).
  for (std::size_t i = 0; i + 1 < points.size(); ++i)
    Segment({points[i].x + origin_.x, points[i].y + origin_.y},
            {points[i + 1].x + origin_.x, points[i + 1].y + origin_.y}, pen_, false);
}

void PalmCanvas::FillInterior(std::span<const Point> pts, Color c) {
  // Each non-horizontal edge, half-open in y so that a vertex shared by two edges counts
  // once; the rows the interior leaves out lie on the outline, which is drawn afterwards.
  struct Edge {
    int y0, y1;     // y0 <= y < y1
    double x0, dx;  // x at y0 and per row
  };
  constexpr std::size_t kSmall = 32;
  std::array<Edge, kSmall> small_edges;
  std::vector<Edge> large_edges;
  Edge* edges = small_edges.data();
  if (pts.size() > kSmall) {
    large_edges.resize(pts.size());
    edges = large_edges.data();
  }
  std::size_t count = 0;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    Point p = pts[i];
    Point q = pts[(i + 1) % pts.size()];
    if (p.y == q.y) continue;
    if (p.y > q.y) std::swap(p, q);
    edges[count++] = {p.y, q.y, static_cast<double>(p.x),
                      static_cast<double>(q.x - p.x) / (q.y - p.y)};
  }
  Rect box = Bounds(pts).Offset(-origin_.x, -origin_.y);
  const int y_from = std::max(box.top, clip_.top - origin_.y);
  const int y_to = std::min(box.bottom, clip_.bottom - origin_.y);
  const int x_min = clip_.left - origin_.x;
  const int x_max = clip_.right - origin_.x - 1;
  std::array<double, kSmall> small_xs;
  std::vector<double> large_xs(count > kSmall ? count : 0);
  double* xs = count > kSmall ? large_xs.data() : small_xs.data();
  for (int y = y_from; y < y_to; ++y) {
    std::size_t n = 0;
    for (std::size_t e = 0; e < count; ++e)
      if (y >= edges[e].y0 && y < edges[e].y1)
        xs[n++] = edges[e].x0 + (y - edges[e].y0) * edges[e].dx;
    std::sort(xs, xs + n);
    for (std::size_t k = 0; k + 1 < n; k += 2) {
      int from = std::max(static_cast<int>(std::ceil(xs[k])), x_min);
      int to = std::min(static_cast<int>(std::floor(xs[k + 1])), x_max);
      if (from > to) continue;
      std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y + origin_.y) * width_ +
                      (from + origin_.x),
                  to - from + 1, c);
    }
  }
}

void PalmCanvas::Polygon(std::span<const Point> points) {
  if (points.empty()) return;
  if (!pen_solid_ && !brush_solid_) return;
  if (Bounds(points).Intersect(clip_).Empty()) return;
  if (brush_solid_ && points.size() >= 3) FillInterior(points, brush_);
  Color outline = pen_solid_ ? pen_ : brush_;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point& a = points[i];
    const Point& b = points[(i + 1) % points.size()];
    Segment({a.x + origin_.x, a.y + origin_.y}, {b.x + origin_.x, b.y + origin_.y}, outline, true);
  }
}

void PalmCanvas::FillRect(int x0, int y0, int x1, int y1) {
  if (brush_solid_) FillRect(x0, y0, x1, y1, brush_);
}

void PalmCanvas::FillRect(int x0, int y0, int x1, int y1, Color c) {
  Rect r = Rect{x0, y0, x1, y1}.Offset(origin_.x, origin_.y).Intersect(clip_);
  for (int y = r.top; y < r.bottom; ++y)
    std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_ + r.left,
                r.right - r.left, c);
}

namespace {
const PalmFace& FaceOrBuiltin(const PalmFace* face) { return face ? *face : BuiltinFace(); }
}  // namespace

void PalmCanvas::TextOut(int x, int y, std::string_view utf8) {
  const PalmFace& face = FaceOrBuiltin(face_);
  const int dy = y + origin_.y;
  const int row_from = std::max(clip_.top - dy, 0);
  const int row_to = std::min(clip_.bottom - dy, face.Height());
  if (row_from >= row_to) return;
  int dx = x + origin_.x;
  std::size_t pos = 0;
  while (pos < utf8.size() && dx < clip_.right) {
    GlyphView g = face.Glyph(NextCp1252(utf8, &pos));
    const int col_from = std::max(clip_.left - dx, 0);
    const int col_to = std::min(clip_.right - dx, g.width);
    for (int gx = col_from; gx < col_to; ++gx) {
      const std::uint8_t* column = g.bits + (gx >> 3) * g.height;
      const std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (gx & 7));
      for (int gy = row_from; gy < row_to; ++gy)
        if (column[gy] & mask)
          pixels_[static_cast<std::size_t>(dy + gy) * width_ + (dx + gx)] = text_color_;
    }
    dx += g.width;
  }
}

int PalmCanvas::TextWidth(std::string_view utf8) const {
  return FaceOrBuiltin(face_).TextWidth(utf8);
}

int PalmCanvas::TextHeight(std::string_view utf8) const {
  return FaceOrBuiltin(face_).TextHeight(utf8);
}

void PalmCanvas::Blit(const PalmCanvas& source, int x, int y) {
  int dx = x + origin_.x;
  int dy = y + origin_.y;
  Rect r = Rect{dx, dy, dx + source.width_, dy + source.height_}.Intersect(clip_);
  for (int row = r.top; row < r.bottom; ++row) {
    const Color* from =
        source.pixels_.data() + static_cast<std::size_t>(row - dy) * source.width_ + (r.left - dx);
    std::copy_n(from, r.right - r.left,
                pixels_.begin() + static_cast<std::ptrdiff_t>(row) * width_ + r.left);
  }
}

}  // namespace qb
