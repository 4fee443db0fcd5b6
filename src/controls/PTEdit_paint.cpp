#include "controls/PTEdit_paint.h"

#include <string_view>

#include "controls/PTEdit.h"
#include "controls/palm_look.h"
#include "model/datamod.h"

namespace qb {

namespace {

// The lines are as high as this text in the field's font.
constexpr const char* kLineSample = "A";
constexpr char kBlank = ' ';
// Underline 0 means underlined.
constexpr int kUnderlined = 0;

// The end of the UTF-8 character that starts at pos.
std::size_t NextCharEnd(std::string_view text, std::size_t pos) {
  ++pos;
  while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) ++pos;
  return pos;
}

// How much of the text goes on one line: all of it when it fits; else up to and including the
// last blank of the longest prefix that fits. Without such a blank the word itself is broken
// after the longest prefix that fits (one character at least), so that every line takes some
// text. Widths add up character by character, so each line costs only its own characters.
std::size_t LineLength(const PalmCanvas& canvas, std::string_view text, int width) {
  std::size_t pos = 0;
  std::size_t last_blank = std::string_view::npos;
  int prefix_width = 0;
  while (pos < text.size()) {
    const std::size_t next = NextCharEnd(text, pos);
    prefix_width += canvas.TextWidth(text.substr(pos, next - pos));
    if (prefix_width > width) break;
    if (text[pos] == kBlank) last_blank = pos;
    pos = next;
  }
  if (pos == text.size()) return pos;
  if (last_blank != std::string_view::npos) return last_blank + 1;
  return pos > 0 ? pos : NextCharEnd(text, 0);
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

// Underlined: a line across the field with only its odd pixels kept.
void DrawDottedUnderline(PalmCanvas& canvas, int w, int y, Color fill) {
  canvas.Polyline({{0, y}, {w, y}});
  for (int x = 0; x < w; x += 2) canvas.SetPixel(x, y, fill);
}

// One wrapped line: right-aligned without its blanks when justified right, else at the left.
void DrawWrappedLine(PalmCanvas& canvas, std::string_view line, int y, int w, bool right) {
  if (right) {
    const std::string_view trimmed = TrimBlanks(line);
    canvas.TextOut(w - canvas.TextWidth(trimmed), y, trimmed);
  } else {
    canvas.TextOut(0, y, line);
  }
}

}  // namespace

void PaintPTEdit(TControl& control, PalmCanvas& canvas, const PaintContext&) {
  auto& field = static_cast<TPTEdit&>(control);
  const int w = field.Width();
  const std::string_view text = field.Text();
  const bool single = field.SingleLine() != 0;
  const bool right = field.Justification() != 0;

  canvas.FillRect(0, 0, w, field.Height(), field.ColorFill());
  canvas.SetPen(field.ColorLines());
  canvas.SetTextColor(field.ColorText());
  const int h = canvas.TextHeight(kLineSample);
  const int lines = single ? 1 : (h > 0 ? NearestDiv(field.Height(), h) : 0);

  // Multi-line text that fits stays on the first line, at the left whatever the justification.
  std::string_view remaining;
  if (!single && canvas.TextWidth(text) > w)
    remaining = text;
  else
    canvas.TextOut(0, 0, text);

  for (int k = 0; k < lines; ++k) {
    if (field.Underline() == kUnderlined)
      DrawDottedUnderline(canvas, w, k * h + h - 1, field.ColorFill());
    if (single || remaining.empty()) continue;
    const std::size_t length = LineLength(canvas, remaining, w);
    DrawWrappedLine(canvas, remaining.substr(0, length), k * h, w, right);
    remaining.remove_prefix(length);
  }

  DrawSelectionMarks(canvas, field);
}

}  // namespace qb
