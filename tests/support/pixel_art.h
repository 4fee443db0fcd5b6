#pragma once

// Expected pictures as ASCII art, one string per pixel row, one character per pixel, and a
// comparison that names the first wrong pixel with its coordinates and both colours.
//
// Default legend: '.' the background (white unless given), '#' black, 'w' white, 'g' gray,
// 's' silver, 'b' blue, 'n' navy, 'r' red, 'm' maroon, 'G' green, 'y' yellow.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "controls/palm_canvas.h"
#include "model/colors.h"

namespace qb::test {

using Art = std::vector<std::string>;
using Legend = std::vector<std::pair<char, Color>>;

Legend DefaultLegend(Color background = kWhite);
// The legend with one more letter.
Legend With(Legend legend, char letter, Color color);

// The canvas area whose top-left device pixel is at, as large as the art, compared pixel by
// pixel.
::testing::AssertionResult PixelsAre(const PalmCanvas& canvas, const Art& expected,
                                     const Legend& legend = DefaultLegend(), Point at = {0, 0});
// A rectangle of the canvas as art; colours outside the legend show as '?'.
std::string ArtOf(const PalmCanvas& canvas, const Rect& area, const Legend& legend);
// Every pixel of the canvas outside area has colour c.
::testing::AssertionResult OnlyInside(const PalmCanvas& canvas, const Rect& area, Color c);

}  // namespace qb::test
