#include "support/pixel_art.h"

#include <sstream>

namespace qb::test {

Legend DefaultLegend(Color background) {
  return {{'.', background}, {'#', kBlack}, {'w', kWhite}, {'g', kGray},
          {'s', kSilver},    {'b', kBlue},  {'n', kNavy},  {'r', kRed},
          {'m', kMaroon},    {'G', kGreen}, {'y', 65535u}};
}

Legend With(Legend legend, char letter, Color color) {
  legend.insert(legend.begin(), {letter, color});
  return legend;
}

namespace {

char LetterOf(Color c, const Legend& legend) {
  for (const auto& [letter, color] : legend)
    if (color == c) return letter;
  return '?';
}

bool ColorOf(char letter, const Legend& legend, Color* c) {
  for (const auto& [l, color] : legend)
    if (l == letter) {
      *c = color;
      return true;
    }
  return false;
}

}  // namespace

std::string ArtOf(const PalmCanvas& canvas, const Rect& area, const Legend& legend) {
  std::string out;
  for (int y = area.top; y < area.bottom; ++y) {
    out += "    \"";
    for (int x = area.left; x < area.right; ++x) out += LetterOf(canvas.At(x, y), legend);
    out += "\",\n";
  }
  return out;
}

::testing::AssertionResult PixelsAre(const PalmCanvas& canvas, const Art& expected,
                                     const Legend& legend, Point at) {
  int width = 0;
  for (const auto& row : expected) width = std::max(width, static_cast<int>(row.size()));
  Rect area{at.x, at.y, at.x + width, at.y + static_cast<int>(expected.size())};
  for (std::size_t row = 0; row < expected.size(); ++row) {
    for (std::size_t col = 0; col < expected[row].size(); ++col) {
      Color want;
      char letter = expected[row][col];
      if (!ColorOf(letter, legend, &want))
        return ::testing::AssertionFailure() << "letter '" << letter << "' is not in the legend";
      int x = at.x + static_cast<int>(col), y = at.y + static_cast<int>(row);
      Color got = canvas.At(x, y);
      if (got != want) {
        return ::testing::AssertionFailure()
               << "first wrong pixel at (" << x << ", " << y << "): expected '" << letter << "' ("
               << want << "), got '" << LetterOf(got, legend) << "' (" << got << ")\nactual:\n"
               << ArtOf(canvas, area, legend);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult OnlyInside(const PalmCanvas& canvas, const Rect& area, Color c) {
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      if (!area.Contains(x, y) && canvas.At(x, y) != c)
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") outside the area is " << canvas.At(x, y)
               << ", not " << c;
  return ::testing::AssertionSuccess();
}

}  // namespace qb::test
